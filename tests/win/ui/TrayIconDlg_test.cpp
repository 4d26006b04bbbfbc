// The tray dialog base, in process, on dialog 102.
#include "ui/TrayIconDlg.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace {

class TestTrayDialog : public CTrayIconDlg {
public:
    TestTrayDialog() : CTrayIconDlg(IDD_TALLVOX_DIALOG, nullptr) {}
    ~TestTrayDialog() override {
        if (m_hWnd) ::DestroyWindow(m_hWnd);
    }
};

}  // namespace

TEST(TrayIconDlg, RecordIsTheFirstLayoutBoundToTheWindowAtCreation) {
    TestTrayDialog dialog;
    EXPECT_EQ(static_cast<DWORD>(sizeof(void*) == 8 ? 104 : 88), dialog.IconData().cbSize);
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE), dialog.IconData().uFlags);
    EXPECT_EQ(static_cast<UINT>(WM_USER + 1), dialog.IconData().uCallbackMessage);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetSafeHwnd(), dialog.IconData().hWnd);
    EXPECT_EQ(1u, dialog.IconData().uID);

    ASSERT_NE(nullptr, dialog.LoadTrayIcon(IDR_MAINFRAME));
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON), dialog.IconData().uFlags);
}

// The icon's callback number is the dialog manager's DM_SETDEFID too: the
// default button set through it must reach the dialog.
TEST(TrayIconDlg, ADefaultButtonRequestReachesTheDialogManager) {
    TestTrayDialog dialog;
    ASSERT_TRUE(dialog.Create());
    for (UINT id : {1u, 1070u}) {
        SCOPED_TRACE(id);
        ::SendMessageA(dialog.GetSafeHwnd(), DM_SETDEFID, id, 0);
        EXPECT_EQ(MAKELRESULT(id, DC_HASDEFID), ::SendMessageA(dialog.GetSafeHwnd(), DM_GETDEFID, 0, 0));
    }
}

TEST(TrayIconDlg, TipIsCutToSixtyThreeCharacters) {
    TestTrayDialog dialog;
    dialog.SetTrayTipText(std::string(63, 'a'));
    EXPECT_EQ(std::string(63, 'a'), dialog.IconData().szTip);
    dialog.SetTrayTipText(std::string(64, 'b') + "tail");
    EXPECT_EQ(std::string(63, 'b'), dialog.IconData().szTip);
    dialog.SetTrayTipText("- Uptime : 3 days 4 hours 5 min 6 sec\r\n- Today: 12-07-2026 05:00:00");
    EXPECT_EQ(std::string("- Uptime : 3 days 4 hours 5 min 6 sec\r\n- Today: 12-07-2026 05:0"), dialog.IconData().szTip);
    EXPECT_TRUE(dialog.IconData().uFlags & NIF_TIP);
}

TEST(TrayIconDlg, AddAndRemoveTrackTheShellAndDestroyTakesTheIconAway) {
    TestTrayDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.LoadTrayIcon(IDR_MAINFRAME);
    EXPECT_FALSE(dialog.RemoveTrayIcon());
    ASSERT_TRUE(dialog.AddTrayIcon());
    EXPECT_TRUE(dialog.IsTrayIconShown());
    EXPECT_FALSE(dialog.AddTrayIcon()) << "already in the notification area";

    NOTIFYICONDATAA probe{};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = dialog.GetSafeHwnd();
    probe.uID = 1;
    EXPECT_TRUE(::Shell_NotifyIconA(NIM_MODIFY, &probe));

    ::DestroyWindow(dialog.GetSafeHwnd());
    EXPECT_FALSE(::Shell_NotifyIconA(NIM_MODIFY, &probe)) << "the icon went with the window";
}

TEST(TrayIconDlg, MinimiseHidesTheWindowInsteadOfMinimisingIt) {
    TestTrayDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.LoadTrayIcon(IDR_MAINFRAME);
    ASSERT_TRUE(::IsWindowVisible(dialog.GetSafeHwnd()));
    ::SendMessageA(dialog.GetSafeHwnd(), WM_SYSCOMMAND, SC_MINIMIZE | 0x3, 0);
    EXPECT_FALSE(::IsWindowVisible(dialog.GetSafeHwnd()));
    EXPECT_FALSE(::IsIconic(dialog.GetSafeHwnd()));
    EXPECT_TRUE(dialog.IsTrayIconShown());
    // Minimising again changes nothing; a double-click on the icon restores.
    ::SendMessageA(dialog.GetSafeHwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(dialog.IsTrayIconShown());
    EXPECT_EQ(1, ::SendMessageA(dialog.GetSafeHwnd(), WM_USER + 1, 1, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(::IsWindowVisible(dialog.GetSafeHwnd()));
    EXPECT_FALSE(dialog.IsTrayIconShown());
    // Another icon's events are not ours: they restore nothing.
    ::SendMessageA(dialog.GetSafeHwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ::SendMessageA(dialog.GetSafeHwnd(), WM_USER + 1, 2, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(::IsWindowVisible(dialog.GetSafeHwnd()));
    EXPECT_TRUE(dialog.IsTrayIconShown());
}

TEST(TrayIconDlg, RestoreBecomesTheDefaultItemAfterTheFirstShowing) {
    TestTrayDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.LoadTrayMenu(IDR_TRAY_MENU);
    HMENU popup = ::GetSubMenu(dialog.TrayMenu(), 0);
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(2, ::GetMenuItemCount(popup));
    EXPECT_EQ(static_cast<UINT>(-1), ::GetMenuDefaultItem(popup, TRUE, 0));

    // The menu runs its own loop until a key closes it; queue the key first.
    ::PostMessageA(dialog.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    ::SendMessageA(dialog.GetSafeHwnd(), WM_USER + 1, 1, WM_RBUTTONDOWN);
    EXPECT_EQ(0u, ::GetMenuDefaultItem(popup, TRUE, 0));
    EXPECT_EQ(static_cast<UINT>(ID_TRAY_RESTORE), ::GetMenuDefaultItem(popup, FALSE, 0));
}
