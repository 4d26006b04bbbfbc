// Start-up and shutdown of the real program: the lines it fills, the refresh
// tick, the ways to end it, and the taskbar clock it hides meanwhile.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "display/DisplayScale.h"
#include "e2e/TallvoxProcess.h"
#include "e2e/TaskbarStandIn.h"
#include "resource.h"

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

void PressKey(HWND window, WPARAM key) {
    ::PostMessageA(window, WM_KEYDOWN, key, 1);
    ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// A 96-DPI size at this run's display DPI.
int Scaled(int size) { return ScaleForDpi(size, TallvoxProcess::SessionDpi()); }

RECT ClientRectOf(HWND window, HWND control) {
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

TEST(Lifecycle, FillsBootAndInstallLinesAtOnceAndUptimeOnTheFirstTick) {
    TallvoxProcess tallvox("lines");
    ASSERT_TRUE(tallvox.Start());

    // Read straight after start-up: the refresh has not ticked yet. The
    // installation date comes from a worker thread, here in moments.
    EXPECT_TRUE(StartsWith(tallvox.Line(IDC_LINE_BOOT_TIME), "- Boot Time : ")) << tallvox.Line(IDC_LINE_BOOT_TIME);
    EXPECT_TRUE(StartsWith(tallvox.Line(IDC_LINE_INSTALL_DATE), "- OS Installation Date: "))
        << tallvox.Line(IDC_LINE_INSTALL_DATE);
    EXPECT_EQ("", tallvox.Line(IDC_LINE_UPTIME));
    EXPECT_EQ("", tallvox.Line(IDC_LINE_INSTALL_TIME));

    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !tallvox.Line(IDC_LINE_UPTIME).empty(); }, 3000));
    EXPECT_TRUE(StartsWith(tallvox.Line(IDC_LINE_UPTIME), "- Uptime : ")) << tallvox.Line(IDC_LINE_UPTIME);
    EXPECT_TRUE(TallvoxProcess::WaitUntil(
        [&] { return tallvox.Line(IDC_LINE_INSTALL_DATE).size() > std::string("- OS Installation Date: ").size(); },
        5000))
        << tallvox.Line(IDC_LINE_INSTALL_DATE);
    EXPECT_TRUE(TallvoxProcess::WaitUntil(
        [&] { return StartsWith(tallvox.Line(IDC_LINE_INSTALL_TIME), "- OS Installation Time: "); }, 3000))
        << tallvox.Line(IDC_LINE_INSTALL_TIME);

    // The uptime keeps counting: the text changes within the next seconds.
    const std::string first = tallvox.Line(IDC_LINE_UPTIME);
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return tallvox.Line(IDC_LINE_UPTIME) != first; }, 3000));

    PressKey(tallvox.Window(), VK_ESCAPE);
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.WaitForExit(15000));
}

// 200 x 163 at 96 DPI, and that size scaled at every other DPI.
TEST(Lifecycle, OpensSmallAtTheTopLeftCorner) {
    TallvoxProcess tallvox("size");
    ASSERT_TRUE(tallvox.Start());
    RECT rc{};
    ::GetWindowRect(tallvox.Window(), &rc);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(0, rc.top);
    EXPECT_EQ(Scaled(200), rc.right - rc.left);
    EXPECT_EQ(Scaled(163), rc.bottom - rc.top);
    char caption[64] = {};
    ::GetWindowTextA(tallvox.Window(), caption, sizeof caption);
    EXPECT_STREQ("Tallvox x=200; y=163", caption) << "the size in 96-DPI units";
}

// The large window as the template lays it out at the display's DPI holds
// the clock, its button and all four lines; the large size of the size
// button (370 x 212, scaled) still shows every line's full height.
TEST(Lifecycle, TheLargeWindowHoldsTheClockAndTheFourLinesAtEveryScale) {
    TallvoxProcess tallvox("large-lines");
    tallvox.WriteFile("Tallvox.ini", "[Tallvox]\r\nMax_Wnd=1\r\n");
    ASSERT_TRUE(tallvox.Start());
    const HWND window = tallvox.Window();
    const int lines[] = {IDC_LINE_UPTIME, IDC_LINE_BOOT_TIME, IDC_LINE_INSTALL_DATE, IDC_LINE_INSTALL_TIME};

    RECT client{};
    ::GetClientRect(window, &client);
    for (int id : {IDC_CLOCK, IDC_SIZE_BUTTON, IDC_LINE_UPTIME, IDC_LINE_BOOT_TIME, IDC_LINE_INSTALL_DATE,
                   IDC_LINE_INSTALL_TIME}) {
        const RECT r = ClientRectOf(window, ::GetDlgItem(window, id));
        EXPECT_GE(r.left, 0) << "control " << id;
        EXPECT_GE(r.top, 0) << "control " << id;
        EXPECT_LE(r.right, client.right) << "control " << id;
        EXPECT_LE(r.bottom, client.bottom) << "control " << id;
    }
    // Top to bottom: the clock, then the lines one below the other.
    int above = ClientRectOf(window, ::GetDlgItem(window, IDC_CLOCK)).bottom;
    for (int id : lines) {
        const RECT r = ClientRectOf(window, ::GetDlgItem(window, id));
        EXPECT_GE(r.top, above) << "line " << id;
        above = r.bottom;
    }

    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_SIZE_BUTTON, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, IDC_SIZE_BUTTON)));  // small
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_SIZE_BUTTON, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, IDC_SIZE_BUTTON)));  // large
    RECT rc{};
    ::GetWindowRect(window, &rc);
    ASSERT_EQ(Scaled(370), rc.right - rc.left);
    ASSERT_EQ(Scaled(212), rc.bottom - rc.top);
    ::GetClientRect(window, &client);
    for (int id : lines) {
        const RECT r = ClientRectOf(window, ::GetDlgItem(window, id));
        EXPECT_GE(r.top, 0) << "line " << id;
        EXPECT_LE(r.bottom, client.bottom) << "line " << id;
        // Centred: the text, centred in the line, shows where the line is
        // wider than the window.
        EXPECT_LE(std::abs((r.left + r.right) - client.right), 2) << "line " << id;
    }
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Lifecycle, EscapeEndsWithOkAndTheCloseBoxWithCancel) {
    {
        TallvoxProcess tallvox("escape");
        ASSERT_TRUE(tallvox.Start());
        PressKey(tallvox.Window(), VK_ESCAPE);
        EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.WaitForExit(15000));
    }
    {
        TallvoxProcess tallvox("closebox");
        ASSERT_TRUE(tallvox.Start());
        ::PostMessageA(tallvox.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(static_cast<DWORD>(IDCANCEL), tallvox.WaitForExit(15000));
    }
}

bool ClockShown(const TaskbarStandIn& taskbar) {
    return (::GetWindowLongA(taskbar.Clock(), GWL_STYLE) & WS_VISIBLE) != 0;
}

// Every way out gives the taskbar clock back: the keys and the close box,
// a quit request ending the loop, and the session's end, after which the
// process may be ended at once, so the clock is back before the message
// returns.
TEST(Lifecycle, HidesTheTaskbarClockWhileRunningAndShowsItAfterwardsHoweverItEnds) {
    TaskbarStandIn taskbar;
    ASSERT_EQ(taskbar.Tray(), ::FindWindowA("Shell_TrayWnd", nullptr)) << "another taskbar window is found first";
    ASSERT_TRUE(ClockShown(taskbar));

    enum class End { Escape, CloseBox, Quit, SessionEnd };
    struct Case {
        const char* name;
        End end;
        DWORD exitCode;
    };
    const Case cases[] = {
        {"escape", End::Escape, IDOK},
        {"close-box", End::CloseBox, IDCANCEL},
        {"quit", End::Quit, static_cast<DWORD>(-1)},
        {"session-end", End::SessionEnd, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TallvoxProcess tallvox(std::string("clock-") + c.name);
        const int requestsBefore = taskbar.LayoutRequests();
        ASSERT_TRUE(tallvox.Start());
        EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return !ClockShown(taskbar); }, 3000));
        EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return taskbar.LayoutRequests() > requestsBefore; }, 3000));

        switch (c.end) {
            case End::Escape: PressKey(tallvox.Window(), VK_ESCAPE); break;
            case End::CloseBox: ::PostMessageA(tallvox.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
            case End::Quit: ::PostMessageA(tallvox.Window(), WM_QUIT, 0, 0); break;
            case End::SessionEnd: {
                DWORD_PTR answer = 0;
                ::SendMessageTimeoutA(tallvox.Window(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_BLOCK, 5000,
                                      &answer);
                ::SendMessageTimeoutA(tallvox.Window(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_BLOCK, 5000,
                                      &answer);
                EXPECT_TRUE(ClockShown(taskbar)) << "back before the session-end message returned";
                break;
            }
        }
        EXPECT_EQ(c.exitCode, tallvox.WaitForExit(15000));
        EXPECT_TRUE(ClockShown(taskbar));
        EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return taskbar.LayoutRequests() >= requestsBefore + 2; }, 3000));
    }
}

// A clock the user had hidden before Tallvox started stays hidden after it.
TEST(Lifecycle, AClockHiddenBeforeTheStartStaysHidden) {
    TaskbarStandIn taskbar;
    ::ShowWindow(taskbar.Clock(), SW_HIDE);
    TallvoxProcess tallvox("clock-hidden-before");
    ASSERT_TRUE(tallvox.Start());
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    EXPECT_FALSE(ClockShown(taskbar));
}

// With two copies running, the clock stays hidden until the last one ends,
// whichever ends first; then it is shown as it was before the first began.
TEST(Lifecycle, WithTwoCopiesTheClockComesBackWhenTheLastEnds) {
    TaskbarStandIn taskbar;
    for (bool firstEndsFirst : {true, false}) {
        SCOPED_TRACE(firstEndsFirst ? "first ends first" : "second ends first");
        TallvoxProcess first("clock-copy-1");
        TallvoxProcess second("clock-copy-2");
        ASSERT_TRUE(first.Start());
        ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !ClockShown(taskbar); }, 3000));
        ASSERT_TRUE(second.Start());
        TallvoxProcess& endsFirst = firstEndsFirst ? first : second;
        TallvoxProcess& endsLast = firstEndsFirst ? second : first;

        EXPECT_EQ(static_cast<DWORD>(IDOK), endsFirst.EndWithEscape());
        ::Sleep(300);  // a layout request or a show would have arrived by now
        EXPECT_FALSE(ClockShown(taskbar)) << "shown while a copy still runs";
        EXPECT_EQ(static_cast<DWORD>(IDOK), endsLast.EndWithEscape());
        EXPECT_TRUE(ClockShown(taskbar));
    }
}

// A copy that was killed no longer counts: the one still running, or the
// next one started after it, gives the clock back when it ends.
TEST(Lifecycle, ACopyThatWasKilledDoesNotKeepTheClockHidden) {
    for (bool killedAlone : {false, true}) {
        SCOPED_TRACE(killedAlone ? "killed alone, another started later" : "killed beside another copy");
        TaskbarStandIn taskbar;
        TallvoxProcess next(killedAlone ? "clock-next" : "clock-survivor");
        {
            TallvoxProcess killed(killedAlone ? "clock-killed-alone" : "clock-killed");
            ASSERT_TRUE(killed.Start());
            ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !ClockShown(taskbar); }, 3000));
            if (!killedAlone) ASSERT_TRUE(next.Start());
        }  // terminated without letting go
        EXPECT_FALSE(ClockShown(taskbar));
        if (killedAlone) ASSERT_TRUE(next.Start());
        EXPECT_EQ(static_cast<DWORD>(IDOK), next.EndWithEscape());
        EXPECT_TRUE(ClockShown(taskbar));
    }
}

// A restarted Explorer brings a new taskbar with its clock shown: Tallvox
// hides that one too, and shows it when it ends.
TEST(Lifecycle, ANewTaskbarsClockIsHiddenAgain) {
    auto taskbar = std::make_unique<TaskbarStandIn>();
    TallvoxProcess tallvox("clock-new-taskbar");
    ASSERT_TRUE(tallvox.Start());
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !ClockShown(*taskbar); }, 3000));

    taskbar = std::make_unique<TaskbarStandIn>();  // the old one is gone once this one is up
    ASSERT_TRUE(ClockShown(*taskbar));
    ::PostMessageA(tallvox.Window(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return !ClockShown(*taskbar); }, 3000));

    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    EXPECT_TRUE(ClockShown(*taskbar));
}

TEST(Lifecycle, RunsNormallyOnADesktopWithoutTheClockChain) {
    // Wine's own "Shell_TrayWnd" has no notification-area children.
    TallvoxProcess tallvox("no-taskbar");
    ASSERT_TRUE(tallvox.Start());
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !tallvox.Line(IDC_LINE_UPTIME).empty(); }, 3000));
    PressKey(tallvox.Window(), VK_ESCAPE);
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.WaitForExit(15000));
}

TEST(Lifecycle, ResizingKeepsTheLimitsCentresTheControlsAndShowsTheSize) {
    TallvoxProcess tallvox("resize");
    ASSERT_TRUE(tallvox.Start());
    const HWND window = tallvox.Window();
    char caption[64] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ("Tallvox x=200; y=163", caption);

    // The limits and the caption's thresholds are 96-DPI sizes, scaled; the
    // caption tells 96-DPI units.
    ::SetWindowPos(window, nullptr, 0, 0, Scaled(500), Scaled(300), SWP_NOMOVE | SWP_NOZORDER);
    RECT rc{};
    ::GetWindowRect(window, &rc);
    EXPECT_EQ(Scaled(410), rc.right - rc.left);
    EXPECT_EQ(Scaled(230), rc.bottom - rc.top);
    ::GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ("Tallvox x=410; y=230", caption);

    // The clock and the lines stay centred in the wider client area.
    RECT client{};
    ::GetClientRect(window, &client);
    for (int id : {IDC_CLOCK, IDC_LINE_UPTIME, IDC_LINE_INSTALL_TIME}) {
        RECT control{};
        ::GetWindowRect(::GetDlgItem(window, id), &control);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&control), 2);
        EXPECT_LE(std::abs((control.left + control.right) - client.right), 2) << "control " << id;
    }

    ::SetWindowPos(window, nullptr, 0, 0, Scaled(120), Scaled(160), SWP_NOMOVE | SWP_NOZORDER);
    ::GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ("", caption);
    ::SetWindowPos(window, nullptr, 0, 0, Scaled(130), Scaled(160), SWP_NOMOVE | SWP_NOZORDER);
    ::GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ("Tallvox x=130; y=160", caption);
}
