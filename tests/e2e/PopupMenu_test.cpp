// The right-click menu of a running Tallvox: where it opens, and commands
// chosen in it with the keyboard as a user could.
#include <gtest/gtest.h>

#include <string>

#include "e2e/ProgramDialogs.h"
#include "e2e/TallvoxProcess.h"
#include "resource.h"

namespace {

HWND OpenPopupMenuAt(const TallvoxProcess& tallvox, POINT at) {
    ::PostMessageA(tallvox.Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tallvox.Window()),
                   MAKELPARAM(at.x, at.y));
    return WaitForOpenMenu(tallvox.Window());
}

void Keys(HWND menu, std::initializer_list<WPARAM> keys) {
    for (WPARAM key : keys) ::PostMessageA(menu, WM_KEYDOWN, key, 0);
}

}  // namespace

TEST(PopupMenu, OpensAtThePointerAndExitEndsTheProgram) {
    TallvoxProcess tallvox("menu-exit");
    ASSERT_TRUE(tallvox.Start());
    const POINT at{300, 200};
    const HWND menu = OpenPopupMenuAt(tallvox, at);
    ASSERT_NE(nullptr, menu);
    RECT r{};
    ::GetWindowRect(menu, &r);
    EXPECT_EQ(at.x, r.left);
    EXPECT_EQ(at.y, r.top);
    // Up from no selection wraps to the last item, "Exit".
    Keys(menu, {VK_UP, VK_RETURN});
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.WaitForExit(15000));
}

TEST(PopupMenu, ASubmenuCommandRunsAfterTheMenuCloses) {
    TallvoxProcess tallvox("menu-always-on-top");
    ASSERT_TRUE(tallvox.Start());
    const HWND menu = OpenPopupMenuAt(tallvox, POINT{250, 150});
    ASSERT_NE(nullptr, menu);
    // Misc. is the fifth entry; "Always on top" the sixth item in it.
    Keys(menu, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT});
    HWND misc = nullptr;
    ASSERT_TRUE(TallvoxProcess::WaitUntil(
        [&] {
            misc = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr);
            while (misc && (misc == menu || !::IsWindowVisible(misc))) misc = ::FindWindowExA(nullptr, misc, "#32768", nullptr);
            return misc != nullptr;
        },
        5000))
        << "the submenu opened";
    Keys(misc, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_TRUE(TallvoxProcess::WaitUntil(
        [&] { return (::GetWindowLongA(tallvox.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 5000));
    // The setting is saved just after the style changes.
    EXPECT_TRUE(TallvoxProcess::WaitUntil(
        [&] { return tallvox.ReadFile("Tallvox.ini").find("TopMost_Wnd=1") != std::string::npos; }, 5000));
    ::PostMessageA(tallvox.Window(), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.WaitForExit(15000));
}
