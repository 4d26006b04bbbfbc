// The notification area: minimising hides the window behind an icon, the
// icon's double-click and its menu bring it back, the menu's "Exit" ends it.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "e2e/ProgramDialogs.h"
#include "e2e/TallvoxProcess.h"
#include "resource.h"

namespace {

constexpr UINT kTrayNotify = WM_USER + 1;

// Whether the shell holds Tallvox's icon: modifying a missing icon fails.
bool IconShown(HWND window) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = 1;
    return ::Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool Hidden(HWND window) { return !::IsWindowVisible(window); }

void Minimise(const TallvoxProcess& tallvox) {
    ::PostMessageA(tallvox.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return Hidden(tallvox.Window()); }, 5000));
}

// Opens the icon's menu and picks its `index`-th item with the keyboard.
void ChooseTrayMenuItem(const TallvoxProcess& tallvox, int index) {
    ::PostMessageA(tallvox.Window(), kTrayNotify, 1, WM_RBUTTONDOWN);
    HWND menu = WaitForOpenMenu(tallvox.Window());
    ASSERT_NE(nullptr, menu) << "the tray menu did not open";
    for (int i = 0; i <= index; ++i) ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

}  // namespace

TEST(Tray, MinimiseBoxHidesTheWindowBehindAnIconAndDoubleClickBringsItBack) {
    TallvoxProcess tallvox("tray-minimise");
    ASSERT_TRUE(tallvox.Start());
    EXPECT_FALSE(IconShown(tallvox.Window()));

    Minimise(tallvox);
    EXPECT_TRUE(IconShown(tallvox.Window()));
    EXPECT_FALSE(::IsIconic(tallvox.Window())) << "hidden instead of minimised";

    // A single click does nothing; a double-click restores.
    ::PostMessageA(tallvox.Window(), kTrayNotify, 1, WM_LBUTTONDOWN);
    ::Sleep(300);
    EXPECT_TRUE(Hidden(tallvox.Window()));
    ::PostMessageA(tallvox.Window(), kTrayNotify, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return ::IsWindowVisible(tallvox.Window()) != FALSE; }, 5000));
    EXPECT_FALSE(IconShown(tallvox.Window()));
}

TEST(Tray, DownArrowAndTheMinimizeCommandGoToTheNotificationArea) {
    TallvoxProcess tallvox("tray-keys");
    ASSERT_TRUE(tallvox.Start());
    ::PostMessageA(tallvox.Window(), WM_KEYDOWN, VK_DOWN, 1);
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return Hidden(tallvox.Window()); }, 5000));
    EXPECT_TRUE(IconShown(tallvox.Window()));
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_TRAY_RESTORE, 0);
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return ::IsWindowVisible(tallvox.Window()) != FALSE; }, 5000));
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_MINIMIZE, 0);
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return Hidden(tallvox.Window()); }, 5000));
}

TEST(Tray, MenuRestoreBringsTheWindowBackAndRefreshResumes) {
    TallvoxProcess tallvox("tray-restore");
    ASSERT_TRUE(tallvox.Start());
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !tallvox.Line(IDC_LINE_UPTIME).empty(); }, 3000));
    Minimise(tallvox);

    // The lines keep the text of the last visible tick while hidden.
    const std::string hiddenUptime = tallvox.Line(IDC_LINE_UPTIME);
    const std::string hiddenElapsed = tallvox.Line(IDC_LINE_INSTALL_TIME);
    ::Sleep(2500);
    EXPECT_EQ(hiddenUptime, tallvox.Line(IDC_LINE_UPTIME));
    EXPECT_EQ(hiddenElapsed, tallvox.Line(IDC_LINE_INSTALL_TIME));

    ChooseTrayMenuItem(tallvox, 0);  // "Restore"
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return ::IsWindowVisible(tallvox.Window()) != FALSE; }, 5000));
    EXPECT_FALSE(IconShown(tallvox.Window()));
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return tallvox.Line(IDC_LINE_UPTIME) != hiddenUptime; }, 3000));
}

TEST(Tray, MenuExitEndsTheProgramAndTakesTheIconAway) {
    TallvoxProcess tallvox("tray-exit");
    ASSERT_TRUE(tallvox.Start());
    const HWND window = tallvox.Window();
    Minimise(tallvox);
    ChooseTrayMenuItem(tallvox, 1);  // "Exit"
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.WaitForExit(15000));
    EXPECT_FALSE(IconShown(window));
}

TEST(Tray, IconComesBackWhenTheNotificationAreaIsCreatedAnew) {
    TallvoxProcess tallvox("tray-recreated");
    ASSERT_TRUE(tallvox.Start());
    Minimise(tallvox);
    ASSERT_TRUE(IconShown(tallvox.Window()));

    // What a restarting shell does: the icons are gone, then every top-level
    // window hears "TaskbarCreated".
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = tallvox.Window();
    data.uID = 1;
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &data));
    ASSERT_FALSE(IconShown(tallvox.Window()));
    ::SendMessageA(tallvox.Window(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return IconShown(tallvox.Window()); }, 3000));
    EXPECT_TRUE(Hidden(tallvox.Window()));
}
