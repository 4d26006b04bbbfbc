// The right-click menu of a running Tallvox: where it opens (also from the
// keyboard), and commands chosen in it with the keyboard as a user could.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// The menu key and Shift+F10, typed as a user would, open the menu at the
// window's client corner.
TEST(PopupMenu, TheMenuKeyAndShiftF10OpenItAtTheWindow) {
    TallvoxProcess tallvox("menu-keys");
    ASSERT_TRUE(tallvox.Start());
    POINT corner{0, 0};
    ::ClientToScreen(tallvox.Window(), &corner);
    for (const std::vector<WORD>& chord : {std::vector<WORD>{VK_APPS}, std::vector<WORD>{VK_SHIFT, VK_F10}}) {
        // Pressed in order, let go in reverse.
        std::vector<INPUT> keys(2 * chord.size());
        for (size_t i = 0; i < chord.size(); ++i) {
            INPUT& up = keys[keys.size() - 1 - i];
            keys[i].type = up.type = INPUT_KEYBOARD;
            keys[i].ki.wVk = up.ki.wVk = chord[i];
            up.ki.dwFlags = KEYEVENTF_KEYUP;
        }
        ::SetForegroundWindow(tallvox.Window());
        ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
        const HWND menu = WaitForOpenMenu(tallvox.Window());
        ASSERT_NE(nullptr, menu) << "key " << chord.back();
        RECT r{};
        ::GetWindowRect(menu, &r);
        EXPECT_EQ(corner.x, r.left);
        EXPECT_EQ(corner.y, r.top);
        Keys(menu, {VK_ESCAPE});
        ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !::IsWindowVisible(menu); }, 3000));
    }
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}
