#include "SpeechWorker.h"

#include <algorithm>
#include <deque>
#include <new>
#include <utility>

#include "SapiVoice.h"
#include "framework/ComApartment.h"
#include "framework/Handles.h"

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
        workEvent.Attach(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        voiceKnownEvent.Attach(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    }
    ~Shared()
    {
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
        SetEvent(voiceKnownEvent.Get());
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
    CKernelHandle workEvent;
    // Manual reset, set once: the worker knows whether it has a voice.
    CKernelHandle voiceKnownEvent;
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
    // The thread holds its own share of the state, so a synthesiser that
    // never returns keeps only its thread, which ends with the process.
    m_thread.SetExitWait(m_patienceMs);
    const std::shared_ptr<Shared> threadShare = m_shared;
    const bool started = m_shared->workEvent && m_shared->voiceKnownEvent &&
                         m_thread.Start([threadShare] { SpeechThreadProc(threadShare); });
    if (!started) {
        // Without a thread nobody would ever take a sentence: no synthesiser.
        m_shared->createVoice = nullptr;
        m_shared->voice = Shared::VoiceState::None;
        return;
    }
    // Queue must be able to say whether there is a synthesiser. A voice that
    // takes longer than this to appear is still used once it is there.
    WaitForSingleObject(m_shared->voiceKnownEvent.Get(), m_patienceMs);
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
    // The thread is waited for the patience when m_thread goes.
    if (m_thread.Started())
        SetEvent(m_shared->workEvent.Get());
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
        SetEvent(m_shared->workEvent.Get());
    }
    return 1;
}

void CSpeechWorker::SpeechThreadProc(const std::shared_ptr<Shared>& shared)
{
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
                ResetEvent(shared.workEvent.Get());
                stop = shared.stop;
            } else {
                text = std::move(shared.queue.front());
                shared.queue.pop_front();
            }
        }
        if (idle) {
            if (stop)
                return;
            WaitForSingleObject(shared.workEvent.Get(), INFINITE);
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
