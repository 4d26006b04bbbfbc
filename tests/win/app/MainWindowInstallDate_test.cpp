// The main window's installation date, asked on a worker thread, with
// queries under the test's control.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "resource.h"
#include "win/app/MainWindowTestSupport.h"

namespace {

// An installation-date query that answers only when the test lets it.
class QueryGate {
public:
    InstallDateQuery Query()
    {
        std::shared_ptr<State> state = m_state;
        return [state](std::string* cim) {
            std::unique_lock<std::mutex> lock(state->mutex);
            ++state->calls;
            state->thread = ::GetCurrentThreadId();
            state->cv.wait(lock, [&] { return state->released; });
            *cim = state->cim;
            state->returned = true;
            state->cv.notify_all();
            return state->ok;
        };
    }
    void Answer(bool ok, const std::string& cim)
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->ok = ok;
        m_state->cim = cim;
        m_state->released = true;
        m_state->cv.notify_all();
    }
    bool WaitReturned()
    {
        std::unique_lock<std::mutex> lock(m_state->mutex);
        return m_state->cv.wait_for(lock, std::chrono::seconds(10), [&] { return m_state->returned; });
    }
    int Calls()
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        return m_state->calls;
    }
    DWORD Thread()
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        return m_state->thread;
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable cv;
        bool released = false;
        bool returned = false;
        bool ok = false;
        std::string cim;
        int calls = 0;
        DWORD thread = 0;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

}  // namespace

// The window shows and ticks while the query is still out; its answer fills
// the lines as they would have been filled at start-up, and a failed or
// unusable answer leaves them as a failed query does.
TEST(MainWindowInstallDate, TheWindowTicksWhileTheQueryIsOutAndTheAnswerFillsTheLines)
{
    struct Case {
        const char* name;
        bool ok;
        const char* cim;
        const char* dateLine;
        bool timeSince;
    };
    const Case cases[] = {
        {"answers", true, "20210615143207.000000+120", "- OS Installation Date: 06-15-2021  @ 14:32:07", true},
        {"fails", false, "", "- OS Installation Date: ", false},
        {"answers what is not a date", true, "2021", "- OS Installation Date: ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QueryGate gate;
        auto log = std::make_shared<SpokenLog>();
        ListenedDlg dlg(log, gate.Query());
        ASSERT_TRUE(dlg.Create());
        const HWND window = dlg.GetSafeHwnd();

        EXPECT_EQ(kDatePrefix, LineOf(window, IDC_LINE_INSTALL_DATE));
        ASSERT_TRUE(PumpUntil([&] { return !LineOf(window, IDC_LINE_UPTIME).empty(); }, std::chrono::seconds(3)))
            << "the refresh ticks before the answer";
        EXPECT_EQ(kDatePrefix, LineOf(window, IDC_LINE_INSTALL_DATE));
        EXPECT_EQ("", LineOf(window, IDC_LINE_INSTALL_TIME));
        EXPECT_EQ(1, gate.Calls());
        EXPECT_NE(::GetCurrentThreadId(), gate.Thread());

        gate.Answer(c.ok, c.cim);
        ASSERT_TRUE(gate.WaitReturned());
        if (c.timeSince) {
            EXPECT_TRUE(PumpUntil([&] { return LineOf(window, IDC_LINE_INSTALL_DATE) == c.dateLine; },
                                  std::chrono::seconds(3)))
                << LineOf(window, IDC_LINE_INSTALL_DATE);
            EXPECT_TRUE(PumpUntil([&] { return std::regex_match(LineOf(window, IDC_LINE_INSTALL_TIME), kInstallTime); },
                                  std::chrono::seconds(3)))
                << LineOf(window, IDC_LINE_INSTALL_TIME);
        } else {
            // Long enough for the answer and a refresh tick after it.
            PumpUntil([] { return false; }, std::chrono::milliseconds(1500));
            EXPECT_EQ(c.dateLine, LineOf(window, IDC_LINE_INSTALL_DATE));
            EXPECT_EQ("", LineOf(window, IDC_LINE_INSTALL_TIME));
            EXPECT_EQ(1, gate.Calls()) << "the refresh asks again once a minute at most";
        }

        // What is said is what the line shows; a date still unknown is asked
        // for once more (and here fails again).
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_SAY_INSTALL_DATE, 0), 0);
        const std::vector<std::string> said = log->WaitFor(1);
        ASSERT_EQ(1u, said.size());
        EXPECT_EQ("operating system installed since " + std::string(c.dateLine).substr(kDatePrefix.size()),
                  said[0]);
        EXPECT_EQ(c.timeSince ? 1 : 2, gate.Calls());
        ::DestroyWindow(window);
    }
}

// A first query that failed is asked again by the next command that tells
// the date, which tells what the new query answers.
TEST(MainWindowInstallDate, AFailedQueryIsAskedAgainByTheNextCommandThatTellsTheDate)
{
    auto calls = std::make_shared<std::atomic<int>>(0);
    auto log = std::make_shared<SpokenLog>();
    ListenedDlg dlg(log, [calls](std::string* cim) {
        *cim = "20210615143207.000000+120";
        return (*calls)++ > 0;
    });
    ASSERT_TRUE(dlg.Create());
    const HWND window = dlg.GetSafeHwnd();
    ASSERT_TRUE(PumpUntil([&] { return *calls == 1 && !LineOf(window, IDC_LINE_UPTIME).empty(); },
                          std::chrono::seconds(3)));
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_SAY_INSTALL_DATE, 0), 0);
    EXPECT_EQ(std::vector<std::string>{"operating system installed since 06-15-2021  @ 14:32:07"}, log->WaitFor(1));
    EXPECT_EQ(kDatePrefix + "06-15-2021  @ 14:32:07", LineOf(window, IDC_LINE_INSTALL_DATE));
    EXPECT_EQ(2, *calls);
    ::DestroyWindow(window);
}

// A query that never answers holds neither the window nor its end; an answer
// that comes after the window is gone, or that was posted but never taken,
// goes nowhere.
TEST(MainWindowInstallDate, AQueryThatNeverAnswersDelaysNothing)
{
    for (bool answerBeforeTheEnd : {false, true}) {
        SCOPED_TRACE(answerBeforeTheEnd ? "answer posted, never taken" : "answer after the end");
        QueryGate gate;
        auto log = std::make_shared<SpokenLog>();
        auto dlg = std::make_unique<ListenedDlg>(log, gate.Query());
        ASSERT_TRUE(dlg->Create());
        const HWND window = dlg->GetSafeHwnd();
        ASSERT_TRUE(PumpUntil([&] { return !LineOf(window, IDC_LINE_UPTIME).empty(); }, std::chrono::seconds(3)));
        if (answerBeforeTheEnd) {
            gate.Answer(true, "20210615143207.000000+120");
            ASSERT_TRUE(gate.WaitReturned());
            ::Sleep(100);  // posted, not dispatched
        }

        const auto before = std::chrono::steady_clock::now();
        ::DestroyWindow(window);
        dlg.reset();
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1));

        if (!answerBeforeTheEnd) {
            gate.Answer(true, "20210615143207.000000+120");
            ASSERT_TRUE(gate.WaitReturned());
            ::Sleep(100);
        }
        PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    }
}
