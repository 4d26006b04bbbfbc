// A CMenuXP really tracked by the system: the measure and draw requests reach
// it through the framework, and the item rectangles the system lays out from
// its answers. The menu is closed from the owner's first idle notice.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "win/ui/MenuXPTestSupport.h"
#include "framework/Wnd.h"
#include "ui/MenuXPGeometry.h"

using namespace menutest;

namespace {

// Owns the menu while it is open; when the menu loop first waits for input it
// runs the probe and closes the menu. A timer ends a menu that never idles.
class IdleOwner : public CWnd {
public:
    IdleOwner() {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", "menu owner", WS_POPUP | WS_VISIBLE, 100, 100, 40, 40, nullptr,
                                      nullptr, ::GetModuleHandleA(nullptr), nullptr);
        SubclassWindow(hWnd);
    }
    ~IdleOwner() override {
        if (HWND hWnd = m_hWnd) {
            UnsubclassWindow();
            ::DestroyWindow(hWnd);
        }
    }

    // Tracks the menu at (120, 120); false when the menu never idled.
    bool Track(CMenu& menu, std::function<void()> probe) {
        m_probe = std::move(probe);
        m_idled = false;
        ::SetForegroundWindow(m_hWnd);
        SetTimer(kSafetyTimer, 10000);
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, 120, 120, this);
        KillTimer(kSafetyTimer);
        return m_idled;
    }

protected:
    const MessageMap* GetMessageMap() const override {
        using T = IdleOwner;
        static const MessageEntry entries[] = {
            OnMessage(WM_ENTERIDLE, &msg::Raw<T, &T::OnEnterIdle>),
            OnMessage(WM_TIMER, &msg::Timer<T, &T::OnTimer>),
        };
        static const MessageMap map{CWnd::ThisMessageMap(), entries, 2};
        return &map;
    }

private:
    static constexpr UINT_PTR kSafetyTimer = 77;

    LRESULT OnEnterIdle(WPARAM source, LPARAM) {
        if (source == MSGF_MENU && !m_idled) {
            m_idled = true;
            if (m_probe) m_probe();
            ::EndMenu();
        }
        return 0;
    }
    void OnTimer(UINT_PTR) {
        KillTimer(kSafetyTimer);
        ::EndMenu();
    }

    std::function<void()> m_probe;
    bool m_idled = false;
};

// Screen rectangles of the open popup's items (no window given: the system
// finds the popup's own window).
std::vector<RECT> ItemRects(HMENU menu) {
    std::vector<RECT> rects;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        RECT rc{};
        ::GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &rc);
        rects.push_back(rc);
    }
    return rects;
}

// A pixel of the open menu, read from its window's surface.
COLORREF ScreenPixel(POINT p) {
    HWND popup = ::FindWindowA("#32768", nullptr);
    if (!popup) return CLR_INVALID;
    ::ScreenToClient(popup, &p);
    HDC dc = ::GetDC(popup);
    const COLORREF c = ::GetPixel(dc, p.x, p.y);
    ::ReleaseDC(popup, dc);
    return c;
}

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

}  // namespace

TEST(MenuXPTracking, RequestsReachTheTrackedMenuAndTheSideBarHasItsOwnColumn) {
    IdleOwner owner;
    CountingMenu menu(CMenuXP::XP);
    menu.AddSideBar(std::make_unique<CMenuXPEntry>(CMenuXPEntry::kSideBar, 15, "", 0));
    menu.AppendEntry(0, std::make_unique<CMenuXPEntry>(1001, "First", nullptr));
    menu.AppendSeparator();
    menu.AppendEntry(MF_CHECKED, std::make_unique<CMenuXPEntry>(1002, "Second\tCtrl+S", nullptr));

    std::vector<RECT> rects;
    CMenu* trackedDuring = nullptr;
    std::vector<COLORREF> shown;  // side bar bottom and top, first item's icon column and row
    ASSERT_TRUE(owner.Track(menu, [&] {
        trackedDuring = owner.GetTrackedMenu();
        rects = ItemRects(menu.GetSafeHmenu());
        if (rects.size() == 4) {
            const POINT probes[] = {{rects[0].left + 2, rects[3].bottom - 1}, {rects[0].left + 2, rects[1].top},
                                    {rects[1].left + 5, rects[1].top + 10}, {rects[1].right - 5, rects[1].top + 10}};
            for (POINT p : probes) shown.push_back(ScreenPixel(p));
        }
    })) << "the menu never waited for input";

    EXPECT_EQ(&menu, trackedDuring);
    EXPECT_EQ(nullptr, owner.GetTrackedMenu()) << "only while tracking";
    EXPECT_GE(menu.measures, 4) << "every item measured through the owner";
    EXPECT_GE(menu.draws, 4) << "every item drawn through the handle map";
    ASSERT_EQ(4u, rects.size());
    EXPECT_LE(rects[0].right, rects[1].left) << "the side bar is a column of its own";
    EXPECT_EQ(20, Height(rects[1]));
    EXPECT_EQ(::GetSystemMetrics(SM_CYMENUCHECK) / 2, Height(rects[2]));
    EXPECT_EQ(20, Height(rects[3]));
    EXPECT_EQ(rects[1].bottom, rects[2].top);

    // On screen: the side bar runs from its start colour at the bottom of the
    // items to the table entry of the top row; the first item is XP, plain.
    ASSERT_EQ(4u, shown.size());
    const int barHeight = rects[3].bottom - rects[1].top;
    EXPECT_EQ(RGB(0, 0, 192), shown[0]);
    const auto table = menuxp::MakeGradientTable(RGB(0, 0, 192), RGB(0, 0, 0));
    EXPECT_EQ(table[static_cast<size_t>(menuxp::GradientRow(barHeight - 1, barHeight))], shown[1]);
    EXPECT_EQ(kIconColumn, shown[2]);
    EXPECT_EQ(kBack, shown[3]);
}

TEST(MenuXPTracking, TheSeparatorsWrappedWidthDoesNotWidenTheMenu) {
    IdleOwner owner;
    auto fill = [](CMenuXP& menu, bool separator) {
        menu.AppendEntry(0, std::make_unique<CMenuXPEntry>(1001, "A label", nullptr));
        if (separator) menu.AppendSeparator();
        menu.AppendEntry(0, std::make_unique<CMenuXPEntry>(1002, "Another label", nullptr));
    };
    CountingMenu plain(CMenuXP::Classic);
    fill(plain, false);
    CountingMenu separated(CMenuXP::Classic);
    fill(separated, true);

    std::vector<RECT> plainRects;
    std::vector<RECT> separatedRects;
    ASSERT_TRUE(owner.Track(plain, [&] { plainRects = ItemRects(plain.GetSafeHmenu()); }));
    ASSERT_TRUE(owner.Track(separated,
                            [&] { separatedRects = ItemRects(separated.GetSafeHmenu()); }));
    ASSERT_EQ(2u, plainRects.size());
    ASSERT_EQ(3u, separatedRects.size());
    EXPECT_GT(Width(plainRects[1]), 0);
    EXPECT_LT(Width(plainRects[1]), 400);
    EXPECT_EQ(Width(plainRects[1]), Width(separatedRects[0]));
    EXPECT_EQ(Width(plainRects[1]), Width(separatedRects[1])) << "the separator spans the column";
    EXPECT_EQ(Width(plainRects[1]), Width(separatedRects[2]));
}
