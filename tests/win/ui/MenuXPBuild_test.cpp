// CMenuXP without painting: defaults, measuring, the items its appends make,
// and what it frees when deleted.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

#include "win/ui/MenuXPTestSupport.h"

using namespace menutest;

namespace {

MENUITEMINFOA ItemInfo(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
    EXPECT_TRUE(::GetMenuItemInfoA(menu, position, TRUE, &info)) << position;
    return info;
}

MEASUREITEMSTRUCT MeasureRequest(const CMenuXPEntry* entry) {
    MEASUREITEMSTRUCT request{};
    request.CtlType = ODT_MENU;
    request.itemID = entry ? static_cast<UINT>(entry->m_nID) : 0;
    request.itemWidth = 12345;
    request.itemHeight = 678;
    request.itemData = reinterpret_cast<ULONG_PTR>(entry);
    return request;
}

SIZE BoldExtent(HFONT font, const char* text) {
    LOGFONTA lf{};
    ::GetObjectA(font, sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    HFONT bold = ::CreateFontIndirectA(&lf);
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, bold);
    SIZE size{};
    ::GetTextExtentPoint32A(screen, text, static_cast<int>(std::strlen(text)), &size);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(bold);
    return size;
}

UINT CheckMarkAllowance() { return static_cast<UINT>(::GetSystemMetrics(SM_CXMENUCHECK) - 1); }

}  // namespace

TEST(MenuXPBuild, ConstructorTakesSystemColoursAndTheMenuFont) {
    CMenuXP menu;
    EXPECT_EQ(nullptr, menu.GetSafeHmenu()) << "the owner creates the popup";
    EXPECT_EQ(::GetSysColor(COLOR_MENU), menu.m_crBack);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), menu.m_crSelBack);
    EXPECT_EQ(::GetSysColor(COLOR_MENUTEXT), menu.m_crText);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHTTEXT), menu.m_crSelText);
    EXPECT_EQ(::GetSysColor(COLOR_GRAYTEXT), menu.m_crGrayText);
    EXPECT_EQ(RGB(0, 0, 192), menu.m_crSideBarStart);
    EXPECT_EQ(RGB(0, 0, 0), menu.m_crSideBarEnd);
    EXPECT_EQ(menu.m_crBack, menu.m_crIconColumn);
    EXPECT_FALSE(menu.m_bBreakPending);
    EXPECT_EQ(CMenuXP::Classic, menu.m_nStyle);

    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
    ASSERT_TRUE(menu.m_fontMenu);
    LOGFONTA lf{};
    ASSERT_NE(0, ::GetObjectA(menu.m_fontMenu.Get(), sizeof lf, &lf));
    EXPECT_EQ(metrics.lfMenuFont.lfHeight, lf.lfHeight);
    EXPECT_EQ(metrics.lfMenuFont.lfWeight, lf.lfWeight);
    EXPECT_STREQ(metrics.lfMenuFont.lfFaceName, lf.lfFaceName);
}

TEST(MenuXPBuild, TheOldMetricsLayoutIs340BytesOnEveryTarget) {
    // The menu asks with 340: the layout before iPaddedBorderWidth, which
    // every version accepts. The current structure is 4 bytes longer.
    EXPECT_EQ(340u, offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth));
    EXPECT_EQ(344u, sizeof(NONCLIENTMETRICSA));
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = 340;
    EXPECT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
    EXPECT_NE(0, metrics.lfMenuFont.lfFaceName[0]);
}

TEST(MenuXPBuild, TextItemIsIconPlusFourHighAndWideEnoughForItsBoldLabel) {
    TestMenu menu;
    CMenuXPEntry entry(1001, "Speak the uptime", nullptr);
    MEASUREITEMSTRUCT request = MeasureRequest(&entry);
    menu.MeasureItem(&request);
    const SIZE bold = BoldExtent(menu.m_fontMenu.Get(), "Speak the uptime");
    ASSERT_LT(bold.cy, 20) << "an 11-pixel font";
    EXPECT_EQ(20u, request.itemHeight);
    EXPECT_EQ(static_cast<UINT>(2 * 16 + 12 + bold.cx) - CheckMarkAllowance(), request.itemWidth);

    // A taller font sets the height itself, its whole line height (a
    // vertically centred measurement would answer about half of it).
    menu.m_fontMenu.CreateFont(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    const SIZE large = BoldExtent(menu.m_fontMenu.Get(), "Speak the uptime");
    ASSERT_GT(large.cy, 30);
    request = MeasureRequest(&entry);
    menu.MeasureItem(&request);
    EXPECT_EQ(static_cast<UINT>(large.cy), request.itemHeight);
    EXPECT_EQ(static_cast<UINT>(44 + large.cx) - CheckMarkAllowance(), request.itemWidth);
}

TEST(MenuXPBuild, SeparatorAndSideBarSizes) {
    TestMenu menu;
    CMenuXPEntry separator;
    MEASUREITEMSTRUCT request = MeasureRequest(&separator);
    menu.MeasureItem(&request);
    EXPECT_EQ(static_cast<UINT>(::GetSystemMetrics(SM_CYMENUCHECK) / 2), request.itemHeight);
    EXPECT_EQ(0u - CheckMarkAllowance(), request.itemWidth) << "0 less the allowance, wrapped";

    CMenuXPEntry bar(CMenuXPEntry::kSideBar, 15, "", 0);
    request = MeasureRequest(&bar);
    menu.MeasureItem(&request);
    EXPECT_EQ(1u, request.itemHeight);
    EXPECT_EQ(15u - CheckMarkAllowance(), request.itemWidth);
}

TEST(MenuXPBuild, MeasureIgnoresOtherControlsAndForeignData) {
    TestMenu menu;
    CMenuXPEntry entry(1001, "Item", nullptr);
    MEASUREITEMSTRUCT request = MeasureRequest(&entry);
    request.CtlType = ODT_LISTBOX;
    menu.MeasureItem(&request);
    EXPECT_EQ(12345u, request.itemWidth);
    EXPECT_EQ(678u, request.itemHeight);

    entry.m_dwSignature = 0x12345678;
    request = MeasureRequest(&entry);
    menu.MeasureItem(&request);
    EXPECT_EQ(12345u, request.itemWidth);
    request = MeasureRequest(nullptr);
    menu.MeasureItem(&request);
    EXPECT_EQ(678u, request.itemHeight);
}

TEST(MenuXPBuild, EntriesHaveTheirThreeShapes) {
    const CMenuXPEntry text(1001, "Label", nullptr);
    EXPECT_EQ(0x0505A0A0u, text.m_dwSignature);
    EXPECT_TRUE(!text.m_bSeparator && !text.m_bSideBar && text.m_nSize == 16 && text.m_nID == 1001);
    const CMenuXPEntry separator;
    EXPECT_TRUE(separator.m_bSeparator && separator.m_nID == 0 && separator.m_strText.empty());
    EXPECT_EQ(16, separator.m_nSize);
    const CMenuXPEntry bar(CMenuXPEntry::kSideBar, 15, "Title", 7);
    EXPECT_TRUE(bar.m_bSideBar && !bar.m_bSeparator && bar.m_nSize == 15 && bar.m_nID == 7);
    EXPECT_EQ(nullptr, CMenuXPEntry::FromItemData(0));
}

TEST(MenuXPBuild, AppendsMakeOwnerDrawnItemsAndTheSideBarStartsTheColumns) {
    auto sub = std::make_unique<CMenuXP>();
    ASSERT_TRUE(sub->CreatePopupMenu());
    const HMENU subHandle = sub->GetSafeHmenu();
    CMenuXP menu;
    ASSERT_TRUE(menu.CreatePopupMenu());

    auto bar = std::make_unique<CMenuXPEntry>(CMenuXPEntry::kSideBar, 15, "", 0);
    const CMenuXPEntry* barEntry = bar.get();
    ASSERT_TRUE(menu.AddSideBar(std::move(bar)));
    EXPECT_TRUE(menu.m_bBreakPending);
    auto first = std::make_unique<CMenuXPEntry>(1001, "First", nullptr);
    const CMenuXPEntry* firstEntry = first.get();
    ASSERT_TRUE(menu.AppendEntry(MF_CHECKED, std::move(first)));
    EXPECT_FALSE(menu.m_bBreakPending);
    ASSERT_TRUE(menu.AppendSeparator());
    auto popupEntry = std::make_unique<CMenuXPEntry>(0, "More", nullptr);
    const CMenuXPEntry* popupEntryPtr = popupEntry.get();
    ASSERT_TRUE(menu.AppendPopup(0, std::move(sub), std::move(popupEntry)));
    ASSERT_EQ(4, menu.GetMenuItemCount());

    const MENUITEMINFOA side = ItemInfo(menu.GetSafeHmenu(), 0);
    EXPECT_EQ(static_cast<UINT>(MFT_OWNERDRAW | MFT_SEPARATOR), side.fType);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(barEntry), side.dwItemData);
    EXPECT_EQ(0u, side.wID);

    const MENUITEMINFOA item = ItemInfo(menu.GetSafeHmenu(), 1);
    EXPECT_EQ(static_cast<UINT>(MFT_OWNERDRAW | MFT_MENUBREAK), item.fType) << "the next column";
    EXPECT_TRUE(item.fState & MFS_CHECKED);
    EXPECT_EQ(1001u, item.wID);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(firstEntry), item.dwItemData);

    const MENUITEMINFOA separator = ItemInfo(menu.GetSafeHmenu(), 2);
    EXPECT_EQ(static_cast<UINT>(MFT_OWNERDRAW | MFT_SEPARATOR), separator.fType);
    const CMenuXPEntry* separatorEntry = CMenuXPEntry::FromItemData(separator.dwItemData);
    ASSERT_NE(nullptr, separatorEntry);
    EXPECT_TRUE(separatorEntry->m_bSeparator);

    const MENUITEMINFOA popup = ItemInfo(menu.GetSafeHmenu(), 3);
    EXPECT_EQ(static_cast<UINT>(MFT_OWNERDRAW), popup.fType);
    EXPECT_EQ(subHandle, popup.hSubMenu);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(popupEntryPtr), popup.dwItemData);
}

TEST(MenuXPBuild, APendingBreakGoesToTheNextEntryOrPopupAndASeparatorDropsIt) {
    CMenuXP menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AddSideBar(std::make_unique<CMenuXPEntry>(CMenuXPEntry::kSideBar, 15, "", 0));
    auto sub = std::make_unique<CMenuXP>();
    sub->CreatePopupMenu();
    ASSERT_TRUE(menu.AppendPopup(0, std::move(sub), std::make_unique<CMenuXPEntry>(0, "More", nullptr)));
    EXPECT_TRUE(ItemInfo(menu.GetSafeHmenu(), 1).fType & MFT_MENUBREAK);

    menu.AddSideBar(std::make_unique<CMenuXPEntry>(CMenuXPEntry::kSideBar, 15, "", 0));
    ASSERT_TRUE(menu.AppendSeparator());
    EXPECT_FALSE(menu.m_bBreakPending);
    EXPECT_FALSE(ItemInfo(menu.GetSafeHmenu(), 3).fType & MFT_MENUBREAK);
    menu.AppendEntry(0, std::make_unique<CMenuXPEntry>(1001, "After", nullptr));
    EXPECT_FALSE(ItemInfo(menu.GetSafeHmenu(), 4).fType & MFT_MENUBREAK);
}

TEST(MenuXPBuild, AFailedAppendStillFreesWhatItWasGiven) {
    Tally tally;
    CMenuXP noHandle;
    EXPECT_FALSE(noHandle.AppendEntry(0, std::make_unique<CountedEntry>(tally, 1)));
    EXPECT_FALSE(noHandle.AddSideBar(std::make_unique<CountedEntry>(tally, CMenuXPEntry::kSideBar, 2)));
    EXPECT_FALSE(noHandle.AppendSeparator());
    EXPECT_EQ(1, tally.entries[1]);
    EXPECT_EQ(1, tally.entries[2]);

    // A submenu without a handle cannot be appended.
    CMenuXP menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    const int menusBefore = tally.menus;
    auto handleless = std::make_unique<CountedMenu>(tally);
    handleless->DestroyMenu();
    EXPECT_FALSE(menu.AppendPopup(0, std::move(handleless), std::make_unique<CountedEntry>(tally, 4)));
    EXPECT_EQ(1, tally.entries[4]);
    EXPECT_EQ(menusBefore + 1, tally.menus);
    EXPECT_EQ(0, menu.GetMenuItemCount());
}

TEST(MenuXPOwnership, DeletingTheTopMenuFreesEveryNestedEntryAndMenuOnce) {
    Tally tally;
    std::vector<HICON> icons;
    std::vector<HMENU> handles;
    {
        auto top = std::make_unique<CountedMenu>(tally);
        top->m_nStyle = CMenuXP::XP;
        auto outer = std::make_unique<CountedMenu>(tally);
        auto inner = std::make_unique<CountedMenu>(tally);
        auto second = std::make_unique<CountedMenu>(tally);
        handles = {top->GetSafeHmenu(), outer->GetSafeHmenu(), inner->GetSafeHmenu(), second->GetSafeHmenu()};
        for (int i = 0; i < 3; ++i) icons.push_back(MakeSquareIcon());

        inner->AppendEntry(0, std::make_unique<CountedEntry>(tally, 21, icons[0]));
        outer->AppendEntry(0, std::make_unique<CountedEntry>(tally, 11));
        outer->AppendSeparator();
        outer->AppendPopup(0, std::move(inner), std::make_unique<CountedEntry>(tally, 20, icons[1]));
        outer->AppendEntry(MF_CHECKED, std::make_unique<CountedEntry>(tally, 12));
        second->AppendEntry(0, std::make_unique<CountedEntry>(tally, 31));

        top->AddSideBar(std::make_unique<CountedEntry>(tally, CMenuXPEntry::kSideBar, 900));
        top->AppendEntry(0, std::make_unique<CountedEntry>(tally, 1, icons[2]));
        top->AppendPopup(0, std::move(outer), std::make_unique<CountedEntry>(tally, 10));
        top->AppendSeparator();
        top->AppendPopup(0, std::move(second), std::make_unique<CountedEntry>(tally, 30));
        top->AppendEntry(0, std::make_unique<CountedEntry>(tally, 2));
        for (HICON icon : icons) EXPECT_TRUE(IconIsAlive(icon));
        EXPECT_TRUE(tally.entries.empty());
    }
    const std::map<int, int> once{{1, 1},  {2, 1},  {10, 1}, {11, 1}, {12, 1},
                                  {20, 1}, {21, 1}, {30, 1}, {31, 1}, {900, 1}};
    EXPECT_EQ(once, tally.entries);
    EXPECT_EQ(4, tally.menus);
    for (HMENU handle : handles) {
        EXPECT_FALSE(::IsMenu(handle));
        EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(handle));
    }
    for (HICON icon : icons) EXPECT_FALSE(IconIsAlive(icon));
}

TEST(MenuXPOwnership, APlainMenuAsSubmenuIsNotTakenForACMenuXP) {
    class PlainMenu : public CMenu {
    public:
        explicit PlainMenu(int& deleted) : m_deleted(deleted) {}
        ~PlainMenu() override { ++m_deleted; }

    private:
        int& m_deleted;
    };
    int deleted = 0;
    PlainMenu plain(deleted);
    ASSERT_TRUE(plain.CreatePopupMenu());
    const HMENU plainHandle = plain.GetSafeHmenu();
    auto top = std::make_unique<CMenuXP>();
    ASSERT_TRUE(top->CreatePopupMenu());
    ASSERT_TRUE(top->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(plainHandle), "Plain"));

    EXPECT_EQ(nullptr, CMenuXP::FromHandleIfMenuXP(plainHandle));
    EXPECT_EQ(top.get(), CMenuXP::FromHandleIfMenuXP(top->GetSafeHmenu()));
    top.reset();
    EXPECT_EQ(0, deleted) << "left to its owner";
    // Windows destroyed it with its parent; the object lets go of the handle.
    EXPECT_FALSE(::IsMenu(plainHandle));
    plain.Detach();
}

TEST(MenuXPOwnership, AnEntryDestroysItsIcon) {
    HICON icon = MakeSquareIcon();
    {
        CMenuXPEntry entry(1, "Icon", icon);
        EXPECT_TRUE(IconIsAlive(icon));
    }
    EXPECT_FALSE(IconIsAlive(icon));
}
