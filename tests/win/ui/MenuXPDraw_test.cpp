// CMenuXP's painting of one item on a DIB section: rows, icon boxes, check
// mark, hovered and disabled icons, text colours, separator, side bar.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

#include "win/ui/MenuXPTestSupport.h"
#include "ui/MenuXPGeometry.h"

using namespace menutest;

namespace {

constexpr RECT kItem{0, 0, 150, 20};
// Where the label goes: right of the 20 x 20 icon box, left of the margin.
constexpr RECT kTextArea{22, 0, 134, 20};
// Right of the label, left of the frame: only the row colour.
constexpr int kRowX = 140;
constexpr int kRowY = 10;

class MenuXPDraw : public ::testing::Test {
protected:
    Canvas canvas{160, 30};
    TestMenu classic{CMenuXP::Classic};
    TestMenu xp{CMenuXP::XP};
    CMenuXPEntry plain{1001, "Hill", nullptr};
    CMenuXPEntry withIcon{1002, "Hill", MakeSquareIcon()};

    void SetUp() override {
        ASSERT_TRUE(classic.CreatePopupMenu());
        ASSERT_TRUE(xp.CreatePopupMenu());
        ASSERT_NE(nullptr, withIcon.m_icon.Get());
    }
};

// The pixels of the three one-pixel polylines, last points left out as GDI does.
std::set<std::pair<int, int>> CheckMarkPixels(int left, int top, int width, int height) {
    std::set<std::pair<int, int>> pixels;
    for (const menuxp::CheckStroke& s : menuxp::CheckMarkStrokes(left, top, width, height)) {
        for (int i = 0; s[0].x + i < s[1].x; ++i) pixels.insert({s[0].x + i, s[0].y + i});
        for (int i = 0; s[1].x + i < s[2].x; ++i) pixels.insert({s[1].x + i, s[1].y - i});
    }
    return pixels;
}

std::set<std::pair<int, int>> BlackPixels(const Canvas& canvas, const RECT& area) {
    std::set<std::pair<int, int>> pixels;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.At(x, y) == kBlack) pixels.insert({x, y});
    return pixels;
}

}  // namespace

TEST_F(MenuXPDraw, ClassicRowsTakeTheBackOrSelectionColour) {
    canvas.Draw(classic, plain, kItem, 0);
    EXPECT_EQ(kBack, canvas.At(kRowX, kRowY));
    EXPECT_EQ(kBack, canvas.At(0, 0)) << "no icon, not checked: no icon box";
    EXPECT_EQ(kBack, canvas.At(149, 19));
    EXPECT_EQ(kSentinel, canvas.At(150, 10)) << "nothing outside the item";
    EXPECT_GT(canvas.Count(kTextArea, kText), 0);

    canvas.Draw(classic, plain, kItem, ODS_SELECTED);
    EXPECT_EQ(kSelBack, canvas.At(kRowX, kRowY));
    EXPECT_EQ(kSelBack, canvas.At(0, 0)) << "Classic has no frame";
    EXPECT_EQ(kSelBack, canvas.At(149, 19));
    EXPECT_GT(canvas.Count(kTextArea, kSelText), 0);
    EXPECT_EQ(0, canvas.Count(kTextArea, kText));
}

TEST_F(MenuXPDraw, XPRowsHaveAnIconColumnAndASelectionBarWithBlackFrame) {
    canvas.Draw(xp, plain, kItem, 0);
    EXPECT_EQ(kIconColumn, canvas.At(0, 0));
    EXPECT_EQ(kIconColumn, canvas.At(19, 19));
    EXPECT_EQ(kBack, canvas.At(20, 10));
    EXPECT_EQ(kBack, canvas.At(kRowX, kRowY));

    canvas.Draw(xp, plain, kItem, ODS_SELECTED);
    for (POINT p : {POINT{0, 0}, POINT{149, 0}, POINT{0, 19}, POINT{149, 19}, POINT{75, 0}, POINT{149, 10}})
        EXPECT_EQ(kBlack, canvas.At(p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(kSelBack, canvas.At(kRowX, kRowY));
    EXPECT_EQ(kSelBack, canvas.At(5, 10)) << "no icon column under the selection";
    EXPECT_GT(canvas.Count(kTextArea, kSelText), 0);
}

TEST_F(MenuXPDraw, CheckedItemWithoutIconShowsTheBlackMarkCentredInItsBox) {
    // Icon box 0..19, shrunk by 2: a 16 x 16 square whose centred 8 x 8 box is 6..13.
    const auto expected = CheckMarkPixels(2, 2, 16, 16);
    for (const auto& p : expected) {
        EXPECT_GE(p.first, 6);
        EXPECT_LE(p.first, 13);
        EXPECT_GE(p.second, 6);
        EXPECT_LE(p.second, 13);
    }

    canvas.Draw(classic, plain, kItem, ODS_CHECKED);
    EXPECT_EQ(expected, BlackPixels(canvas, RECT{0, 0, 20, 20}));
    // Pressed in: button highlight inside a sunken edge.
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(3, 3));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.At(0, 10));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(19, 10));
    EXPECT_EQ(kBack, canvas.At(kRowX, kRowY));

    canvas.Draw(xp, plain, kItem, ODS_CHECKED);
    EXPECT_EQ(expected, BlackPixels(canvas, RECT{1, 1, 19, 19}));
    EXPECT_EQ(kBlack, canvas.At(0, 0)) << "selection-coloured box with a black frame";
    EXPECT_EQ(kBlack, canvas.At(19, 19));
    EXPECT_EQ(kSelBack, canvas.At(3, 3));
    EXPECT_EQ(kBack, canvas.At(20, 10));
    EXPECT_EQ(kBack, canvas.At(kRowX, kRowY));

    // On the selection bar the mark stays black.
    canvas.Draw(xp, plain, kItem, ODS_CHECKED | ODS_SELECTED);
    EXPECT_EQ(expected, BlackPixels(canvas, RECT{1, 1, 19, 19}));
    EXPECT_EQ(kSelBack, canvas.At(3, 3));
    canvas.Draw(classic, plain, kItem, ODS_CHECKED | ODS_SELECTED);
    EXPECT_EQ(expected, BlackPixels(canvas, RECT{0, 0, 20, 20}));
    EXPECT_EQ(kBack, canvas.At(3, 3)) << "checked and selected: box in the back colour";
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.At(0, 10));
}

TEST_F(MenuXPDraw, CheckedItemWithIconShowsTheIconAndNoMark) {
    canvas.Draw(classic, withIcon, kItem, ODS_CHECKED);
    EXPECT_EQ(kIconRed, canvas.At(6, 6));
    EXPECT_EQ(kIconRed, canvas.At(13, 13));
    EXPECT_EQ(0, canvas.Count(RECT{1, 1, 19, 19}, kBlack));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(3, 3));
}

TEST_F(MenuXPDraw, XPHoverLiftsTheIconOverATwoPixelShadow) {
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    canvas.Draw(xp, withIcon, kItem, 0);
    EXPECT_EQ(kIconRed, canvas.At(6, 6));
    EXPECT_EQ(kIconRed, canvas.At(13, 13));
    EXPECT_EQ(kIconColumn, canvas.At(5, 5));
    EXPECT_EQ(kIconColumn, canvas.At(14, 14));

    // The request leaves the highlight text colour in the DC, as the system
    // does; the shadow must show all the same.
    canvas.Draw(xp, withIcon, kItem, ODS_SELECTED);
    EXPECT_EQ(kIconRed, canvas.At(5, 5));
    EXPECT_EQ(kIconRed, canvas.At(12, 12));
    EXPECT_EQ(shadow, canvas.At(13, 13));
    EXPECT_EQ(shadow, canvas.At(14, 14));
    EXPECT_EQ(shadow, canvas.At(13, 6)) << "right edge: columns 13 and 14";
    EXPECT_EQ(shadow, canvas.At(14, 7));
    EXPECT_EQ(shadow, canvas.At(7, 14)) << "bottom edge: rows 13 and 14";
    EXPECT_EQ(shadow, canvas.At(6, 13));
    EXPECT_EQ(kSelBack, canvas.At(14, 6));
    EXPECT_EQ(kSelBack, canvas.At(6, 14));
    EXPECT_EQ(kSelBack, canvas.At(5, 13)) << "the shadow starts under the icon's old place";
    EXPECT_EQ(kSelBack, canvas.At(15, 15));

    // In Classic the hovered icon stays put in a raised box.
    canvas.Draw(classic, withIcon, kItem, ODS_SELECTED);
    EXPECT_EQ(kIconRed, canvas.At(6, 6));
    EXPECT_EQ(kBack, canvas.At(14, 14));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(0, 10));
    EXPECT_EQ(shadow, canvas.At(19, 10));
}

TEST_F(MenuXPDraw, CheckedIconDoesNotMoveWhenHovered) {
    canvas.Draw(xp, withIcon, kItem, ODS_SELECTED | ODS_CHECKED);
    EXPECT_EQ(kIconRed, canvas.At(6, 6));
    EXPECT_EQ(kIconRed, canvas.At(13, 13));
    EXPECT_EQ(kSelBack, canvas.At(5, 5));
    EXPECT_EQ(kSelBack, canvas.At(14, 14)) << "no shadow";
    EXPECT_EQ(kBlack, canvas.At(149, 0)) << "the row is still selected";

    canvas.Draw(xp, withIcon, kItem, ODS_CHECKED);
    EXPECT_EQ(kIconRed, canvas.At(6, 6));
    EXPECT_EQ(kSelBack, canvas.At(5, 5)) << "checked: selection-coloured box";
    EXPECT_EQ(kBlack, canvas.At(0, 0));
}

TEST_F(MenuXPDraw, DisabledItemsAreEmbossedAndEngraved) {
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const RECT iconBox{0, 0, 20, 20};

    canvas.Draw(classic, withIcon, kItem, ODS_GRAYED);
    EXPECT_EQ(kBack, canvas.At(kRowX, kRowY));
    EXPECT_EQ(kBack, canvas.At(0, 0)) << "box filled, no edge";
    EXPECT_EQ(kBack, canvas.At(19, 19));
    EXPECT_EQ(shadow, canvas.At(6, 6));
    EXPECT_EQ(shadow, canvas.At(13, 13));
    EXPECT_EQ(highlight, canvas.At(14, 14));
    EXPECT_EQ(highlight, canvas.At(14, 7));
    EXPECT_EQ(0, canvas.Count(iconBox, kIconRed));
    EXPECT_GT(canvas.Count(kTextArea, kGray), 0);
    EXPECT_GT(canvas.Count(kTextArea, kSelText), 0) << "engraved highlight";

    canvas.Draw(classic, withIcon, kItem, ODS_GRAYED | ODS_SELECTED);
    EXPECT_EQ(kSelBack, canvas.At(kRowX, kRowY)) << "Classic keeps the selection bar";
    EXPECT_EQ(kBack, canvas.At(0, 0));
    EXPECT_EQ(shadow, canvas.At(6, 6));
    EXPECT_GT(canvas.Count(kTextArea, kGray), 0);
    EXPECT_EQ(0, canvas.Count(kTextArea, kSelText)) << "grey text only";

    canvas.Draw(xp, withIcon, kItem, ODS_GRAYED | ODS_SELECTED);
    EXPECT_EQ(kBack, canvas.At(kRowX, kRowY)) << "XP shows no selection bar";
    EXPECT_EQ(kBack, canvas.At(149, 0)) << "and no frame";
    EXPECT_EQ(kIconColumn, canvas.At(0, 0));
    EXPECT_EQ(kIconColumn, canvas.At(19, 19));
    EXPECT_EQ(shadow, canvas.At(6, 6));
    EXPECT_EQ(highlight, canvas.At(14, 14));
    EXPECT_EQ(0, canvas.Count(iconBox, kIconRed));
    EXPECT_GT(canvas.Count(kTextArea, kGray), 0);
    EXPECT_GT(canvas.Count(kTextArea, kSelText), 0);
}

TEST_F(MenuXPDraw, ATabPutsTheShortcutAtTheRight) {
    CMenuXPEntry shortcut{1003, "Hi\tHi", nullptr};
    canvas.Draw(classic, shortcut, kItem, 0);
    EXPECT_GT(canvas.Count(RECT{22, 0, 40, 20}, kText), 0);
    EXPECT_EQ(0, canvas.Count(RECT{45, 0, 110, 20}, kText));
    EXPECT_GT(canvas.Count(RECT{115, 0, 134, 20}, kText), 0);
    EXPECT_EQ(0, canvas.Count(RECT{134, 0, 150, 20}, kText)) << "the right margin stays clear";
}

TEST_F(MenuXPDraw, SeparatorIsAnEtchedLineAcrossTheMiddle) {
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    CMenuXPEntry separator;
    canvas.Draw(classic, separator, RECT{0, 0, 150, 7}, ODS_SELECTED);
    EXPECT_EQ(kBack, canvas.At(100, 2)) << "never drawn selected";
    EXPECT_EQ(shadow, canvas.At(100, 3)) << "7 / 2, rounded down";
    EXPECT_EQ(highlight, canvas.At(100, 4));
    EXPECT_EQ(kBack, canvas.At(100, 5));
    EXPECT_EQ(shadow, canvas.At(5, 3));

    canvas.Draw(xp, separator, RECT{0, 0, 150, 7}, 0);
    EXPECT_EQ(shadow, canvas.At(100, 3));
    EXPECT_EQ(kIconColumn, canvas.At(5, 3)) << "the icon column runs on across it";
    EXPECT_EQ(kIconColumn, canvas.At(19, 3));
    EXPECT_EQ(shadow, canvas.At(20, 3));
}

TEST_F(MenuXPDraw, SideBarFillsTheClipBoxHeightFromStartAtTheBottomToEndAtTheTop) {
    Canvas tall(40, 300);
    classic.m_crSideBarStart = RGB(100, 5, 255);
    classic.m_crSideBarEnd = RGB(0, 50, 0);
    CMenuXPEntry bar(CMenuXPEntry::kSideBar, 15, "", 0);
    ::IntersectClipRect(tall.Dc(), 0, 20, 40, 260);
    // Whichever item is painted, the bar covers the clip box.
    tall.Draw(classic, bar, RECT{0, 100, 15, 120}, 0);

    EXPECT_EQ(RGB(100, 5, 255), tall.At(5, 259));
    EXPECT_EQ(RGB(0, 50, 0), tall.At(5, 20));
    EXPECT_EQ(kSentinel, tall.At(5, 19));
    EXPECT_EQ(kSentinel, tall.At(5, 260));
    EXPECT_EQ(RGB(0, 50, 0), tall.At(17, 20)) << "three pixels wider than the item";
    EXPECT_EQ(kSentinel, tall.At(18, 100));
    const menuxp::GradientTable table = menuxp::MakeGradientTable(RGB(100, 5, 255), RGB(0, 50, 0));
    for (int fromBottom = 0; fromBottom < 240; ++fromBottom)
        ASSERT_EQ(table[static_cast<size_t>(menuxp::GradientRow(fromBottom, 240))], tall.At(9, 259 - fromBottom))
            << fromBottom;
}

TEST_F(MenuXPDraw, SideBarTallerThan511RowsEndsInTheEndColour) {
    Canvas tall(20, 700);
    CMenuXPEntry bar(CMenuXPEntry::kSideBar, 15, "", 0);
    tall.Draw(xp, bar, RECT{0, 0, 15, 20}, 0);
    EXPECT_EQ(RGB(0, 0, 192), tall.At(0, 699));
    // MulDiv(256, y, 700) reaches 255 at y = 696 from the bottom: the top
    // four rows take the end colour, and the index never runs past it.
    for (int y = 0; y < 4; ++y) EXPECT_EQ(RGB(0, 0, 0), tall.At(0, y)) << y;
    EXPECT_EQ(RGB(0, 0, 1), tall.At(0, 4));
}

TEST_F(MenuXPDraw, SideBarTitleIsWhite) {
    Canvas tall(40, 200);
    CMenuXPEntry bar(CMenuXPEntry::kSideBar, 15, "Tallvox", 0);
    tall.Draw(classic, bar, RECT{0, 0, 15, 20}, 0);
    EXPECT_GT(tall.Count(RECT{0, 100, 18, 200}, RGB(255, 255, 255)), 10) << "written upward from the bottom";
    EXPECT_EQ(0, tall.Count(RECT{0, 0, 18, 40}, RGB(255, 255, 255)));
}

TEST_F(MenuXPDraw, RequestsForOtherControlsOrForeignDataAreLeftAlone) {
    DRAWITEMSTRUCT button = canvas.Request(classic.GetSafeHmenu(), &plain, kItem, 0);
    button.CtlType = ODT_BUTTON;
    classic.DrawItem(&button);
    EXPECT_TRUE(canvas.Untouched());

    CMenuXPEntry foreign{1004, "x", nullptr};
    foreign.m_dwSignature = 0;
    DRAWITEMSTRUCT unsigned_ = canvas.Request(classic.GetSafeHmenu(), &foreign, kItem, 0);
    classic.DrawItem(&unsigned_);
    DRAWITEMSTRUCT empty = canvas.Request(classic.GetSafeHmenu(), nullptr, kItem, 0);
    classic.DrawItem(&empty);
    EXPECT_TRUE(canvas.Untouched());
}

TEST(MenuXPSupport, GradientNeedsASizeAndEmbossingPutsTheDcBack) {
    Canvas canvas(30, 30);
    EXPECT_FALSE(CMenuXP::CreateGradientBitmap(CDCHandle(canvas.Dc()), 0, 10, 0, 0));
    EXPECT_FALSE(CMenuXP::CreateGradientBitmap(CDCHandle(canvas.Dc()), 10, -1, 0, 0));

    HICON icon = MakeSquareIcon();
    ::SetTextColor(canvas.Dc(), RGB(7, 7, 7));
    ::SetBkColor(canvas.Dc(), RGB(8, 8, 8));
    const HGDIOBJ brush = ::GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
    CMenuXP::PaintEmbossedIcon(CDCHandle(canvas.Dc()), RECT{0, 0, 16, 16}, icon, CMenuXP::ShadowLook);
    EXPECT_EQ(RGB(7, 7, 7), ::GetTextColor(canvas.Dc()));
    EXPECT_EQ(RGB(8, 8, 8), ::GetBkColor(canvas.Dc()));
    EXPECT_EQ(brush, ::GetCurrentObject(canvas.Dc(), OBJ_BRUSH));
    // Shadow look: the silhouette at +0 and +1, both in the shadow colour.
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.At(4, 4));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.At(12, 12));
    EXPECT_EQ(kSentinel, canvas.At(3, 3));
    EXPECT_EQ(kSentinel, canvas.At(13, 13));
    ::DestroyIcon(icon);
}
