// The colour static in a dialog of the program (102), answering the
// control-colour request its parent reflects to it.
#include "controls/ColorStatic.h"

#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "resource.h"

namespace {

class LinesDialog : public CDialog {
public:
    LinesDialog() : CDialog(IDD_TALLVOX_DIALOG, nullptr) {}
    ~LinesDialog() override {
        if (m_hWnd) ::DestroyWindow(m_hWnd);
    }
};

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH lb{};
    ::GetObjectA(brush, sizeof lb, &lb);
    return lb.lbColor;
}

}  // namespace

TEST(ColorStatic, AnswersTheReflectedColourRequestWithItsOwnColours) {
    LinesDialog dialog;
    ASSERT_TRUE(dialog.Create());
    CColorStatic line;
    ASSERT_TRUE(line.SubclassDlgItem(IDC_LINE_UPTIME, &dialog));

    HDC dc = ::GetDC(line.GetSafeHwnd());
    // Fresh: button text on button face.
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        ::SendMessageA(dialog.GetSafeHwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(line.GetSafeHwnd())));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), BrushColour(brush));
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), ::GetTextColor(dc));

    line.SetTextColor(RGB(10, 20, 30));
    line.SetBkColor(RGB(200, 100, 50));
    brush = reinterpret_cast<HBRUSH>(::SendMessageA(dialog.GetSafeHwnd(), WM_CTLCOLORSTATIC,
                                                    reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(line.GetSafeHwnd())));
    EXPECT_EQ(RGB(200, 100, 50), BrushColour(brush));
    EXPECT_EQ(RGB(10, 20, 30), ::GetTextColor(dc));
    EXPECT_EQ(RGB(200, 100, 50), ::GetBkColor(dc));

    // -1 goes back to the system colours, with the old brush released.
    HBRUSH custom = brush;
    line.SetBkColor(static_cast<COLORREF>(-1));
    line.SetTextColor(static_cast<COLORREF>(-1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), line.BkColor());
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), line.TextColor());
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), BrushColour(line.BkBrush()));
    LOGBRUSH gone{};
    EXPECT_EQ(0, ::GetObjectA(custom, sizeof gone, &gone)) << "the replaced brush was deleted";
    ::ReleaseDC(line.GetSafeHwnd(), dc);
}

TEST(ColorStatic, ControlsWithoutAnObjectGetTheDialogsDefault) {
    LinesDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND plain = ::GetDlgItem(dialog.GetSafeHwnd(), IDC_LINE_BOOT_TIME);
    HDC dc = ::GetDC(plain);
    const LRESULT brush = ::SendMessageA(dialog.GetSafeHwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(plain));
    EXPECT_NE(0, brush);
    EXPECT_NE(RGB(200, 100, 50), BrushColour(reinterpret_cast<HBRUSH>(brush)));
    ::ReleaseDC(plain, dc);
}
