// The right-click menu of the main window as it is built: its tree, labels,
// icons and the check marks that follow the settings; what opening it over
// and over costs; and the window and its menu after a move to a screen of
// another DPI.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/TallvoxDlg.h"
#include "controls/HoverButton.h"
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
            view.hasIcon = static_cast<bool>(entry->m_icon);
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
                                        "Auto Run", "Always on top", "Wizard", "History...", "About Tallvox..."}),
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

namespace {

RECT ChildRect(HWND window, int id) {
    RECT r{};
    ::GetWindowRect(::GetDlgItem(window, id), &r);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LONG FontHeight(HWND control) {
    LOGFONTA lf{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfHeight;
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    SIZE size{0, 0};
    if (!icon || !::GetIconInfo(icon, &info)) return size;
    BITMAP bitmap{};
    if (info.hbmColor && ::GetObjectA(info.hbmColor, sizeof bitmap, &bitmap)) size = SIZE{bitmap.bmWidth, bitmap.bmHeight};
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return size;
}

std::string Caption(HWND window) {
    char text[64] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

// Dragged to a 150 % screen, the window takes the rectangle the system
// suggests and lays itself out at 144 DPI: the face drawn for that scale,
// fonts and icons scaled, the lines where the template puts them there. The
// caption keeps telling 96-DPI units. Back at 96 DPI all is as it was.
TEST_F(MainWindowMenu, AMoveToAScreenOfAnotherDpiLaysTheWindowOutAgainAtThatScale) {
    const HWND window = m_dlg.GetSafeHwnd();
    ASSERT_EQ(96, m_dlg.Dpi()) << "this test starts from a 96-DPI session";
    const RECT lineBefore = ChildRect(window, IDC_LINE_BOOT_TIME);
    const RECT clockBefore = ChildRect(window, IDC_CLOCK);
    const RECT buttonBefore = ChildRect(window, IDC_SIZE_BUTTON);
    const LONG lineFontBefore = FontHeight(::GetDlgItem(window, IDC_LINE_UPTIME));
    auto* sizeButton = dynamic_cast<CHoverButton*>(CWnd::FromHandlePermanent(::GetDlgItem(window, IDC_SIZE_BUTTON)));
    ASSERT_NE(nullptr, sizeButton);

    RECT suggested{40, 30, 40 + 555, 30 + 318};
    ::SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(144, m_dlg.Dpi());
    RECT r{};
    ::GetWindowRect(window, &r);
    EXPECT_EQ(40, r.left);
    EXPECT_EQ(30, r.top);
    EXPECT_EQ(555, r.right - r.left);
    EXPECT_EQ(318, r.bottom - r.top);
    EXPECT_EQ("Tallvox x=370; y=212", Caption(window));

    RECT client{};
    ::GetClientRect(window, &client);
    const RECT clock = ChildRect(window, IDC_CLOCK);
    EXPECT_EQ(150, clock.right - clock.left);
    EXPECT_EQ(150, clock.bottom - clock.top);
    EXPECT_LE(std::abs((clock.left + clock.right) - client.right), 2) << "centred";
    EXPECT_EQ(clockBefore.top * 3 / 2, clock.top);
    const RECT line = ChildRect(window, IDC_LINE_BOOT_TIME);
    EXPECT_NEAR(lineBefore.top * 1.5, line.top, 1.0);
    EXPECT_NEAR((lineBefore.right - lineBefore.left) * 1.5, line.right - line.left, 1.0);
    EXPECT_LE(std::abs((line.left + line.right) - client.right), 2) << "centred";
    const RECT button = ChildRect(window, IDC_SIZE_BUTTON);
    EXPECT_NEAR((buttonBefore.right - buttonBefore.left) * 1.5, button.right - button.left, 1.0);
    EXPECT_NEAR((buttonBefore.left - clockBefore.right) * 1.5, button.left - clock.right, 1.0);

    EXPECT_EQ(18, FontHeight(::GetDlgItem(window, IDC_LINE_UPTIME)));
    EXPECT_EQ(-16, FontHeight(::GetDlgItem(window, IDC_CLOCK))) << "8-point Tahoma at 144 DPI, for the day";
    EXPECT_EQ(24, IconSize(sizeButton->GetIcon()).cx);

    // The menu opened there: icons and sizes of the 150 % art, scaled paddings.
    {
        const std::unique_ptr<CMenuXP> menu = m_dlg.BuildPopupMenu();
        EXPECT_EQ(144, menu->Dpi());
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        ASSERT_TRUE(::GetMenuItemInfoA(menu->GetSafeHmenu(), 0, TRUE, &info));
        EXPECT_EQ(23, CMenuXPEntry::FromItemData(info.dwItemData)->m_nSize) << "the side bar, 15 x 1.5";
        ASSERT_TRUE(::GetMenuItemInfoA(menu->GetSafeHmenu(), 1, TRUE, &info));
        const CMenuXPEntry* colours = CMenuXPEntry::FromItemData(info.dwItemData);
        EXPECT_EQ(24, colours->m_nSize);
        EXPECT_EQ(24, IconSize(colours->m_icon.Get()).cx);
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemData = info.dwItemData;
        menu->MeasureItem(&measure);
        EXPECT_GE(measure.itemHeight, 24u + 6u) << "icon plus 4 pixels at 96 DPI, 6 here";
        const HMENU skins = Submenu(menu->GetSafeHmenu(), "Manage clock's color");
        EXPECT_EQ(144, CMenuXP::FromHandleIfMenuXP(skins)->Dpi());
    }

    RECT back{40, 30, 40 + 370, 30 + 212};
    ::SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back));
    EXPECT_EQ("Tallvox x=370; y=212", Caption(window));
    const RECT lineAfter = ChildRect(window, IDC_LINE_BOOT_TIME);
    EXPECT_EQ(lineBefore.top, lineAfter.top) << "no drift from the round trip";
    EXPECT_EQ(lineBefore.right - lineBefore.left, lineAfter.right - lineAfter.left);
    const RECT clockAfter = ChildRect(window, IDC_CLOCK);
    EXPECT_EQ(100, clockAfter.right - clockAfter.left);
    EXPECT_EQ(clockBefore.top, clockAfter.top);
    const RECT buttonAfter = ChildRect(window, IDC_SIZE_BUTTON);
    EXPECT_EQ(buttonBefore.right - buttonBefore.left, buttonAfter.right - buttonAfter.left);
    EXPECT_EQ(buttonBefore.top, buttonAfter.top);
    EXPECT_EQ(lineFontBefore, FontHeight(::GetDlgItem(window, IDC_LINE_UPTIME)));
    EXPECT_EQ(16, IconSize(sizeButton->GetIcon()).cx);
}
