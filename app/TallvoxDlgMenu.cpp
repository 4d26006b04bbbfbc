// The right-click menu of the main window, built afresh for every click so
// its check marks and entries follow the current settings.
#include "app/TallvoxDlg.h"

#include <windowsx.h>

#include <memory>

#include "display/DisplayScale.h"
#include "display/ScaledArt.h"
#include "resource.h"
#include "ui/MenuXP.h"

namespace {

// The gradient bar down the top menu's left edge: 15 pixels wide at 96 DPI.
constexpr int kSideBarWidth = 15;

// The entry gets a private copy of the icon, drawn for the display scale: it
// destroys it.
std::unique_ptr<CMenuXPEntry> Entry(CMenuIcons& icons, int id, const char* label, int icon, int dpi) {
    auto entry = std::make_unique<CMenuXPEntry>(id, label, icons.Copy(icon, dpi));
    entry->m_nSize = ScaledIconSize(CMenuIcons::kIconSize, dpi);
    return entry;
}

// The top level in the XP look, in the menu colours, with the side bar.
std::unique_ptr<CMenuXP> NewTopMenu(int dpi) {
    auto top = std::make_unique<CMenuXP>();
    top->CreatePopupMenu();
    top->SetDpi(dpi);
    top->m_nStyle = CMenuXP::XP;
    top->m_crText = ::GetSysColor(COLOR_MENUTEXT);
    top->m_crBack = top->m_crIconColumn = ::GetSysColor(COLOR_MENU);
    top->AddSideBar(std::make_unique<CMenuXPEntry>(CMenuXPEntry::kSideBar, ScaleForDpi(kSideBarWidth, dpi), "", 0));
    top->m_crSideBarStart = RGB(100, 5, 255);
    top->m_crSideBarEnd = RGB(0, 50, 0);
    return top;
}

// A submenu in the default (classic) look, with its popup handle.
std::unique_ptr<CMenuXP> NewSubmenu(int dpi) {
    auto menu = std::make_unique<CMenuXP>();
    menu->CreatePopupMenu();
    menu->SetDpi(dpi);
    return menu;
}

struct Item {
    int id;
    const char* label;
    int icon;
};

const Item kLineColours[] = {
    {ID_COLOR_UPTIME, "Uptime", IDI_COLORS},
    {ID_COLOR_BOOT_TIME, "Boot time", IDI_COLORS},
    {ID_COLOR_INSTALL_DATE, "OS Install. date", IDI_COLORS},
    {ID_COLOR_INSTALL_TIME, "OS Install. time", IDI_COLORS},
    {ID_COLOR_SECOND_HAND, "Set clock's color of second hand", IDI_COLORS},
};

const Item kSkins[] = {
    {ID_SKIN_SILVER, "Silver", IDI_COLORS}, {ID_SKIN_ICE, "Ice", IDI_COLORS},
    {ID_SKIN_ORANGE, "Orange", IDI_COLORS}, {ID_SKIN_GREEN, "Green", IDI_COLORS},
    {ID_SKIN_PURPLE, "Purple", IDI_COLORS},
};

const Item kSpeech[] = {
    {ID_SAY_UPTIME, "Say uptime", IDI_SAY},
    {ID_SAY_BOOT_TIME, "Say boot time", IDI_SAY},
    {ID_SAY_CURRENT_TIME, "Say current date-time", IDI_SAY},
    {ID_SAY_INSTALL_DATE, "Say OS Install. date", IDI_SAY},
    {ID_SAY_INSTALL_TIME, "Say OS Install. time", IDI_SAY},
};

const Item kOpacity[] = {
    {ID_OPACITY_10, "10%", IDI_OPACITY}, {ID_OPACITY_20, "20%", IDI_OPACITY},
    {ID_OPACITY_30, "30%", IDI_OPACITY}, {ID_OPACITY_40, "40%", IDI_OPACITY},
    {ID_OPACITY_50, "50%", IDI_OPACITY}, {ID_OPACITY_60, "60%", IDI_OPACITY},
    {ID_OPACITY_70, "70%", IDI_OPACITY}, {ID_OPACITY_80, "80%", IDI_OPACITY},
    {ID_OPACITY_90, "90%", IDI_OPACITY}, {ID_OPACITY_100, "100%", IDI_OPACITY},
};

const Item kMisc[] = {
    {ID_SAVE_REPORT, "Save report", IDI_SAVE_REPORT},
    {ID_SCREENSHOT, "Screenshot", IDI_SCREENSHOT},
    {ID_COPY_TO_CLIPBOARD, "Copy to clipboard", IDI_CLIPBOARD},
    {ID_DATE_TIME_PANEL, "Adjust date-time", IDI_ADJUST},
    {ID_AUTORUN, "Auto Run", IDI_AUTORUN_ENABLE},
    {ID_ALWAYS_ON_TOP, "Always on top", IDI_ALWAYS_ON_TOP},
    {ID_HELP_WIZARD, "Wizard", IDI_HELP_WIZARD},
    {ID_HISTORY, "History...", IDR_MAINFRAME},
    {ID_ABOUT, "About Tallvox...", IDI_ABOUT},
};

// A submenu of the items in order; the one with `checkedId` carries the
// check mark.
template <size_t N>
std::unique_ptr<CMenuXP> ItemsMenu(CMenuIcons& icons, int dpi, const Item (&items)[N], int checkedId = 0) {
    auto menu = NewSubmenu(dpi);
    for (const Item& item : items)
        menu->AppendEntry(item.id == checkedId ? MF_CHECKED : 0, Entry(icons, item.id, item.label, item.icon, dpi));
    return menu;
}

// The line colours, then the colour of all text and the background, each
// set apart.
std::unique_ptr<CMenuXP> ColoursMenu(CMenuIcons& icons, int dpi) {
    auto colours = ItemsMenu(icons, dpi, kLineColours);
    colours->AppendSeparator();
    colours->AppendEntry(0, Entry(icons, ID_COLOR_ALL_TEXT, "All text", IDI_COLORS, dpi));
    colours->AppendSeparator();
    colours->AppendEntry(0, Entry(icons, ID_COLOR_BACKGROUND, "Background", IDI_COLORS, dpi));
    return colours;
}

// `submenu` under an entry of its own in `top`, and a separator after it.
void AppendSection(CMenuXP& top, CMenuIcons& icons, std::unique_ptr<CMenuXP> submenu, const char* label, int icon) {
    top.AppendPopup(0, std::move(submenu), Entry(icons, 0, label, icon, top.Dpi()));
    top.AppendSeparator();
}

int SkinCommand(int skin) {
    switch (skin) {
        case 1: return ID_SKIN_ICE;
        case 2: return ID_SKIN_ORANGE;
        case 3: return ID_SKIN_GREEN;
        case 4: return ID_SKIN_PURPLE;
        default: return ID_SKIN_SILVER;  // any other number shows as Silver
    }
}

}  // namespace

std::unique_ptr<CMenuXP> CTallvoxDlg::BuildPopupMenu() {
    const int dpi = Dpi();
    CMenuIcons& icons = m_menuIcons;
    auto top = NewTopMenu(dpi);
    AppendSection(*top, icons, ColoursMenu(icons, dpi), "Manage colors", IDI_COLORS);
    AppendSection(*top, icons, ItemsMenu(icons, dpi, kSkins, SkinCommand(m_settings.m_nSkin)), "Manage clock's color",
                  IDR_MAINFRAME);
    AppendSection(*top, icons, ItemsMenu(icons, dpi, kSpeech), "Speech", IDI_SPEECH);
    // Opacity needs layered windows.
    if (m_osVersion.IsNt5OrLater())
        AppendSection(*top, icons, ItemsMenu(icons, dpi, kOpacity), "Adjust opacity", IDI_ADJUST);
    AppendSection(*top, icons, ItemsMenu(icons, dpi, kMisc, m_settings.m_bTopMost ? ID_ALWAYS_ON_TOP : 0), "Misc.",
                  IDR_MAINFRAME);
    top->AppendEntry(0, Entry(icons, ID_MINIMIZE, "Minimize", IDI_MINIMIZE, dpi));
    top->AppendEntry(0, Entry(icons, IDOK, "Exit", IDI_EXIT, dpi));
    if (m_bHighContrast) top->UseSystemColours();
    return top;
}

LRESULT CTallvoxDlg::OnContextMenu(WPARAM, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // From the keyboard (the menu key, Shift+F10) the point is (-1, -1):
    // open the menu at the window's top-left corner instead of the screen's.
    if (at.x == -1 && at.y == -1) {
        at = POINT{0, 0};
        ::ClientToScreen(m_hWnd, &at);
    }
    // The chosen command arrives as WM_COMMAND once the menu has closed;
    // the menu and everything it holds are freed on the way out.
    BuildPopupMenu()->TrackPopupMenu(0, at.x, at.y, this);
    return 0;
}
