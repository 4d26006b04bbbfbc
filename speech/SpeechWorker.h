// A queue of sentences spoken one after another on a thread of their own, so
// that the window never waits for the synthesiser. The voice lives entirely
// on that thread: it is made there (in the thread's own single-threaded COM
// apartment), speaks there and is released there.
#pragma once
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>

#include "framework/WorkerThread.h"
#include "speech/Voice.h"

class CSpeechWorker {
public:
    // Sentences waiting beyond this many are dropped.
    static constexpr std::size_t kMaxQueued = 1000;
    // A sentence must fit a 64 KiB buffer with its terminating zero; longer
    // ones are cut to this many bytes.
    static constexpr std::size_t kMaxSentenceBytes = 65535;
    // How long shutdown waits for the sentence being spoken, and how long the
    // constructor waits to learn whether a voice could be made. A synthesiser
    // that never answers must not keep the program alive.
    static constexpr DWORD kDefaultPatienceMs = 4000;

    // Speaks through the system's SAPI voice, when there is one.
    CSpeechWorker();
    // Speaks through the given voice, made elsewhere; null means no
    // synthesiser. It is used and released on the worker thread.
    explicit CSpeechWorker(std::unique_ptr<IVoice> voice, DWORD patienceMs = kDefaultPatienceMs);
    // Makes the voice on the worker thread once COM is initialised there; an
    // empty factory, a null result or a throwing factory all mean no
    // synthesiser.
    explicit CSpeechWorker(const VoiceFactory& createVoice, DWORD patienceMs = kDefaultPatienceMs);

    // Waits up to the patience for the sentence being spoken, or for the one
    // handed over while the worker was idle (the farewell queued just before
    // the end), and drops the ones waiting behind it. A worker still busy
    // after that is left to finish or to end with the process.
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
    // What the owner and the worker thread share. The thread holds its own
    // reference, so the state outlives an owner that stopped waiting.
    struct Shared;
    static void SpeechThreadProc(const std::shared_ptr<Shared>& shared);
    static void Run(Shared& shared, IVoice& voice);
    static void SpeakNow(IVoice& voice, const std::string& text);

    std::shared_ptr<Shared> m_shared;
    DWORD m_patienceMs;
    // Last: its destructor waits for the thread once the stop is asked.
    CWorkerThread m_thread;
};
