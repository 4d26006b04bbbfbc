// The hover button in the visual style's look (Wine ships a theme and
// uxtheme), the switch to the classic look, and the classic look when the
// library is missing.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "controls/HoverButton.h"
#include "controls/ThemeData.h"
#include "win/controls/ButtonTestSupport.h"

using buttontest::Canvas;
using buttontest::kIconColour;
using buttontest::TestDialog;

namespace {

constexpr WORD kIconOnly = 1001;
constexpr int kW = 40;
constexpr int kH = 30;

class ProbeButton : public CHoverButton {
public:
    ProbeButton() = default;
    explicit ProbeButton(const CVisualStyles& styles) : CHoverButton(styles) {}
    // As after a draw whose attempt to open the theme failed.
    void LoseTheme()
    {
        m_theme.Close();
        m_bReopenTheme = FALSE;
    }
};

LPARAM At(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

void Draw(CHoverButton& button, Canvas& canvas, UINT state)
{
    DRAWITEMSTRUCT request = canvas.Request(button.GetSafeHwnd(), state);
    button.DrawItem(&request);
}

// The three leftmost columns: background only, left of icon and focus rectangle.
std::vector<COLORREF> LeftStrip(const Canvas& c)
{
    std::vector<COLORREF> strip;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < 3; ++x)
            strip.push_back(c.At(x, y));
    return strip;
}

class HoverButtonThemed : public ::testing::Test {
protected:
    HoverButtonThemed()
        : m_dialog({{kIconOnly, BS_PUSHBUTTON, L""}})
    {
    }
    void SetUp() override
    {
        ASSERT_NE(m_dialog.Get(), nullptr);
        ASSERT_TRUE(m_icon.SubclassDlgItem(kIconOnly, &m_dialog.Object()));
        m_icon.SetThemed(TRUE);
        m_icon.SetIcon(buttontest::MakeSolidIcon());
        Canvas first(kW, kH);
        Draw(m_icon, first, 0);
        if (!m_icon.IsThemed())
            GTEST_SKIP() << "no visual style in this environment";
    }
    void TearDown() override { ::ReleaseCapture(); }

    // The theme's own push button in one state, as a reference.
    std::vector<COLORREF> ThemeStrip(int state)
    {
        CThemeData theme(g_visualStyles);
        theme.Open(m_icon.GetSafeHwnd(), "Button");
        Canvas reference(kW, kH);
        g_visualStyles.DrawThemeBackground(theme.Get(), reference.Dc(), 1, state, RECT{0, 0, kW, kH}, nullptr);
        return LeftStrip(reference);
    }
    // The themed button's corners blend with what lies under them: the
    // target's background colour, here the sentinel, as in the reference.
    std::vector<COLORREF> ButtonStrip(UINT itemState)
    {
        Canvas canvas(kW, kH);
        ::SetBkColor(canvas.Dc(), buttontest::kSentinel);
        Draw(m_icon, canvas, itemState);
        return LeftStrip(canvas);
    }

    TestDialog m_dialog;
    ProbeButton m_icon;
};

} // namespace

TEST_F(HoverButtonThemed, BackgroundStateFollowsPressHoverAndFocus)
{
    if (ThemeStrip(1) == ThemeStrip(2))
        GTEST_SKIP() << "this theme draws hot and normal alike";
    EXPECT_TRUE(ButtonStrip(0) == ThemeStrip(1)) << "normal";
    EXPECT_TRUE(ButtonStrip(ODS_FOCUS) == ThemeStrip(5)) << "defaulted";
    EXPECT_TRUE(ButtonStrip(ODS_SELECTED | ODS_FOCUS) == ThemeStrip(3)) << "pressed";

    ::SendMessageA(m_icon.GetSafeHwnd(), WM_MOUSEMOVE, 0, At(3, 3));
    EXPECT_TRUE(ButtonStrip(0) == ThemeStrip(2)) << "hot";
    EXPECT_TRUE(ButtonStrip(ODS_FOCUS) == ThemeStrip(2)) << "hot beats focus";
    EXPECT_TRUE(ButtonStrip(ODS_SELECTED) == ThemeStrip(3)) << "pressed beats hot";

    ::SendMessageA(m_icon.GetSafeHwnd(), WM_MOUSEMOVE, 0, At(-5, 3));
    EXPECT_TRUE(ButtonStrip(ODS_FOCUS) == ThemeStrip(5)) << "left, focused";
    EXPECT_TRUE(ButtonStrip(0) == ThemeStrip(1)) << "left";
}

TEST_F(HoverButtonThemed, PressedIconStaysWhereItIs)
{
    Canvas up(kW, kH);
    Draw(m_icon, up, 0);
    Canvas down(kW, kH);
    Draw(m_icon, down, ODS_SELECTED);
    const RECT a = up.Bounds(kIconColour);
    const RECT b = down.Bounds(kIconColour);
    EXPECT_EQ(a.left, 12);
    EXPECT_EQ(a.top, 7);
    EXPECT_EQ(b.left, a.left);
    EXPECT_EQ(b.top, a.top);
}

TEST_F(HoverButtonThemed, FocusRectangleSitsThreeInsideTheEdge)
{
    Canvas focused(kW, kH);
    Draw(m_icon, focused, ODS_FOCUS);
    Canvas noRectangle(kW, kH);
    Draw(m_icon, noRectangle, ODS_FOCUS | ODS_NOFOCUSRECT);
    const std::vector<POINT> rectangle = focused.Differences(noRectangle);
    EXPECT_GT(rectangle.size(), 20u);
    EXPECT_TRUE(buttontest::AllOnOutline(rectangle, RECT{3, 3, kW - 3, kH - 3}));
}

TEST_F(HoverButtonThemed, ClassicLookOnRequestWhileTheThemeStaysAvailable)
{
    m_icon.SetThemed(FALSE);
    EXPECT_FALSE(m_icon.IsThemed());
    Canvas classic(kW, kH);
    Draw(m_icon, classic, ODS_SELECTED);
    EXPECT_EQ(classic.At(0, 0), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(classic.At(5, 15), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(classic.Bounds(kIconColour).left, 13) << "classic pressed look moves the icon";

    m_icon.SetThemed(TRUE);
    EXPECT_TRUE(m_icon.IsThemed());
}

TEST_F(HoverButtonThemed, ThemeChangeClosesTheThemeAndTheNextDrawReopensIt)
{
    ::SendMessageA(m_icon.GetSafeHwnd(), WM_THEMECHANGED, 0, 0);
    EXPECT_FALSE(m_icon.IsThemed());
    Canvas canvas(kW, kH);
    Draw(m_icon, canvas, 0);
    EXPECT_TRUE(m_icon.IsThemed());
}

TEST_F(HoverButtonThemed, AButtonLeftClassicTakesUpTheThemeAtTheNextThemeChange)
{
    m_icon.LoseTheme();
    Canvas classic(kW, kH);
    Draw(m_icon, classic, 0);
    EXPECT_FALSE(m_icon.IsThemed()) << "no new attempt before a theme change";
    ::SendMessageA(m_icon.GetSafeHwnd(), WM_THEMECHANGED, 0, 0);
    Canvas themed(kW, kH);
    Draw(m_icon, themed, 0);
    EXPECT_TRUE(m_icon.IsThemed());
}

TEST(HoverButtonWithoutStyles, EveryButtonIsClassicWithoutTheLibrary)
{
    const CVisualStyles missing("tallvox-no-such-uxtheme.dll");
    ASSERT_FALSE(missing.IsAvailable());
    TestDialog dialog({{kIconOnly, BS_PUSHBUTTON, L""}});
    ProbeButton button(missing);
    ASSERT_TRUE(button.SubclassDlgItem(kIconOnly, &dialog.Object()));
    button.SetThemed(TRUE);
    button.SetIcon(buttontest::MakeSolidIcon());

    Canvas focused(kW, kH);
    Draw(button, focused, ODS_FOCUS);
    EXPECT_FALSE(button.IsThemed());
    Canvas noRectangle(kW, kH);
    Draw(button, noRectangle, ODS_FOCUS | ODS_NOFOCUSRECT);

    for (int x = 0; x < kW; ++x) {
        EXPECT_EQ(focused.At(x, 0), RGB(0, 0, 0)) << x;
        EXPECT_EQ(focused.At(x, kH - 1), RGB(0, 0, 0)) << x;
    }
    EXPECT_EQ(focused.At(5, 15), ::GetSysColor(COLOR_BTNFACE));
    const std::vector<POINT> rectangle = focused.Differences(noRectangle);
    EXPECT_GT(rectangle.size(), 20u);
    EXPECT_TRUE(buttontest::AllOnOutline(rectangle, RECT{4, 4, kW - 4, kH - 4}));
}
