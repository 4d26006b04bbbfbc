// The framework's menu: the permanent handle map, and the owner window's
// default routing of owner-drawn menu requests to the menu objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "win/ui/MenuXPTestSupport.h"
#include "framework/Menu.h"
#include "framework/Wnd.h"
#include "resource.h"

using namespace menutest;

namespace {

// A plain window bound to a CWnd with an empty message table.
class OwnerWindow {
public:
    OwnerWindow() {
        m_hWnd = ::CreateWindowExA(0, "STATIC", "menu owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
        m_object.SubclassWindow(m_hWnd);
    }
    ~OwnerWindow() { ::DestroyWindow(m_hWnd); }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND Handle() const { return m_hWnd; }
    CWnd& Object() { return m_object; }

private:
    HWND m_hWnd;
    CWnd m_object;
};

}  // namespace

TEST(FrameworkMenu, EveryOwnedHandleIsInThePermanentMapUntilReleased) {
    HMENU created = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        created = menu.GetSafeHmenu();
        EXPECT_EQ(&menu, CMenu::FromHandlePermanent(created));

        const HMENU detached = menu.Detach();
        EXPECT_EQ(created, detached);
        EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(detached));
        EXPECT_TRUE(::IsMenu(detached)) << "detaching gives the handle up alive";

        menu.Attach(detached);
        EXPECT_EQ(&menu, CMenu::FromHandlePermanent(detached));
        menu.Attach(detached);
        EXPECT_TRUE(::IsMenu(detached)) << "attaching the same handle again keeps it";

        menu.DestroyMenu();
        EXPECT_FALSE(::IsMenu(created));
        EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(created));

        ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
        created = menu.GetSafeHmenu();
        EXPECT_EQ(&menu, CMenu::FromHandlePermanent(created));
        EXPECT_NE(nullptr, menu.GetSubMenu(0));
    }
    EXPECT_FALSE(::IsMenu(created)) << "destroyed with its object";
    EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(created));
    EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(nullptr));
}

TEST(FrameworkMenu, AppendAndTrackNeedAHandleAndAnOwner) {
    CMenu menu;
    EXPECT_FALSE(menu.AppendMenu(MF_STRING, 1, "No handle"));
    EXPECT_EQ(-1, menu.GetMenuItemCount());
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(menu.AppendMenu(MF_STRING, 1, "One"));
    EXPECT_TRUE(menu.AppendMenu(MF_SEPARATOR));
    EXPECT_EQ(2, menu.GetMenuItemCount());
    EXPECT_FALSE(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr));
}

TEST(FrameworkMenu, DrawRequestsReachTheMenuOwningTheNamedHandle) {
    OwnerWindow owner;
    auto top = std::make_unique<CountingMenu>(CMenuXP::XP);
    auto sub = std::make_unique<CountingMenu>(CMenuXP::Classic);
    CountingMenu* subMenu = sub.get();
    const HMENU subHandle = sub->GetSafeHmenu();
    auto topEntry = std::make_unique<CMenuXPEntry>(1001, "Top", nullptr);
    auto subEntry = std::make_unique<CMenuXPEntry>(2001, "Sub", nullptr);
    const CMenuXPEntry* topItem = topEntry.get();
    const CMenuXPEntry* subItem = subEntry.get();
    ASSERT_TRUE(sub->AppendEntry(0, std::move(subEntry)));
    ASSERT_TRUE(top->AppendEntry(0, std::move(topEntry)));
    ASSERT_TRUE(top->AppendPopup(0, std::move(sub), std::make_unique<CMenuXPEntry>(0, "More", nullptr)));

    Canvas canvas(160, 30);
    DRAWITEMSTRUCT request = canvas.Request(subHandle, subItem, RECT{0, 0, 150, 20}, ODS_SELECTED);
    EXPECT_EQ(TRUE, ::SendMessageA(owner.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request)));
    EXPECT_EQ(1, subMenu->draws);
    EXPECT_EQ(0, top->draws);
    EXPECT_EQ(kSelBack, canvas.At(149, 0)) << "the submenu paints Classic: no frame";

    request = canvas.Request(top->GetSafeHmenu(), topItem, RECT{0, 0, 150, 20}, ODS_SELECTED);
    EXPECT_EQ(TRUE, ::SendMessageA(owner.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request)));
    EXPECT_EQ(1, top->draws);
    EXPECT_EQ(kBlack, canvas.At(149, 0)) << "the top menu paints XP: black frame";
}

TEST(FrameworkMenu, RequestsNoMenuOwnsAreLeftToTheWindow) {
    OwnerWindow owner;
    CountingMenu menu(CMenuXP::XP);
    CMenuXPEntry entry(1001, "Item", nullptr);
    Canvas canvas(160, 30);

    // A menu handle without an object, and a control's request.
    const HMENU loose = ::CreatePopupMenu();
    DRAWITEMSTRUCT request = canvas.Request(loose, &entry, RECT{0, 0, 150, 20}, 0);
    ::SendMessageA(owner.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
    request = canvas.Request(menu.GetSafeHmenu(), &entry, RECT{0, 0, 150, 20}, 0);
    request.CtlType = ODT_BUTTON;
    ::SendMessageA(owner.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(0, menu.draws);
    EXPECT_TRUE(canvas.Untouched());
    ::DestroyMenu(loose);

    // Measure requests name no menu: without a tracked menu nobody answers.
    EXPECT_EQ(nullptr, owner.Object().GetTrackedMenu());
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = reinterpret_cast<ULONG_PTR>(&entry);
    measure.itemHeight = 99;
    ::SendMessageA(owner.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(0, menu.measures);
    EXPECT_EQ(99u, measure.itemHeight);
}
