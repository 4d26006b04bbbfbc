// The right-click menu of the main window as it is built: its tree, labels,
// icons and the check marks that follow the settings; what opening it over
// and over costs; and the window and its menu after a move to a screen of
// another DPI, or in high contrast and dark mode (the system's settings faked).
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/TallvoxDlg.h"
#include "app/settings/TallvoxSettings.h"
#include "controls/AnalogClock.h"
#include "controls/ColorStatic.h"
#include "controls/HoverButton.h"
#include "framework/WholeFile.h"
#include "resource.h"
#include "ui/MenuXP.h"

namespace {

class MenuDlg : public CTallvoxDlg {
public:
    MenuDlg() : CTallvoxDlg(nullptr, VoiceFactory()) {}
    MenuDlg(const CSystemLook* look, CDwmAttributes* dwm) : MenuDlg() { SetSystemLook(*look, *dwm); }
};

void Command(HWND window, int id) { ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

struct ItemView {
    std::string label;  // "-" for a separator, "|" for the side bar
    UINT id = 0;
    bool checked = false;
    bool hasIcon = false;
    bool separator = false;  // of the separator type
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
        view.separator = (info.fType & MFT_SEPARATOR) != 0;
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
    void Command(int id) { ::Command(m_dlg.GetSafeHwnd(), id); }
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

// Screen readers read the item's string: every entry's is its drawn label,
// in every submenu; separators (and the side bar) stay separators.
TEST_F(MainWindowMenu, EveryItemsStringIsItsDrawnLabel) {
    const std::unique_ptr<CMenuXP> menu = m_dlg.BuildPopupMenu();
    std::vector<HMENU> menus{menu->GetSafeHmenu()};
    int labelled = 0;
    for (size_t m = 0; m < menus.size(); ++m) {
        const std::vector<ItemView> items = Items(menus[m]);
        for (UINT i = 0; i < items.size(); ++i) {
            char text[128] = {};
            labelled += ::GetMenuStringA(menus[m], i, text, sizeof text, MF_BYPOSITION) > 0;
            const bool separator = items[i].label == "-" || items[i].label == "|";
            EXPECT_EQ(separator ? "" : items[i].label, std::string(text));
            EXPECT_EQ(separator, items[i].separator) << text;
            if (items[i].submenu) menus.push_back(items[i].submenu);
        }
    }
    EXPECT_EQ(43, labelled) << "every entry of the top menu and its five submenus";
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

namespace {

// The system's settings, and the title bar requests, under the test's control.
struct FakeSystemLook : CSystemLook {
    bool highContrast = false, dark = false;
    DWORD build = 0;
    bool HighContrast() const override { return highContrast; }
    bool AppsUseDarkMode() const override { return dark; }
    DWORD BuildNumber() const override { return build; }
};
struct FakeDwm : CDwmAttributes {
    std::vector<std::pair<DWORD, BOOL>> asked;  // attribute, value
    HRESULT SetBool(HWND, DWORD attribute, BOOL value) override { return asked.emplace_back(attribute, value), S_OK; }
};

// The window over a settings file with the user's own uptime colour; the
// file is given back as it was.
class MainWindowLook : public ::testing::Test {
protected:
    void SetUp() override {
        m_hadFile = ReadWholeFile(m_user.m_strFile, m_kept) == WholeFileRead::kRead;
        m_user.m_crUptime = RGB(200, 0, 0);
        m_user.SaveUptimeColor();
        ASSERT_TRUE(m_dlg.Create());
    }
    void TearDown() override {
        ::DestroyWindow(m_dlg.GetSafeHwnd());
        m_hadFile ? WriteWholeFile(m_user.m_strFile, m_kept) : ::DeleteFileA(m_user.m_strFile.c_str());
    }
    CTallvoxSettings m_user;  // the settings file the window reads
    std::string m_kept;
    bool m_hadFile = false;
    FakeSystemLook m_look;
    FakeDwm m_dwm;
    MenuDlg m_dlg{&m_look, &m_dwm};
};

}  // namespace

// High contrast, switched on or off while running, shows the system's
// colours (lines, background, clock, menu) and the window opaque; the
// settings file keeps the user's, which come back when it is off.
TEST_F(MainWindowLook, HighContrastShowsTheSystemsColoursAndGivesTheUsersBack) {
    const HWND window = m_dlg.GetSafeHwnd();
    Command(window, ID_OPACITY_50);
    std::string settings, now;
    ReadWholeFile(m_user.m_strFile, settings);
    const auto& uptime = dynamic_cast<CColorStatic&>(*CWnd::FromHandlePermanent(::GetDlgItem(window, IDC_LINE_UPTIME)));
    const auto& clock = dynamic_cast<CAnalogClock&>(*CWnd::FromHandlePermanent(::GetDlgItem(window, IDC_CLOCK)));
    const struct {
        bool on;
        UINT message;
        WPARAM action;
    } rows[] = {{true, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST}, {false, WM_SYSCOLORCHANGE, 0}};
    for (const auto& row : rows) {
        m_look.highContrast = row.on;
        ::SendMessageA(window, row.message, row.action, 0);
        EXPECT_EQ(row.on ? ::GetSysColor(COLOR_WINDOWTEXT) : RGB(200, 0, 0), uptime.TextColor()) << row.on;
        EXPECT_EQ(row.on, clock.IsPlainFace());
        BYTE alpha = 0;
        ::GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
        EXPECT_EQ(row.on ? 255 : 127, alpha);
        EXPECT_EQ(row.on ? ::GetSysColor(COLOR_HIGHLIGHT) : RGB(100, 5, 255), m_dlg.BuildPopupMenu()->m_crSideBarStart);
        ReadWholeFile(m_user.m_strFile, now);
        EXPECT_EQ(settings, now) << "the settings file is left as it was";
    }
}

// The title bar follows the app mode as it changes, through the attribute
// each system knows (none before build 17763); other changes ask nothing.
TEST_F(MainWindowLook, TheTitleBarFollowsTheAppModeWithEachSystemsAttribute) {
    using Asked = std::vector<std::pair<DWORD, BOOL>>;
    const struct {
        DWORD build;
        bool dark;
        const char* area;
        Asked asked;
    } rows[] = {{7601, true, "ImmersiveColorSet", {}},          {17134, true, "ImmersiveColorSet", {}},
                {17763, true, "ImmersiveColorSet", {{19, TRUE}}}, {19040, false, "ImmersiveColorSet", {{19, FALSE}}},
                {19041, true, "ImmersiveColorSet", {{20, TRUE}}}, {22631, false, "ImmersiveColorSet", {{20, FALSE}}},
                {22631, true, "Environment", {}}};
    for (const auto& row : rows) {
        m_look.build = row.build;
        m_look.dark = row.dark;
        m_dwm.asked.clear();
        ::SendMessageA(m_dlg.GetSafeHwnd(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(row.area));
        EXPECT_EQ(row.asked, m_dwm.asked) << "build " << row.build << ", " << row.area;
    }
}
