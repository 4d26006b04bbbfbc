// The right-click menu of the main window as it is built: its tree, labels,
// icons and the check marks that follow the settings; and what opening it
// over and over costs.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TallvoxDlg.h"
#include "resource.h"
#include "ui/MenuXP.h"

namespace {

class MenuDlg : public CTallvoxDlg {
public:
    MenuDlg() : CTallvoxDlg(nullptr, VoiceFactory()) {}
};

struct ItemView {
    std::string label;  // "-" for a separator, "|" for the side bar
    UINT id = 0;
    bool checked = false;
    bool hasIcon = false;
    HMENU submenu = nullptr;
};

std::vector<ItemView> Items(HMENU menu) {
    std::vector<ItemView> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE;
        ::GetMenuItemInfoA(menu, i, TRUE, &info);
        ItemView view;
        const CMenuXPEntry* entry = CMenuXPEntry::FromItemData(info.dwItemData);
        EXPECT_NE(nullptr, entry) << "item " << i << " is owner-drawn with an entry";
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
        if (entry) {
            view.label = entry->m_bSideBar ? "|" : entry->m_bSeparator ? "-" : entry->m_strText;
            view.hasIcon = entry->m_hIcon != nullptr;
        }
        view.id = info.wID;
        view.checked = (info.fState & MFS_CHECKED) != 0;
        view.submenu = info.hSubMenu;
        items.push_back(view);
    }
    return items;
}

std::vector<std::string> Labels(const std::vector<ItemView>& items) {
    std::vector<std::string> labels;
    for (const ItemView& item : items) labels.push_back(item.label);
    return labels;
}

std::vector<std::string> Checked(HMENU menu) {
    std::vector<std::string> checked;
    for (const ItemView& item : Items(menu))
        if (item.checked) checked.push_back(item.label);
    return checked;
}

HMENU Submenu(HMENU top, const std::string& label) {
    for (const ItemView& item : Items(top))
        if (item.label == label) return item.submenu;
    return nullptr;
}

// The process's private bytes (its commit charge). PagefileUsage rather
// than PrivateUsage: Wine leaves the latter at 0.
SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// Ends the open menu from its own loop, once it has been drawn (a timer
// message comes after the paint).
void CALLBACK EndMenuOnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::EndMenu();
}

class MainWindowMenu : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dlg.Create()); }
    void TearDown() override { ::DestroyWindow(m_dlg.GetSafeHwnd()); }
    void Command(int id) { ::SendMessageA(m_dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // A right-click: the menu is built, tracked (measured and drawn) and freed.
    void OpenAndCloseMenu() {
        ::SetTimer(nullptr, 0, 1, &EndMenuOnTimer);
        ::SendMessageA(m_dlg.GetSafeHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_dlg.GetSafeHwnd()),
                       MAKELPARAM(200, 150));
    }

    MenuDlg m_dlg;
};

}  // namespace

TEST_F(MainWindowMenu, TheTreeHasItsLabelsIdsAndIconsInOrder) {
    const std::unique_ptr<CMenuXP> menu = m_dlg.BuildPopupMenu();
    EXPECT_EQ(CMenuXP::XP, menu->m_nStyle);
    const std::vector<ItemView> top = Items(menu->GetSafeHmenu());
    EXPECT_EQ((std::vector<std::string>{"|", "Manage colors", "-", "Manage clock's color", "-", "Speech", "-",
                                        "Adjust opacity", "-", "Misc.", "-", "Minimize", "Exit"}),
              Labels(top));
    EXPECT_EQ(static_cast<UINT>(ID_MINIMIZE), top[11].id);
    EXPECT_EQ(static_cast<UINT>(IDOK), top[12].id);
    for (const ItemView& item : top) {
        if (item.label != "|" && item.label != "-") {
            EXPECT_TRUE(item.hasIcon) << item.label;
        }
    }

    const HMENU colours = Submenu(menu->GetSafeHmenu(), "Manage colors");
    EXPECT_EQ((std::vector<std::string>{"Uptime", "Boot time", "OS Install. date", "OS Install. time",
                                        "Set clock's color of second hand", "-", "All text", "-", "Background"}),
              Labels(Items(colours)));
    EXPECT_EQ(static_cast<UINT>(ID_COLOR_SECOND_HAND), Items(colours)[4].id);
    EXPECT_EQ((std::vector<std::string>{"Say uptime", "Say boot time", "Say current date-time",
                                        "Say OS Install. date", "Say OS Install. time"}),
              Labels(Items(Submenu(menu->GetSafeHmenu(), "Speech"))));
    const std::vector<ItemView> opacity = Items(Submenu(menu->GetSafeHmenu(), "Adjust opacity"));
    ASSERT_EQ(10u, opacity.size());
    EXPECT_EQ("10%", opacity[0].label);
    EXPECT_EQ(static_cast<UINT>(ID_OPACITY_10), opacity[0].id);
    EXPECT_EQ(static_cast<UINT>(ID_OPACITY_100), opacity[9].id);
    EXPECT_EQ((std::vector<std::string>{"Save report", "Screenshot", "Copy to clipboard", "Adjust date-time",
                                        "Auto Run", "Always on top", "Wizard", "About Tallvox..."}),
              Labels(Items(Submenu(menu->GetSafeHmenu(), "Misc."))));
    // The submenus keep the classic look.
    EXPECT_EQ(CMenuXP::Classic, CMenuXP::FromHandleIfMenuXP(colours)->m_nStyle);
}

TEST_F(MainWindowMenu, TheSkinAndAlwaysOnTopCheckMarksFollowTheSettings) {
    Command(ID_SKIN_GREEN);
    {
        const std::unique_ptr<CMenuXP> menu = m_dlg.BuildPopupMenu();
        EXPECT_EQ(std::vector<std::string>{"Green"}, Checked(Submenu(menu->GetSafeHmenu(), "Manage clock's color")));
    }
    Command(ID_SKIN_SILVER);
    const bool wasOnTop = (::GetWindowLongA(m_dlg.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    Command(ID_ALWAYS_ON_TOP);
    {
        const std::unique_ptr<CMenuXP> menu = m_dlg.BuildPopupMenu();
        EXPECT_EQ(std::vector<std::string>{"Silver"}, Checked(Submenu(menu->GetSafeHmenu(), "Manage clock's color")));
        EXPECT_EQ(wasOnTop ? std::vector<std::string>{} : std::vector<std::string>{"Always on top"},
                  Checked(Submenu(menu->GetSafeHmenu(), "Misc.")));
    }
    Command(ID_ALWAYS_ON_TOP);
    {
        const std::unique_ptr<CMenuXP> menu = m_dlg.BuildPopupMenu();
        EXPECT_EQ(wasOnTop ? std::vector<std::string>{"Always on top"} : std::vector<std::string>{},
                  Checked(Submenu(menu->GetSafeHmenu(), "Misc.")));
    }
}

// Every right-click builds the menu afresh, with about forty icons. Opening
// it again and again must not make the process grow: before the icons were
// loaded once and copied, each opening left about 6 kB of heap behind.
TEST_F(MainWindowMenu, OpeningTheMenuAgainAndAgainDoesNotGrowTheHeap) {
    ::SetForegroundWindow(m_dlg.GetSafeHwnd());
    for (int i = 0; i < 30; ++i) OpenAndCloseMenu();  // caches and heaps settle
    const SIZE_T before = PrivateBytes();
    constexpr int kOpenings = 150;
    for (int i = 0; i < kOpenings; ++i) OpenAndCloseMenu();
    const SIZE_T after = PrivateBytes();
    ASSERT_NE(0u, before) << "private bytes are not counted here";
    const double perOpening = (static_cast<double>(after) - static_cast<double>(before)) / kOpenings;
    EXPECT_LT(perOpening, 512.0) << "private bytes " << before << " -> " << after;
}
