#include "framework/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>

namespace {

constexpr UINT kDone = WM_APP + 7;

// A job that waits until the test lets it go, counting its runs.
struct Gate {
    std::mutex mutex;
    std::condition_variable cv;
    bool open = false;
    int runs = 0;
    void Open() {
        std::lock_guard<std::mutex> hold(mutex);
        open = true;
        cv.notify_all();
    }
    int Run() {
        std::unique_lock<std::mutex> hold(mutex);
        cv.wait(hold, [&] { return open; });
        return ++runs;
    }
};

bool NextDone(HWND window) {
    MSG msg{};
    for (int i = 0; i < 500; ++i) {
        if (::PeekMessageA(&msg, window, kDone, kDone, PM_REMOVE)) return true;
        ::Sleep(10);
    }
    return false;
}

struct Window {
    HWND hwnd = ::CreateWindowExA(0, "STATIC", "jobs", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ~Window() { ::DestroyWindow(hwnd); }
};

}  // namespace

// The result arrives with a posted message and is taken once; asked again
// while it runs, the job runs once more after it.
TEST(BackgroundJob, TheResultIsPostedTakenOnceAndARequestDuringARunRunsItAgain) {
    Window window;
    auto gate = std::make_shared<Gate>();
    CBackgroundJob<int> job;
    ASSERT_TRUE(job.Start(window.hwnd, kDone, [gate] { return gate->Run(); }));
    ASSERT_TRUE(job.Start(window.hwnd, kDone, [gate] { return gate->Run(); }));  // while the first waits
    EXPECT_TRUE(job.Running());
    gate->Open();
    ASSERT_TRUE(NextDone(window.hwnd));
    ASSERT_TRUE(NextDone(window.hwnd));
    for (int i = 0; i < 500 && job.Running(); ++i) ::Sleep(10);
    EXPECT_EQ(2, gate->runs);
    EXPECT_EQ(std::optional<int>(2), job.Take());
    EXPECT_EQ(std::nullopt, job.Take()) << "taken twice";
}

// Abandoned, a job's late result is dropped and nothing is posted; a job
// stuck for good does not hold its owner (the exit wait is bounded); one
// that throws has no result.
TEST(BackgroundJob, AnAbandonedStuckOrFailingJobLeavesNothingToTake) {
    Window window;
    auto gate = std::make_shared<Gate>();
    {
        CBackgroundJob<int> job(50);
        ASSERT_TRUE(job.Start(window.hwnd, kDone, [gate] { return gate->Run(); }));
        job.Abandon();
        EXPECT_EQ(std::nullopt, job.Take());
    }  // gone while its job is still stuck
    gate->Open();
    MSG msg{};
    ::Sleep(100);
    EXPECT_FALSE(::PeekMessageA(&msg, window.hwnd, kDone, kDone, PM_REMOVE)) << "posted after it was abandoned";

    CBackgroundJob<int> failing;
    ASSERT_TRUE(failing.Start(window.hwnd, kDone, []() -> int { throw std::runtime_error("no answer"); }));
    for (int i = 0; i < 500 && failing.Running(); ++i) ::Sleep(10);
    EXPECT_FALSE(failing.Running());
    EXPECT_EQ(std::nullopt, failing.Take());
    EXPECT_FALSE(::PeekMessageA(&msg, window.hwnd, kDone, kDone, PM_REMOVE));
}
