// The main window's spoken commands, reached by their keys and by WM_COMMAND,
// with a voice that writes down what it is asked to say; and the installation
// date, asked on a worker thread, with queries under the test's control.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <regex>
#include <string>
#include <vector>

#include "win/DialogAnswerer.h"
#include "app/TallvoxDlg.h"
#include "resource.h"

namespace {

// Sentences as the voice received them, in order.
class SpokenLog {
public:
    void Add(const wchar_t* text)
    {
        std::string narrow;
        for (const wchar_t* p = text; *p; ++p)
            narrow += static_cast<char>(*p);  // the sentences are ASCII
        std::lock_guard<std::mutex> lock(m_mutex);
        m_sentences.push_back(narrow);
        m_cv.notify_all();
    }

    // Waits until `count` sentences have been spoken; all of them.
    std::vector<std::string> WaitFor(std::size_t count,
                                     std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait_for(lock, timeout, [&] { return m_sentences.size() >= count; });
        return m_sentences;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::vector<std::string> m_sentences;
};

class LoggingVoice : public IVoice {
public:
    explicit LoggingVoice(std::shared_ptr<SpokenLog> log) : m_log(std::move(log)) {}
    void Speak(const wchar_t* text) override { m_log->Add(text); }

private:
    std::shared_ptr<SpokenLog> m_log;
};

class ListenedDlg : public CTallvoxDlg {
public:
    explicit ListenedDlg(const std::shared_ptr<SpokenLog>& log,
                         InstallDateQuery query = InstallDateQuery(&QueryInstallDate))
        : CTallvoxDlg(nullptr, [log] { return std::unique_ptr<IVoice>(new LoggingVoice(log)); })
    {
        SetInstallDateQuery(std::move(query));
    }
    std::vector<WPARAM> uiStateChanges;  // the WM_CHANGEUISTATE requests received

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CHANGEUISTATE) uiStateChanges.push_back(wParam);
        return CTallvoxDlg::WindowProc(message, wParam, lParam);
    }
};

// Dispatches the test thread's messages (timers, posted answers) until the
// condition holds or the time is up.
template <class Condition>
bool PumpUntil(Condition condition, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        ::Sleep(10);
    }
}

std::string LineOf(HWND window, int id)
{
    char text[256] = {};
    ::GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

const std::string kDatePrefix = "- OS Installation Date: ";

class MainWindowKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create());
        ::GetKeyboardState(m_savedKeys);
        // The installation date arrives from its worker thread.
        ASSERT_TRUE(PumpUntil([this] { return Line(IDC_LINE_INSTALL_DATE).size() > kDatePrefix.size(); },
                              std::chrono::seconds(10)))
            << Line(IDC_LINE_INSTALL_DATE);
    }
    void TearDown() override
    {
        ::SetKeyboardState(m_savedKeys);
        ::DestroyWindow(m_dlg.GetSafeHwnd());
    }

    // Hands a key message to the window's pre-translation, and then, as its
    // loop does, to the window it was meant for unless it was taken.
    void Press(WPARAM key, UINT message = WM_KEYDOWN, HWND target = nullptr)
    {
        const UINT scanCode = ::MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
        LPARAM lParam = 1 | static_cast<LPARAM>(scanCode) << 16;
        if (message == WM_KEYUP) lParam |= static_cast<LPARAM>(0xC0000000u);
        MSG msg{target ? target : m_dlg.GetSafeHwnd(), message, key, lParam, 0, {0, 0}};
        if (!static_cast<CWnd&>(m_dlg).PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    void HoldControl(bool down)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = down ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }

    std::string Line(int id) const { return LineOf(m_dlg.GetSafeHwnd(), id); }

    std::shared_ptr<SpokenLog> m_log = std::make_shared<SpokenLog>();
    ListenedDlg m_dlg{m_log};
    BYTE m_savedKeys[256] = {};
};

const std::regex kUptime(R"(- Uptime : .*\d+ (seconds?|sec))");
const std::regex kBootTime(R"(- Boot Time : \d\d-\d\d-\d{4} @ \d\d:\d\d:\d\d)");
const std::regex kCurrentTime(R"(current time is \d\d/\d\d/\d\d \d\d:\d\d:\d\d)");
const std::regex kInstallTime(R"(- OS Installation Time: \d+ years? \d+ months \d+ days \d+ hours \d+ min \d+ sec)");

}  // namespace

TEST_F(MainWindowKeys, LettersSpeakTheFactsInTheOrderPressed)
{
    Press('U');
    Press('B');
    Press('D');
    Press('Y');
    Press('Z');
    const std::vector<std::string> said = m_log->WaitFor(5);
    ASSERT_EQ(5u, said.size());
    EXPECT_TRUE(std::regex_match(said[0], kUptime)) << said[0];
    EXPECT_TRUE(std::regex_match(said[1], kBootTime)) << said[1];
    EXPECT_TRUE(std::regex_match(said[2], kCurrentTime)) << said[2];
    // The installation date as the third line shows it.
    const std::string dateLine = Line(IDC_LINE_INSTALL_DATE);
    ASSERT_EQ(0u, dateLine.rfind(kDatePrefix, 0)) << dateLine;
    EXPECT_EQ("operating system installed since " + dateLine.substr(kDatePrefix.size()), said[3]);
    EXPECT_TRUE(std::regex_match(said[4], kInstallTime)) << said[4];
}

TEST_F(MainWindowKeys, CommandsSpeakTheSameSentencesAsTheKeys)
{
    const int ids[] = {ID_SAY_UPTIME, ID_SAY_BOOT_TIME, ID_SAY_CURRENT_TIME, ID_SAY_INSTALL_DATE,
                       ID_SAY_INSTALL_TIME};
    for (int id : ids)
        ::SendMessageA(m_dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    const std::vector<std::string> said = m_log->WaitFor(5);
    ASSERT_EQ(5u, said.size());
    EXPECT_TRUE(std::regex_match(said[0], kUptime)) << said[0];
    EXPECT_TRUE(std::regex_match(said[1], kBootTime)) << said[1];
    EXPECT_TRUE(std::regex_match(said[2], kCurrentTime)) << said[2];
    EXPECT_EQ(0u, said[3].rfind("operating system installed since ", 0)) << said[3];
    EXPECT_TRUE(std::regex_match(said[4], kInstallTime)) << said[4];
}

TEST_F(MainWindowKeys, ControlLeavesLettersAloneAndOtherKeyMessagesDoNothing)
{
    // Key releases, Alt combinations (system keys) and a bare C say nothing.
    Press('U', WM_KEYUP);
    Press('U', WM_SYSKEYDOWN);
    Press('C');
    Press(VK_F1);
    // Control is only looked at for C: Ctrl+U still says the uptime.
    HoldControl(true);
    Press('U');
    HoldControl(false);
    // A marker last: sentences are spoken in order, so anything wrongly
    // queued above would come before it.
    Press('D');
    const std::vector<std::string> said = m_log->WaitFor(2);
    ASSERT_EQ(2u, said.size());
    EXPECT_TRUE(std::regex_match(said[0], kUptime)) << said[0];
    EXPECT_TRUE(std::regex_match(said[1], kCurrentTime)) << said[1];
    EXPECT_TRUE(::IsWindow(m_dlg.GetSafeHwnd()));
}

TEST_F(MainWindowKeys, ShortcutKeysDoNotAlsoPressTheFocusedSizeButton)
{
    const HWND window = m_dlg.GetSafeHwnd();
    const HWND button = ::GetDlgItem(window, IDC_SIZE_BUTTON);
    const auto width = [window] {
        RECT r{};
        ::GetWindowRect(window, &r);
        return r.right - r.left;
    };
    const auto pumpPending = [] {
        MSG pending;
        while (::PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&pending);
    };
    const int before = width();
    // Space saves a report and Enter takes a screenshot: their save dialogs
    // are cancelled. Neither key may reach the focused size button too.
    for (WPARAM key : {VK_SPACE, VK_RETURN}) {
        ::SetForegroundWindow(window);
        ::SetFocus(button);
        ASSERT_EQ(button, ::GetFocus());
        {
            DialogAnswerer answerer(IDCANCEL, window);
            Press(key, WM_KEYDOWN, button);
            Press(key, WM_KEYUP, button);
            EXPECT_EQ(1u, answerer.SeenSoFar().size()) << "key " << key;
        }
        pumpPending();
        EXPECT_EQ(before, width()) << "the size button was pressed by key " << key;
    }
}

// Tab leaves the focus on (or brings it to) the size button and asks for its
// focus rectangle. Wine hides no focus rectangle to start with, so the
// request is what can be seen here.
TEST_F(MainWindowKeys, TabShowsTheFocusRectangleOnTheSizeButton)
{
    ::SetForegroundWindow(m_dlg.GetSafeHwnd());
    Press(VK_TAB);
    EXPECT_EQ(::GetDlgItem(m_dlg.GetSafeHwnd(), IDC_SIZE_BUTTON), ::GetFocus());
    const std::vector<WPARAM>& asked = m_dlg.uiStateChanges;
    EXPECT_NE(asked.end(), std::find(asked.begin(), asked.end(), MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS)));
}

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
        }

        // What is said is what the line shows; the query is not run again.
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_SAY_INSTALL_DATE, 0), 0);
        const std::vector<std::string> said = log->WaitFor(1);
        ASSERT_EQ(1u, said.size());
        EXPECT_EQ("operating system installed since " + std::string(c.dateLine).substr(kDatePrefix.size()),
                  said[0]);
        EXPECT_EQ(1, gate.Calls());
        ::DestroyWindow(window);
    }
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
