// The run-time loaded visual styles library: what Wine provides, and the
// unavailable library every call must survive.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/VisualStyles.h"
#include "win/controls/ButtonTestSupport.h"

using buttontest::Canvas;
using buttontest::kSentinel;

namespace {

class ButtonWindow {
public:
    ButtonWindow()
        : m_hWnd(::CreateWindowExA(0, "BUTTON", "x", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr, nullptr, nullptr))
    {
    }
    ~ButtonWindow() { ::DestroyWindow(m_hWnd); }
    ButtonWindow(const ButtonWindow&) = delete;
    ButtonWindow& operator=(const ButtonWindow&) = delete;
    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

} // namespace

TEST(VisualStyles, TheProgramsLoaderFindsAllSevenEntryPointsUnderWine)
{
    ASSERT_TRUE(g_visualStyles.IsAvailable());
    EXPECT_TRUE(g_visualStyles.IsAppThemed());
    ButtonWindow window;
    HTHEME theme = g_visualStyles.OpenThemeData(window.Get(), "Button");
    ASSERT_NE(theme, nullptr);

    Canvas background(40, 30);
    EXPECT_TRUE(g_visualStyles.DrawThemeBackground(theme, background.Dc(), 1, 1, RECT{0, 0, 40, 30}, nullptr));
    EXPECT_LT(background.Count(kSentinel), 40 * 30 / 2);

    Canvas text(80, 20);
    ::SelectObject(text.Dc(), ::GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_TRUE(g_visualStyles.DrawThemeText(theme, text.Dc(), 1, 1, "Caf\xE9 Ol\xE9", DT_SINGLELINE, 0,
                                             RECT{0, 0, 80, 20}));
    EXPECT_GT(80 * 20 - text.Count(kSentinel), 10) << "some text was drawn";

    EXPECT_TRUE(g_visualStyles.CloseThemeData(theme));

    // Null handles are refused without drawing.
    EXPECT_FALSE(g_visualStyles.CloseThemeData(nullptr));
    EXPECT_FALSE(g_visualStyles.DrawThemeBackground(nullptr, text.Dc(), 1, 1, RECT{0, 0, 80, 20}, nullptr));
    EXPECT_EQ(g_visualStyles.OpenThemeData(nullptr, "Button"), nullptr);
}

TEST(VisualStyles, AMissingLibraryLeavesEveryCallUnavailable)
{
    const CVisualStyles missing("tallvox-no-such-uxtheme.dll");
    EXPECT_FALSE(missing.IsAvailable());
    EXPECT_FALSE(missing.IsAppThemed());
    ButtonWindow window;
    EXPECT_EQ(missing.OpenThemeData(window.Get(), "Button"), nullptr);

    // A real theme handle from elsewhere is not touched either.
    HTHEME theme = g_visualStyles.OpenThemeData(window.Get(), "Button");
    Canvas canvas(10, 10);
    EXPECT_FALSE(missing.DrawThemeBackground(theme, canvas.Dc(), 1, 1, RECT{0, 0, 10, 10}, nullptr));
    EXPECT_FALSE(missing.DrawThemeText(theme, canvas.Dc(), 1, 1, "x", 0, 0, RECT{0, 0, 10, 10}));
    EXPECT_FALSE(missing.CloseThemeData(theme));
    EXPECT_EQ(canvas.Count(kSentinel), 100);
    g_visualStyles.CloseThemeData(theme);
}

TEST(VisualStyles, ALibraryWithoutTheEntryPointsIsLetGoAtOnce)
{
    if (::GetModuleHandleA("msacm32.dll"))
        GTEST_SKIP() << "already loaded by someone else";
    const CVisualStyles other("msacm32.dll");
    EXPECT_FALSE(other.IsAvailable());
    EXPECT_EQ(::GetModuleHandleA("msacm32.dll"), nullptr);
}
