#include "SpeechWorker.h"

#include <objbase.h>
#include <process.h>

#include <algorithm>
#include <new>
#include <utility>

#include "SapiVoice.h"

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

} // namespace

CSpeechWorker::CSpeechWorker() : CSpeechWorker(VoiceFactory(&CreateSapiVoice)) {}

CSpeechWorker::CSpeechWorker(std::unique_ptr<IVoice> voice)
{
    InitLockAndApartment();
    m_pVoice = std::move(voice);
    StartThread();
}

CSpeechWorker::CSpeechWorker(const VoiceFactory& createVoice)
{
    InitLockAndApartment();
    if (createVoice) {
        try {
            m_pVoice = createVoice();
        } catch (...) {
            // A voice that can't be made is the same as no synthesiser.
        }
    }
    StartThread();
}

void CSpeechWorker::InitLockAndApartment()
{
    InitializeCriticalSection(&m_lock);
    // The voice is created in this thread's apartment. If the thread already
    // lives in another kind of apartment, we go along with it and owe nothing.
    m_bComInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

void CSpeechWorker::StartThread()
{
    // The thread runs even without a voice: shutdown is then the same either way.
    m_hWorkEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (m_hWorkEvent)
        m_hThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &CSpeechWorker::SpeechThreadProc, this, 0, nullptr));
    // Without a thread nobody would ever take a sentence: treat it as no
    // synthesiser, so that Queue says so.
    if (!m_hThread)
        m_pVoice.reset();
}

CSpeechWorker::~CSpeechWorker()
{
    {
        CLockGuard guard(m_lock);
        m_bStop = TRUE;
        m_queue.clear();
    }
    if (m_hThread) {
        SetEvent(m_hWorkEvent);
        // The sentence being spoken ends first; the voice is in use until then.
        WaitForSingleObject(m_hThread, INFINITE);
        CloseHandle(m_hThread);
    }
    m_pVoice.reset();
    if (m_hWorkEvent)
        CloseHandle(m_hWorkEvent);
    if (m_bComInitialised)
        CoUninitialize();
    DeleteCriticalSection(&m_lock);
}

int CSpeechWorker::Queue(const std::string& sentence)
{
    // Written before the thread started and released only after it ended,
    // so it is read here without the lock.
    if (!m_pVoice)
        return 0;

    // Copied outside the lock, so the lock is held only to append.
    std::string text = sentence.substr(0, (std::min)(sentence.find('\0'), kMaxSentenceBytes));

    CLockGuard guard(m_lock);
    if (!m_bStop && m_queue.size() < kMaxQueued) {
        m_queue.push_back(std::move(text));
        SetEvent(m_hWorkEvent);
    }
    return 1;
}

unsigned __stdcall CSpeechWorker::SpeechThreadProc(void* arg)
{
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    static_cast<CSpeechWorker*>(arg)->Run();
    if (SUCCEEDED(hr))
        CoUninitialize();
    return 0;
}

void CSpeechWorker::Run()
{
    for (;;) {
        std::string text;
        bool idle;
        BOOL stop = FALSE;
        {
            CLockGuard guard(m_lock);
            idle = m_queue.empty();
            if (idle) {
                // Reset under the same lock Queue sets it under: a sentence
                // added after this look leaves the event set, so no wake-up
                // is lost.
                ResetEvent(m_hWorkEvent);
                stop = m_bStop;
            } else {
                text = std::move(m_queue.front());
                m_queue.pop_front();
            }
        }
        if (idle) {
            if (stop)
                return;
            WaitForSingleObject(m_hWorkEvent, INFINITE);
            continue;
        }
        SpeakNow(text);
    }
}

void CSpeechWorker::SpeakNow(const std::string& text)
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
    m_pVoice->Speak(wide.c_str());
}
