// The speech worker, driven through a fake voice that records what it is
// asked to say and can keep a sentence "in the air" until the test lets go.
#include "speech/SpeechWorker.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr auto kPatience = 10s;  // for things that must happen
constexpr auto kGrace = 200ms;   // for things that must not happen

// What a fake voice did, shared between the test and the voice the worker owns.
class CVoiceLog {
public:
    // While closed, each Speak blocks until a pass is handed out or the gate opens.
    void Close()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = false;
    }
    void Open()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_cv.notify_all();
    }
    void LetOneThrough()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_passes;
        m_cv.notify_all();
    }

    // Called by the fake voice.
    void Speaking(const wchar_t* text)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_speakingThread = GetCurrentThreadId();
        m_started.push_back(text);
        m_events.push_back(L"+" + std::wstring(text));
        if (++m_active > m_maxActive)
            m_maxActive = m_active;
        if (!m_askedApartment) {
            m_askedApartment = true;
            m_workerApartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            if (SUCCEEDED(m_workerApartment))
                CoUninitialize();
        }
        m_cv.notify_all();
        m_cv.wait(lock, [this] { return m_open || m_passes > 0; });
        if (!m_open)
            --m_passes;
        --m_active;
        m_finished.push_back(text);
        m_events.push_back(L"-" + std::wstring(text));
        m_cv.notify_all();
    }
    void Destroyed()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_destroyingThread = GetCurrentThreadId();
        m_destroyed = true;
        m_events.push_back(L"~");
        m_cv.notify_all();
    }

    bool WaitStarted(std::size_t count, std::chrono::milliseconds timeout = kPatience)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_cv.wait_for(lock, timeout, [&] { return m_started.size() >= count; });
    }
    bool WaitFinished(std::size_t count, std::chrono::milliseconds timeout = kPatience)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_cv.wait_for(lock, timeout, [&] { return m_finished.size() >= count; });
    }

    std::vector<std::wstring> Started()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_started;
    }
    std::vector<std::wstring> Finished()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_finished;
    }
    std::vector<std::wstring> Events()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }
    int MaxActive()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_maxActive;
    }
    bool IsDestroyed()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_destroyed;
    }
    bool WaitDestroyed(std::chrono::milliseconds timeout = kPatience)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_cv.wait_for(lock, timeout, [&] { return m_destroyed; });
    }
    DWORD SpeakingThread()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_speakingThread;
    }
    DWORD DestroyingThread()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_destroyingThread;
    }
    // What CoInitializeEx(STA) said inside the first Speak.
    HRESULT WorkerApartment()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_workerApartment;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_open = true;
    int m_passes = 0;
    int m_active = 0;
    int m_maxActive = 0;
    bool m_destroyed = false;
    DWORD m_speakingThread = 0;
    DWORD m_destroyingThread = 0;
    bool m_askedApartment = false;
    HRESULT m_workerApartment = E_FAIL;
    std::vector<std::wstring> m_started;
    std::vector<std::wstring> m_finished;
    std::vector<std::wstring> m_events;
};

class CFakeVoice : public IVoice {
public:
    explicit CFakeVoice(std::shared_ptr<CVoiceLog> log) : m_log(std::move(log)) {}
    ~CFakeVoice() override { m_log->Destroyed(); }
    void Speak(const wchar_t* text) override { m_log->Speaking(text); }

private:
    std::shared_ptr<CVoiceLog> m_log;
};

std::unique_ptr<IVoice> FakeVoice(const std::shared_ptr<CVoiceLog>& log)
{
    return std::make_unique<CFakeVoice>(log);
}

// Queues a last sentence and waits until it is spoken: everything queued
// before it has then been either spoken or dropped.
void Drain(CSpeechWorker& worker, CVoiceLog& log, std::size_t spokenBefore)
{
    ASSERT_EQ(1, worker.Queue("end of test"));
    ASSERT_TRUE(log.WaitFinished(spokenBefore + 1));
    ASSERT_EQ(L"end of test", log.Finished().back());
}

TEST(SpeechWorker, SpeaksInQueueOrderOneAtATime)
{
    auto log = std::make_shared<CVoiceLog>();
    log->Close();
    CSpeechWorker worker(FakeVoice(log));

    EXPECT_EQ(1, worker.Queue("one"));
    EXPECT_EQ(1, worker.Queue("two"));
    EXPECT_EQ(1, worker.Queue("three"));

    ASSERT_TRUE(log->WaitStarted(1));
    EXPECT_FALSE(log->WaitStarted(2, kGrace)) << "second sentence began while the first was spoken";
    log->LetOneThrough();
    ASSERT_TRUE(log->WaitStarted(2));
    EXPECT_FALSE(log->WaitStarted(3, kGrace));
    log->Open();
    ASSERT_TRUE(log->WaitFinished(3));

    const std::vector<std::wstring> expected = {L"+one", L"-one", L"+two", L"-two", L"+three", L"-three"};
    EXPECT_EQ(expected, log->Events());
    EXPECT_EQ(1, log->MaxActive());
}

TEST(SpeechWorker, DropsSentencesBeyondAThousandWaiting)
{
    auto log = std::make_shared<CVoiceLog>();
    log->Close();
    CSpeechWorker worker(FakeVoice(log));

    ASSERT_EQ(1, worker.Queue("busy"));
    ASSERT_TRUE(log->WaitStarted(1));  // taken off the queue: the worker is busy
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(1, worker.Queue("waiting " + std::to_string(i)));
    EXPECT_EQ(1, worker.Queue("one too many"));

    log->Open();
    ASSERT_TRUE(log->WaitFinished(1001));  // the queue is empty again
    Drain(worker, *log, 1001);

    const std::vector<std::wstring> spoken = log->Finished();
    ASSERT_EQ(1002u, spoken.size());
    EXPECT_EQ(L"busy", spoken.front());
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(L"waiting " + std::to_wstring(i), spoken[static_cast<std::size_t>(i) + 1]);
    for (const std::wstring& s : spoken)
        EXPECT_NE(L"one too many", s);
}

TEST(SpeechWorker, QueuesButNeverSpeaksAnEmptySentence)
{
    auto log = std::make_shared<CVoiceLog>();
    CSpeechWorker worker(FakeVoice(log));

    EXPECT_EQ(1, worker.Queue(""));
    EXPECT_EQ(1, worker.Queue(std::string("\0hidden", 7)));  // nothing before the zero byte
    Drain(worker, *log, 0);

    EXPECT_EQ(std::vector<std::wstring>{L"end of test"}, log->Started());
}

TEST(SpeechWorker, DestructionFinishesTheCurrentSentenceAndDropsTheRest)
{
    auto log = std::make_shared<CVoiceLog>();
    log->Close();
    auto worker = std::make_unique<CSpeechWorker>(FakeVoice(log));

    worker->Queue("current");
    worker->Queue("dropped 1");
    worker->Queue("dropped 2");
    ASSERT_TRUE(log->WaitStarted(1));

    // The release comes from elsewhere, a little after the destructor began
    // to wait; a destructor that didn't wait would return before it.
    std::thread releaser([log] {
        std::this_thread::sleep_for(kGrace);
        log->Open();
    });
    worker.reset();
    const std::vector<std::wstring> finishedAtReturn = log->Finished();
    const bool destroyedAtReturn = log->IsDestroyed();
    releaser.join();

    EXPECT_EQ(std::vector<std::wstring>{L"current"}, finishedAtReturn);
    EXPECT_TRUE(destroyedAtReturn);
    const std::vector<std::wstring> expected = {L"+current", L"-current", L"~"};
    EXPECT_EQ(expected, log->Events());
}

TEST(SpeechWorker, DestructionWithNothingQueuedReturns)
{
    auto log = std::make_shared<CVoiceLog>();
    { CSpeechWorker worker(FakeVoice(log)); }
    EXPECT_TRUE(log->IsDestroyed());
    EXPECT_TRUE(log->Started().empty());
}

TEST(SpeechWorker, WithoutAVoiceQueueReturnsZero)
{
    CSpeechWorker worker{std::unique_ptr<IVoice>()};
    EXPECT_EQ(0, worker.Queue("hello"));
    EXPECT_EQ(0, worker.Queue(""));
}

TEST(SpeechWorker, FactoryWithoutAVoiceMeansNoSynthesiser)
{
    CSpeechWorker empty{VoiceFactory()};
    EXPECT_EQ(0, empty.Queue("hello"));
    CSpeechWorker nullResult{VoiceFactory([] { return std::unique_ptr<IVoice>(); })};
    EXPECT_EQ(0, nullResult.Queue("hello"));
    CSpeechWorker throwing{VoiceFactory([]() -> std::unique_ptr<IVoice> { throw std::bad_alloc(); })};
    EXPECT_EQ(0, throwing.Queue("hello"));
}

// Runs on a thread of its own, so that what COM state the test thread is in
// doesn't matter. The voice is made, used and released on the worker thread,
// in that thread's own single-threaded apartment; the owner's thread is left
// as it was found.
TEST(SpeechWorker, VoiceIsMadeUsedAndReleasedOnTheWorkerThreadAlone)
{
    auto log = std::make_shared<CVoiceLog>();
    HRESULT factoryApartment = E_FAIL;
    DWORD factoryThread = 0;
    DWORD constructingThread = 0;
    HRESULT afterwards = E_FAIL;
    std::thread([&] {
        constructingThread = GetCurrentThreadId();
        {
            CSpeechWorker worker(VoiceFactory([&] {
                factoryThread = GetCurrentThreadId();
                // S_FALSE: this thread is already in a single-threaded apartment.
                factoryApartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
                if (SUCCEEDED(factoryApartment))
                    CoUninitialize();
                return FakeVoice(log);
            }));
            Drain(worker, *log, 0);
        }
        // S_OK: the owner's thread was never put into an apartment.
        afterwards = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(afterwards))
            CoUninitialize();
    }).join();

    EXPECT_NE(constructingThread, factoryThread);
    EXPECT_EQ(S_FALSE, factoryApartment);
    EXPECT_EQ(factoryThread, log->SpeakingThread());
    EXPECT_EQ(factoryThread, log->DestroyingThread());
    EXPECT_EQ(S_FALSE, log->WorkerApartment());
    EXPECT_EQ(S_OK, afterwards);
}

// A synthesiser that never returns keeps its own thread busy, not the
// program: shutdown gives up after the patience, with the injected one and
// with the default of a few seconds.
TEST(SpeechWorker, AVoiceThatNeverReturnsHoldsShutdownOnlyForThePatience)
{
    struct Case {
        const char* name;
        DWORD patienceMs;
    };
    const Case cases[] = {
        {"injected", 300},
        {"default", CSpeechWorker::kDefaultPatienceMs},
    };
    EXPECT_GE(CSpeechWorker::kDefaultPatienceMs, 2000u);
    EXPECT_LE(CSpeechWorker::kDefaultPatienceMs, 5000u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto log = std::make_shared<CVoiceLog>();
        log->Close();
        auto worker = std::make_unique<CSpeechWorker>(FakeVoice(log), c.patienceMs);
        worker->Queue("stuck");
        worker->Queue("behind it");
        ASSERT_TRUE(log->WaitStarted(1));

        const auto before = std::chrono::steady_clock::now();
        worker.reset();
        const auto waited = std::chrono::steady_clock::now() - before;
        EXPECT_GE(waited, std::chrono::milliseconds(c.patienceMs) - 50ms);
        EXPECT_LE(waited, std::chrono::milliseconds(c.patienceMs) + 2s);
        EXPECT_FALSE(log->IsDestroyed());

        // Should the voice return after all, its thread ends on its own and
        // releases it, without speaking what was waiting.
        log->Open();
        ASSERT_TRUE(log->WaitDestroyed());
        EXPECT_EQ(std::vector<std::wstring>{L"stuck"}, log->Finished());
    }
}

// The farewell is queued and its owner destroyed at once: the worker may not
// have taken it yet, and it is still said.
TEST(SpeechWorker, ASentenceQueuedJustBeforeDestructionIsStillSpoken)
{
    for (int run = 0; run < 20; ++run) {
        auto log = std::make_shared<CVoiceLog>();
        {
            CSpeechWorker worker(FakeVoice(log));
            ASSERT_EQ(1, worker.Queue("good bye"));
        }
        ASSERT_EQ(std::vector<std::wstring>{L"good bye"}, log->Finished()) << "run " << run;
    }

    // A voice slower to appear than the constructor waits: the farewell waits
    // for it, even past the owner's end.
    auto log = std::make_shared<CVoiceLog>();
    {
        CSpeechWorker worker(VoiceFactory([log] {
                                 std::this_thread::sleep_for(400ms);
                                 return FakeVoice(log);
                             }),
                             100);
        ASSERT_EQ(1, worker.Queue("good bye"));
        EXPECT_EQ(1, worker.Queue("not this one"));
    }
    ASSERT_TRUE(log->WaitDestroyed());
    EXPECT_EQ(std::vector<std::wstring>{L"good bye"}, log->Finished());
}

TEST(SpeechWorker, LeavesAnOwnersMultiThreadedApartmentAlone)
{
    auto log = std::make_shared<CVoiceLog>();
    HRESULT stillInitialised = E_FAIL;
    std::thread([&] {
        const HRESULT mine = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        ASSERT_EQ(S_OK, mine);
        {
            CSpeechWorker worker(FakeVoice(log));
            Drain(worker, *log, 0);
        }
        // S_FALSE: our own initialisation is still in place, not undone by the worker.
        stillInitialised = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(stillInitialised))
            CoUninitialize();
        CoUninitialize();
    }).join();

    EXPECT_EQ(S_FALSE, stillInitialised);
    EXPECT_EQ(S_FALSE, log->WorkerApartment());
}

TEST(SpeechWorker, PerCentSignsAreSpokenAsWritten)
{
    auto log = std::make_shared<CVoiceLog>();
    CSpeechWorker worker(FakeVoice(log));
    EXPECT_EQ(1, worker.Queue("100% sure %s %d"));
    ASSERT_TRUE(log->WaitFinished(1));
    EXPECT_EQ(L"100% sure %s %d", log->Finished()[0]);
}

std::string Pattern(std::size_t length)
{
    std::string text(length, ' ');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>('a' + i % 26);
    return text;
}

TEST(SpeechWorker, LongSentencesAreCutAt65535Bytes)
{
    auto log = std::make_shared<CVoiceLog>();
    CSpeechWorker worker(FakeVoice(log));

    const std::string longest = Pattern(CSpeechWorker::kMaxSentenceBytes);
    EXPECT_EQ(1, worker.Queue(longest));
    EXPECT_EQ(1, worker.Queue(Pattern(70000)));
    ASSERT_TRUE(log->WaitFinished(2));

    const std::wstring expected(longest.begin(), longest.end());
    const std::vector<std::wstring> spoken = log->Finished();
    EXPECT_EQ(65535u, spoken[0].size());
    EXPECT_EQ(expected, spoken[0]);
    EXPECT_EQ(65535u, spoken[1].size());
    EXPECT_EQ(expected, spoken[1]);
}

// The program declares UTF-8 as its code page (so does this test program,
// which carries its manifest); where the system ignores that, it is 1252.
TEST(SpeechWorker, EightBitTextIsReadInTheAnsiCodePage)
{
    const char* bytes = nullptr;
    if (GetACP() == CP_UTF8)
        bytes = "caf\xC3\xA9 \xE2\x82\xAC \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xE8\xA9\xA6\xE9\xA8\x93";
    else if (GetACP() == 1252)
        bytes = "caf\xE9 \x80";
    else
        GTEST_SKIP() << "ANSI code page is " << GetACP();
    auto log = std::make_shared<CVoiceLog>();
    CSpeechWorker worker(FakeVoice(log));
    EXPECT_EQ(1, worker.Queue(bytes));
    ASSERT_TRUE(log->WaitFinished(1));
    const std::wstring expected = GetACP() == CP_UTF8 ? L"caf\u00E9 \u20AC \u041F\u0440\u0438\u0432\u0435\u0442 \u8A66\u9A13"
                                                      : L"caf\u00E9 \u20AC";
    EXPECT_EQ(expected, log->Finished()[0]);
}

TEST(SpeechWorker, SystemVoiceRunsAndShutsDown)
{
    // Whether a synthesiser exists depends on the machine (Wine has one that
    // doesn't speak); either way queueing and shutdown must not hang or fail.
    CSpeechWorker worker;
    const int queued = worker.Queue("good bye");
    EXPECT_TRUE(queued == 0 || queued == 1);
    EXPECT_EQ(queued, worker.Queue("and again"));
}

} // namespace
