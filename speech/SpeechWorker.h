// A queue of sentences spoken one after another on a thread of their own, so
// that the window never waits for the synthesiser.
#pragma once
#include <windows.h>

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

#include "speech/Voice.h"

class CSpeechWorker {
public:
    // Sentences waiting beyond this many are dropped.
    static constexpr std::size_t kMaxQueued = 1000;
    // A sentence must fit a 64 KiB buffer with its terminating zero; longer
    // ones are cut to this many bytes.
    static constexpr std::size_t kMaxSentenceBytes = 65535;

    // Speaks through the system's SAPI voice, when there is one.
    CSpeechWorker();
    // Speaks through the given voice; null means no synthesiser.
    explicit CSpeechWorker(std::unique_ptr<IVoice> voice);
    // Makes the voice on this thread once COM is initialised here; an empty
    // factory, a null result or a throwing factory all mean no synthesiser.
    explicit CSpeechWorker(const VoiceFactory& createVoice);

    // Waits for the sentence being spoken, drops the ones still waiting.
    // Must run on the thread that constructed the object (COM is undone there).
    ~CSpeechWorker();

    CSpeechWorker(const CSpeechWorker&) = delete;
    CSpeechWorker& operator=(const CSpeechWorker&) = delete;

    // Appends a sentence and returns at once. The text is taken as it is
    // (a per-cent sign is just a character), up to its first zero byte and
    // at most kMaxSentenceBytes long. Returns 0 when there is no synthesiser,
    // otherwise 1, also when the sentence was dropped because the queue is
    // full or the worker is shutting down.
    int Queue(const std::string& sentence);

private:
    void InitLockAndApartment();
    void StartThread();
    void Run();
    void SpeakNow(const std::string& text);
    static unsigned __stdcall SpeechThreadProc(void* arg);

    std::unique_ptr<IVoice> m_pVoice;
    std::deque<std::string> m_queue;  // oldest first
    // Manual reset: set when a sentence arrives or a stop is requested;
    // reset by the worker, under m_lock, when it finds the queue empty.
    HANDLE m_hWorkEvent = nullptr;
    CRITICAL_SECTION m_lock;  // guards m_queue and m_bStop
    HANDLE m_hThread = nullptr;
    BOOL m_bStop = FALSE;  // set once, by the destructor
    bool m_bComInitialised = false;  // whether this thread's CoUninitialize is owed
};
