#include "SpeechWorker.h"

#include <process.h>

#include <algorithm>
#include <deque>
#include <new>
#include <utility>

#include "SapiVoice.h"
#include "framework/ComApartment.h"

namespace {

class CLockGuard {
public:
    explicit CLockGuard(CRITICAL_SECTION& cs) : m_cs(cs) { EnterCriticalSection(&m_cs); }
    ~CLockGuard() { LeaveCriticalSection(&m_cs); }
    CLockGuard(const CLockGuard&) = delete;
    CLockGuard& operator=(const CLockGuard&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};

// A voice made by the caller, handed to the worker thread as if it had made it.
VoiceFactory HandOver(std::unique_ptr<IVoice> voice)
{
    if (!voice)
        return VoiceFactory();
    auto held = std::make_shared<std::unique_ptr<IVoice>>(std::move(voice));
    return [held] { return std::move(*held); };
}

} // namespace

struct CSpeechWorker::Shared {
    enum class VoiceState { Pending, Ready, None };

    Shared()
    {
        InitializeCriticalSection(&lock);
        workEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        voiceKnownEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    }
    ~Shared()
    {
        if (workEvent)
            CloseHandle(workEvent);
        if (voiceKnownEvent)
            CloseHandle(voiceKnownEvent);
        DeleteCriticalSection(&lock);
    }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;

    // Told by the worker once it has tried to make the voice. Without one,
    // nothing queued will ever be spoken.
    void VoiceKnown(bool ready)
    {
        {
            CLockGuard guard(lock);
            voice = ready ? VoiceState::Ready : VoiceState::None;
            if (!ready)
                queue.clear();
        }
        SetEvent(voiceKnownEvent);
    }

    // Taken over by the worker thread before anything else; the owner does
    // not touch it once the thread runs.
    VoiceFactory createVoice;

    CRITICAL_SECTION lock;  // guards everything below
    std::deque<std::string> queue;  // oldest first
    VoiceState voice = VoiceState::Pending;
    bool speaking = false;  // the worker has taken a sentence and not yet come back for more
    bool stop = false;  // set once, by the owner's destructor

    // Manual reset: set when a sentence arrives or a stop is requested;
    // reset by the worker, under the lock, when it finds the queue empty.
    HANDLE workEvent = nullptr;
    // Manual reset, set once: the worker knows whether it has a voice.
    HANDLE voiceKnownEvent = nullptr;
};

CSpeechWorker::CSpeechWorker() : CSpeechWorker(VoiceFactory(&CreateSapiVoice)) {}

CSpeechWorker::CSpeechWorker(std::unique_ptr<IVoice> voice, DWORD patienceMs)
    : CSpeechWorker(HandOver(std::move(voice)), patienceMs)
{
}

CSpeechWorker::CSpeechWorker(const VoiceFactory& createVoice, DWORD patienceMs)
    : m_shared(std::make_shared<Shared>()), m_patienceMs(patienceMs)
{
    m_shared->createVoice = createVoice;
    if (m_shared->workEvent && m_shared->voiceKnownEvent) {
        auto* threadShare = new std::shared_ptr<Shared>(m_shared);
        m_hThread = reinterpret_cast<HANDLE>(
            _beginthreadex(nullptr, 0, &CSpeechWorker::SpeechThreadProc, threadShare, 0, nullptr));
        if (!m_hThread)
            delete threadShare;
    }
    if (!m_hThread) {
        // Without a thread nobody would ever take a sentence: no synthesiser.
        m_shared->createVoice = nullptr;
        m_shared->voice = Shared::VoiceState::None;
        return;
    }
    // Queue must be able to say whether there is a synthesiser. A voice that
    // takes longer than this to appear is still used once it is there.
    WaitForSingleObject(m_shared->voiceKnownEvent, m_patienceMs);
}

CSpeechWorker::~CSpeechWorker()
{
    {
        CLockGuard guard(m_shared->lock);
        m_shared->stop = true;
        // A sentence handed over while the worker was idle counts as the one
        // in progress: the farewell, queued just before the end, is still
        // said. What waits behind it is dropped.
        if (m_shared->speaking || m_shared->queue.empty())
            m_shared->queue.clear();
        else
            m_shared->queue.resize(1);
    }
    if (m_hThread) {
        SetEvent(m_shared->workEvent);
        // A synthesiser that never returns keeps only its own thread: the
        // thread holds its share of the state and ends with the process.
        WaitForSingleObject(m_hThread, m_patienceMs);
        CloseHandle(m_hThread);
    }
}

int CSpeechWorker::Queue(const std::string& sentence)
{
    // Copied outside the lock, so the lock is held only to append.
    std::string text = sentence.substr(0, (std::min)(sentence.find('\0'), kMaxSentenceBytes));

    CLockGuard guard(m_shared->lock);
    if (m_shared->voice == Shared::VoiceState::None)
        return 0;
    if (!m_shared->stop && m_shared->queue.size() < kMaxQueued) {
        m_shared->queue.push_back(std::move(text));
        SetEvent(m_shared->workEvent);
    }
    return 1;
}

unsigned __stdcall CSpeechWorker::SpeechThreadProc(void* arg)
{
    std::shared_ptr<Shared> shared;
    {
        std::unique_ptr<std::shared_ptr<Shared>> share(static_cast<std::shared_ptr<Shared>*>(arg));
        shared = std::move(*share);
    }
    const CComApartment apartment;
    std::unique_ptr<IVoice> voice;
    {
        // The factory, and whatever it holds, is also let go here.
        VoiceFactory createVoice = std::move(shared->createVoice);
        shared->createVoice = nullptr;
        if (createVoice && apartment.IsInitialised()) {
            try {
                voice = createVoice();
            } catch (...) {
                // A voice that can't be made is the same as no synthesiser.
            }
        }
    }
    shared->VoiceKnown(voice != nullptr);
    if (voice)
        Run(*shared, *voice);
    // The voice is released here, before the apartment it was made in ends.
    voice.reset();
    return 0;
}

void CSpeechWorker::Run(Shared& shared, IVoice& voice)
{
    for (;;) {
        std::string text;
        bool idle;
        bool stop = false;
        {
            CLockGuard guard(shared.lock);
            idle = shared.queue.empty();
            shared.speaking = !idle;
            if (idle) {
                // Reset under the same lock Queue sets it under: a sentence
                // added after this look leaves the event set, so no wake-up
                // is lost.
                ResetEvent(shared.workEvent);
                stop = shared.stop;
            } else {
                text = std::move(shared.queue.front());
                shared.queue.pop_front();
            }
        }
        if (idle) {
            if (stop)
                return;
            WaitForSingleObject(shared.workEvent, INFINITE);
            continue;
        }
        SpeakNow(voice, text);
    }
}

void CSpeechWorker::SpeakNow(IVoice& voice, const std::string& text)
{
    if (text.empty())
        return;
    // The ANSI code page rather than mbstowcs: the program never sets a C
    // locale, and in the default "C" locale mbstowcs widens bytes as Latin-1,
    // while the window shows the same 8-bit text through the A functions,
    // i.e. in the ANSI code page. MultiByteToWideChar also reports failure as
    // 0 instead of (size_t)-1, which would otherwise size the buffer wrongly.
    const int bytes = static_cast<int>(text.size());  // at most kMaxSentenceBytes
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
    if (n <= 0)
        return;
    std::wstring wide;
    try {
        wide.assign(static_cast<std::size_t>(n), L'\0');
    } catch (const std::bad_alloc&) {
        return;  // skipped like text that doesn't convert
    }
    if (MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, &wide[0], n) <= 0)
        return;
    voice.Speak(wide.c_str());
}
