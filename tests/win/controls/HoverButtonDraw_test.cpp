// The hover button's picture, classic and themed, drawn by DrawItem on a
// surface of ours, and through the dialog's reflected draw requests.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "controls/HoverButton.h"
#include "resource.h"
#include "win/controls/ButtonTestSupport.h"

using buttontest::Canvas;
using buttontest::kIconColour;
using buttontest::kSentinel;
using buttontest::TestDialog;

namespace {

constexpr WORD kIconOnly = 1001;
constexpr WORD kLabelled = 1002;

class ProbeButton : public CHoverButton {
public:
    ProbeButton() = default;
    explicit ProbeButton(const CVisualStyles& styles) : CHoverButton(styles) {}
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        ++draws;
        CHoverButton::DrawItem(item);
    }
};

COLORREF Sys(int index) { return ::GetSysColor(index); }

bool Within(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The outermost ring of a w x h picture, all in one colour.
bool RingIs(const Canvas& c, int inset, COLORREF colour)
{
    const int w = c.Width();
    const int h = c.Height();
    for (int x = inset; x < w - inset; ++x)
        if (c.At(x, inset) != colour || c.At(x, h - 1 - inset) != colour)
            return false;
    for (int y = inset; y < h - inset; ++y)
        if (c.At(inset, y) != colour || c.At(w - 1 - inset, y) != colour)
            return false;
    return true;
}

class HoverButtonDraw : public ::testing::Test {
protected:
    HoverButtonDraw() : m_dialog({{kIconOnly, BS_PUSHBUTTON, L""}, {kLabelled, BS_PUSHBUTTON, L"Homepage"}}) {}
    void SetUp() override
    {
        ASSERT_NE(m_dialog.Get(), nullptr);
        ASSERT_TRUE(m_icon.SubclassDlgItem(kIconOnly, &m_dialog.Object()));
        ASSERT_TRUE(m_labelled.SubclassDlgItem(kLabelled, &m_dialog.Object()));
        m_icon.SetThemed(FALSE);
        m_labelled.SetThemed(FALSE);
    }
    void TearDown() override { ::ReleaseCapture(); }

    static void Draw(CHoverButton& button, Canvas& canvas, UINT state)
    {
        DRAWITEMSTRUCT request = canvas.Request(button.GetSafeHwnd(), state);
        button.DrawItem(&request);
    }
    HFONT DialogFont() const
    {
        return reinterpret_cast<HFONT>(::SendMessageA(m_dialog.Get(), WM_GETFONT, 0, 0));
    }
    // The text as DrawTextA puts it on the button face, in the text colour.
    void ReferenceText(Canvas& reference, const char* text, RECT box, UINT format) const
    {
        const RECT all{0, 0, reference.Width(), reference.Height()};
        ::FillRect(reference.Dc(), &all, ::GetSysColorBrush(COLOR_BTNFACE));
        HGDIOBJ old = ::SelectObject(reference.Dc(), DialogFont());
        ::SetBkMode(reference.Dc(), TRANSPARENT);
        ::SetTextColor(reference.Dc(), Sys(COLOR_BTNTEXT));
        ::DrawTextA(reference.Dc(), text, -1, &box, format);
        ::SelectObject(reference.Dc(), old);
    }

    TestDialog m_dialog;
    ProbeButton m_icon;
    ProbeButton m_labelled;
};

} // namespace

TEST_F(HoverButtonDraw, ClassicIconOnlyButtonCentresItsIconOnTheFace)
{
    m_icon.SetIcon(buttontest::MakeSolidIcon());
    Canvas canvas(40, 30);
    Draw(m_icon, canvas, 0);
    const RECT icon = canvas.Bounds(kIconColour);
    EXPECT_EQ(icon.left, 12);
    EXPECT_EQ(icon.top, 7);
    EXPECT_EQ(icon.right, 28);
    EXPECT_EQ(icon.bottom, 23);
    EXPECT_EQ(canvas.Count(kIconColour), 16 * 16);
    EXPECT_EQ(canvas.At(20, 3), Sys(COLOR_BTNFACE));
    EXPECT_EQ(canvas.At(5, 15), Sys(COLOR_BTNFACE));
    EXPECT_EQ(canvas.Count(kSentinel), 0) << "the whole face is drawn";
    EXPECT_FALSE(RingIs(canvas, 0, RGB(0, 0, 0))) << "no focus frame";
}

TEST_F(HoverButtonDraw, ClassicPressedButtonMovesTheIconAndFramesTheFaceInShadow)
{
    m_icon.SetIcon(buttontest::MakeSolidIcon());
    Canvas canvas(40, 30);
    Draw(m_icon, canvas, ODS_SELECTED);
    const RECT icon = canvas.Bounds(kIconColour);
    EXPECT_EQ(icon.left, 13);
    EXPECT_EQ(icon.top, 8);
    EXPECT_EQ(icon.right, 29);
    EXPECT_EQ(icon.bottom, 24);
    EXPECT_TRUE(RingIs(canvas, 0, Sys(COLOR_BTNSHADOW)));
    EXPECT_TRUE(RingIs(canvas, 1, Sys(COLOR_BTNFACE)));
}

TEST_F(HoverButtonDraw, ClassicFocusedButtonHasABlackOutlineAndAFocusRectangleFourInside)
{
    m_icon.SetIcon(buttontest::MakeSolidIcon());
    Canvas focused(40, 30);
    Draw(m_icon, focused, ODS_FOCUS);
    Canvas noRectangle(40, 30);
    Draw(m_icon, noRectangle, ODS_FOCUS | ODS_NOFOCUSRECT);

    EXPECT_TRUE(RingIs(focused, 0, RGB(0, 0, 0)));
    EXPECT_TRUE(RingIs(noRectangle, 0, RGB(0, 0, 0)));
    const std::vector<POINT> focusRectangle = focused.Differences(noRectangle);
    EXPECT_GT(focusRectangle.size(), 20u);
    EXPECT_TRUE(buttontest::AllOnOutline(focusRectangle, RECT{4, 4, 36, 26}));
    // The face moved in by the outline's pixel: the icon did not.
    EXPECT_EQ(focused.Bounds(kIconColour).left, 12);
}

TEST_F(HoverButtonDraw, IconBesideTextSitsAtEightAndTheTextFromThirtyTwoToEightBeforeTheEdge)
{
    m_labelled.SetIcon(buttontest::MakeSolidIcon());
    const int w = 90;
    const int h = 30;
    Canvas canvas(w, h);
    Draw(m_labelled, canvas, 0);
    const RECT icon = canvas.Bounds(kIconColour);
    EXPECT_EQ(icon.left, 8);
    EXPECT_EQ(icon.top, 7);
    EXPECT_EQ(icon.right, 24);

    const COLORREF ink = Sys(COLOR_BTNTEXT);
    const RECT text = canvas.Bounds(ink);
    Canvas reference(w, h);
    ReferenceText(reference, "Homepage", RECT{32, 0, w - 8, h}, 0x34);
    const RECT expected = reference.Bounds(ink);
    ASSERT_GT(expected.right, expected.left);
    EXPECT_EQ(text.left, expected.left);
    EXPECT_EQ(text.right, expected.right);
    EXPECT_EQ(text.bottom - text.top, expected.bottom - expected.top);
    EXPECT_LE(std::abs(text.top - expected.top), 1) << "centred down the button on the text's height";
    EXPECT_TRUE(Within(text, RECT{32, 0, w - 8, h}));
}

TEST_F(HoverButtonDraw, DisabledClassicButtonEngravesTheText)
{
    const int w = 90;
    const int h = 30;
    Canvas canvas(w, h);
    Draw(m_labelled, canvas, ODS_DISABLED);

    // Highlight one pixel down and right, shadow-coloured text on top.
    Canvas reference(w, h);
    const RECT all{0, 0, w, h};
    ::FillRect(reference.Dc(), &all, ::GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = ::SelectObject(reference.Dc(), DialogFont());
    ::SetBkMode(reference.Dc(), TRANSPARENT);
    RECT box{1, 1, w + 1, h + 1};
    ::SetTextColor(reference.Dc(), Sys(COLOR_BTNHIGHLIGHT));
    ::DrawTextA(reference.Dc(), "Homepage", -1, &box, 0x35);
    box = all;
    ::SetTextColor(reference.Dc(), Sys(COLOR_BTNSHADOW));
    ::DrawTextA(reference.Dc(), "Homepage", -1, &box, 0x35);
    ::SelectObject(reference.Dc(), old);

    // Inside the raised edge, which uses the same colours.
    Canvas inner(w - 6, h - 6);
    ::BitBlt(inner.Dc(), 0, 0, w - 6, h - 6, canvas.Dc(), 3, 3, SRCCOPY);
    Canvas expected(w - 6, h - 6);
    ::BitBlt(expected.Dc(), 0, 0, w - 6, h - 6, reference.Dc(), 3, 3, SRCCOPY);
    EXPECT_GT(inner.Count(Sys(COLOR_BTNHIGHLIGHT)), 0);
    EXPECT_EQ(inner.Count(Sys(COLOR_BTNTEXT)), 0);
    EXPECT_TRUE(inner.Differences(expected).empty());
}

TEST_F(HoverButtonDraw, DisabledIconIsGreyed)
{
    m_icon.SetIcon(buttontest::MakeSolidIcon());
    Canvas canvas(40, 30);
    Draw(m_icon, canvas, ODS_DISABLED);
    EXPECT_EQ(canvas.Count(kIconColour), 0);
    EXPECT_NE(canvas.At(20, 15), Sys(COLOR_BTNFACE)) << "but drawn";
}

TEST_F(HoverButtonDraw, SetIconOwnsTheIconAndDestroysTheOneBefore)
{
    HICON first = buttontest::MakeSolidIcon();
    HICON second = buttontest::MakeSolidIcon(RGB(10, 200, 10));
    TestDialog other({{kIconOnly, BS_PUSHBUTTON, L""}});
    {
        CHoverButton button;
        ASSERT_TRUE(button.SubclassDlgItem(kIconOnly, &other.Object()));
        button.SetIcon(first);
        button.SetIcon(second);
        EXPECT_FALSE(buttontest::IconIsAlive(first));
        EXPECT_TRUE(buttontest::IconIsAlive(second));
        // Handing the same icon again must not destroy the one it keeps.
        button.SetIcon(second);
        EXPECT_TRUE(buttontest::IconIsAlive(second));
        EXPECT_EQ(button.GetIcon(), second);
    }
    EXPECT_FALSE(buttontest::IconIsAlive(second)) << "destroyed with the button";
}

TEST_F(HoverButtonDraw, IconResourceIsLoadedAtItsOwnSizeAndWithoutOneTheTextIsCentred)
{
    m_labelled.SetIcon(IDI_HOMEPAGE, 1);
    HICON loaded = m_labelled.GetIcon();
    ASSERT_NE(loaded, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(loaded, &info));
    BITMAP colour{};
    ::GetObjectA(info.hbmColor, sizeof colour, &colour);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    EXPECT_EQ(colour.bmWidth, 16);
    EXPECT_EQ(colour.bmHeight, 16);

    // The icon's pixels as DrawIconEx puts them on the face.
    Canvas canvas(90, 30);
    Draw(m_labelled, canvas, 0);
    Canvas reference(16, 16);
    const RECT all{0, 0, 16, 16};
    ::FillRect(reference.Dc(), &all, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawIconEx(reference.Dc(), 0, 0, loaded, 0, 0, 0, nullptr, DI_NORMAL);
    Canvas drawn(16, 16);
    ::BitBlt(drawn.Dc(), 0, 0, 16, 16, canvas.Dc(), 8, 7, SRCCOPY);
    EXPECT_TRUE(drawn.Differences(reference).empty());

    m_labelled.SetIcon(4242, 1);
    EXPECT_EQ(m_labelled.GetIcon(), nullptr);
    EXPECT_FALSE(buttontest::IconIsAlive(loaded));
    Canvas centred(90, 30);
    Draw(m_labelled, centred, 0);
    Canvas text(90, 30);
    ReferenceText(text, "Homepage", RECT{0, 0, 90, 30}, 0x35);
    const RECT label = centred.Bounds(Sys(COLOR_BTNTEXT));
    const RECT expected = text.Bounds(Sys(COLOR_BTNTEXT));
    EXPECT_EQ(label.left, expected.left);
    EXPECT_EQ(label.top, expected.top);
    EXPECT_EQ(label.right, expected.right);
    EXPECT_EQ(label.bottom, expected.bottom);
}

// At a higher display scale the icon is the one drawn for the nearest art
// scale, at its own size: 16 x 16 times 1.25, 1.5 or 2.
TEST_F(HoverButtonDraw, IconResourceFollowsTheDisplayScale)
{
    struct Case {
        int dpi;
        int size;
    };
    for (const Case& c : {Case{96, 16}, Case{120, 20}, Case{144, 24}, Case{168, 32}, Case{192, 32}}) {
        m_labelled.SetIcon(IDI_HOMEPAGE, 1, c.dpi);
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(m_labelled.GetIcon(), &info)) << c.dpi;
        BITMAP colour{};
        ::GetObjectA(info.hbmColor, sizeof colour, &colour);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        EXPECT_EQ(c.size, colour.bmWidth) << c.dpi;
        EXPECT_EQ(c.size, colour.bmHeight) << c.dpi;
    }
}

TEST_F(HoverButtonDraw, TheDialogReflectsDrawRequestsToTheButton)
{
    m_icon.SetIcon(buttontest::MakeSolidIcon());
    const int before = m_icon.draws;
    Canvas canvas(40, 30);
    DRAWITEMSTRUCT request = canvas.Request(m_icon.GetSafeHwnd(), 0);
    EXPECT_EQ(::SendMessageA(m_dialog.Get(), WM_DRAWITEM, kIconOnly, reinterpret_cast<LPARAM>(&request)), TRUE);
    EXPECT_EQ(m_icon.draws, before + 1);
    EXPECT_EQ(canvas.Bounds(kIconColour).left, 12);
    EXPECT_EQ(canvas.Bounds(kIconColour).top, 7);
}

TEST_F(HoverButtonDraw, SetIconRepaintsTheButtonOnScreenAtOnce)
{
    m_dialog.Size(kIconOnly, 40, 30);
    ::UpdateWindow(m_dialog.Get());
    const int before = m_icon.draws;
    m_icon.SetIcon(buttontest::MakeSolidIcon());
    EXPECT_GT(m_icon.draws, before);

    Canvas shot(40, 30);
    HDC screen = ::GetDC(m_icon.GetSafeHwnd());
    ::BitBlt(shot.Dc(), 0, 0, 40, 30, screen, 0, 0, SRCCOPY);
    ::ReleaseDC(m_icon.GetSafeHwnd(), screen);
    const RECT icon = shot.Bounds(kIconColour);
    EXPECT_EQ(icon.left, 12);
    EXPECT_EQ(icon.top, 7);
    EXPECT_EQ(icon.right, 28);
    EXPECT_EQ(icon.bottom, 23);
    EXPECT_EQ(shot.At(20, 3), Sys(COLOR_BTNFACE));
}
