// The layered-window helper on a real window; the percentages themselves
// are OpacityMath's.
#include "app/shell/LayeredWindow.h"

#include <gtest/gtest.h>

namespace {

class TestWindow {
public:
    TestWindow()
        : m_hwnd(::CreateWindowExA(0, "STATIC", "Tallvox layered test", WS_POPUP, 0, 0, 50, 50,
                                   nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~TestWindow()
    {
        if (m_hwnd) ::DestroyWindow(m_hwnd);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND Get() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

}  // namespace

TEST(LayeredWindow, OpacityOnARealWindow) {
    // Wine creates no window at all without an X display.
    if (::GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) GTEST_SKIP() << "no DISPLAY";
    TestWindow window;
    ASSERT_NE(nullptr, window.Get());
    CLayeredWindow layered;
    EXPECT_EQ(0, ::GetWindowLongA(window.Get(), GWL_EXSTYLE) & WS_EX_LAYERED);
    layered.AddLayeredStyle(window.Get());
    EXPECT_NE(0, ::GetWindowLongA(window.Get(), GWL_EXSTYLE) & WS_EX_LAYERED);

    EXPECT_TRUE(layered.SetOpacity(window.Get(), 50));
    COLORREF key = 1;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window.Get(), &key, &alpha, &flags));
    EXPECT_EQ(127, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);

    EXPECT_TRUE(layered.SetLayeredAttributes(window.Get(), RGB(255, 0, 255), 0, LWA_COLORKEY));
    ASSERT_TRUE(::GetLayeredWindowAttributes(window.Get(), &key, &alpha, &flags));
    EXPECT_EQ(RGB(255, 0, 255), key);
    EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY), flags);
}
