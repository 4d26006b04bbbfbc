// The tip of the boot-time line in the running program: it shows while the
// mouse rests on the line, and only then.
#include <gtest/gtest.h>

#include <string>

#include "e2e/TallvoxProcess.h"
#include "resource.h"

namespace {

// A tooltip window of the program's window thread that is showing.
BOOL CALLBACK FindVisibleTip(HWND window, LPARAM param) {
    char cls[32] = {};
    ::GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpiA(cls, "tooltips_class32") != 0 || !::IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

HWND VisibleTipOf(HWND window) {
    HWND visible = nullptr;
    ::EnumThreadWindows(::GetWindowThreadProcessId(window, nullptr), FindVisibleTip, reinterpret_cast<LPARAM>(&visible));
    return visible;
}

// Rests the mouse on a point: two small moves, as a hand makes them.
void RestMouseAt(POINT p) {
    ::SetCursorPos(p.x - 1, p.y);
    ::Sleep(100);
    ::SetCursorPos(p.x, p.y);
}

}  // namespace

TEST(Tips, TheBootLinesTipShowsOnlyWhileTheMouseRestsOnIt) {
    TallvoxProcess tallvox("tips-hover");
    // The large window: every line lies inside it.
    tallvox.WriteFile("Tallvox.ini", "[Tallvox]\r\nMax_Wnd=1\r\n");
    ::SetCursorPos(900, 900);
    ASSERT_TRUE(tallvox.Start());
    const HWND window = tallvox.Window();
    // The tips are set on the first refresh tick.
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !tallvox.Line(IDC_LINE_UPTIME).empty(); }, 3000));
    ::Sleep(300);
    EXPECT_EQ(nullptr, VisibleTipOf(window)) << "no tip while the mouse is elsewhere";

    RECT line{};
    ::GetWindowRect(::GetDlgItem(window, IDC_LINE_BOOT_TIME), &line);
    RestMouseAt(POINT{(line.left + line.right) / 2, (line.top + line.bottom) / 2});
    HWND tip = nullptr;
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return (tip = VisibleTipOf(window)) != nullptr; }, 5000))
        << "the tip shows on the boot-time line";
    if (tip) {
        RECT shown{};
        ::GetWindowRect(tip, &shown);
        EXPECT_GT(shown.right - shown.left, 100) << "a tip with a line of text";
    }

    RestMouseAt(POINT{900, 900});
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return VisibleTipOf(window) == nullptr; }, 5000))
        << "the tip goes when the mouse leaves";
    EXPECT_EQ(0u, tallvox.Line(IDC_LINE_BOOT_TIME).rfind("- Boot Time : ", 0)) << "the line itself is unchanged";
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}
