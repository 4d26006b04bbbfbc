// Start-up and shutdown of the real program: the lines it fills, the refresh
// tick, the ways to end it, and the taskbar clock it hides meanwhile.
#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/DisplayScale.h"
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

    // Read straight after start-up: the refresh has not ticked yet.
    EXPECT_TRUE(StartsWith(tallvox.Line(IDC_LINE_BOOT_TIME), "- Boot Time : ")) << tallvox.Line(IDC_LINE_BOOT_TIME);
    EXPECT_TRUE(StartsWith(tallvox.Line(IDC_LINE_INSTALL_DATE), "- OS Installation Date: "))
        << tallvox.Line(IDC_LINE_INSTALL_DATE);
    EXPECT_EQ("", tallvox.Line(IDC_LINE_UPTIME));
    EXPECT_EQ("", tallvox.Line(IDC_LINE_INSTALL_TIME));

    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !tallvox.Line(IDC_LINE_UPTIME).empty(); }, 3000));
    EXPECT_TRUE(StartsWith(tallvox.Line(IDC_LINE_UPTIME), "- Uptime : ")) << tallvox.Line(IDC_LINE_UPTIME);

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

TEST(Lifecycle, HidesTheTaskbarClockWhileRunningAndShowsItAfterwards) {
    TaskbarStandIn taskbar;
    ASSERT_EQ(taskbar.Tray(), ::FindWindowA("Shell_TrayWnd", nullptr)) << "another taskbar window is found first";
    ASSERT_TRUE(::IsWindowVisible(taskbar.Clock()));

    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Escape");
        TallvoxProcess tallvox(closeBox ? "clock-close" : "clock-escape");
        const int requestsBefore = taskbar.LayoutRequests();
        ASSERT_TRUE(tallvox.Start());
        EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return !::IsWindowVisible(taskbar.Clock()); }, 3000));
        EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return taskbar.LayoutRequests() > requestsBefore; }, 3000));

        if (closeBox)
            ::PostMessageA(tallvox.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            PressKey(tallvox.Window(), VK_ESCAPE);
        EXPECT_EQ(static_cast<DWORD>(closeBox ? IDCANCEL : IDOK), tallvox.WaitForExit(15000));
        EXPECT_TRUE(::IsWindowVisible(taskbar.Clock()));
        EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return taskbar.LayoutRequests() >= requestsBefore + 2; }, 3000));
    }
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
