// The main window's look as the user changes it: line, background and
// second-hand colours, opacity, always-on-top, window size and clock skin.
// Every change shows at once and is written to the settings file at once.
#include "app/TallvoxDlg.h"

#include "app/LayoutMath.h"
#include "framework/ColorDialog.h"
#include "resource.h"

namespace {

// Runs the colour chooser from a fixed starting colour; true when the user
// chose one.
bool ChooseColour(COLORREF initial, COLORREF* choice) {
    CColorDialog dialog(initial, CC_FULLOPEN, nullptr);
    if (dialog.DoModal() != IDOK) return false;
    *choice = dialog.GetColor();
    return true;
}

constexpr COLORREF kUptimeStart = RGB(0, 0, 25);
constexpr COLORREF kTextStart = RGB(150, 28, 25);
constexpr COLORREF kBackgroundStart = RGB(150, 128, 250);
constexpr COLORREF kSecondHandStart = RGB(0, 0, 0);

}  // namespace

// A text colour equal to the background, or a background equal to a text
// colour, would leave a line unreadable: such a choice is refused silently.

void CTallvoxDlg::SetLineColour(CColorStatic& line, COLORREF colour, COLORREF& field,
                                void (CTallvoxSettings::*save)()) {
    field = colour;
    line.SetTextColor(ShownTextColour(colour));
    (m_settings.*save)();
}

void CTallvoxDlg::OnColorUptime() {
    COLORREF c;
    if (ChooseColour(kUptimeStart, &c) && c != m_settings.m_crBackground)
        SetLineColour(m_lineUptime, c, m_settings.m_crUptime, &CTallvoxSettings::SaveUptimeColor);
}

void CTallvoxDlg::OnColorBootTime() {
    COLORREF c;
    if (ChooseColour(kTextStart, &c) && c != m_settings.m_crBackground)
        SetLineColour(m_lineBootTime, c, m_settings.m_crBootTime, &CTallvoxSettings::SaveBootTimeColor);
}

void CTallvoxDlg::OnColorInstallDate() {
    COLORREF c;
    if (ChooseColour(kTextStart, &c) && c != m_settings.m_crBackground)
        SetLineColour(m_lineInstallDate, c, m_settings.m_crInstallDate, &CTallvoxSettings::SaveInstallDateColor);
}

void CTallvoxDlg::OnColorInstallTime() {
    COLORREF c;
    if (ChooseColour(kTextStart, &c) && c != m_settings.m_crBackground)
        SetLineColour(m_lineInstallTime, c, m_settings.m_crInstallTime, &CTallvoxSettings::SaveInstallTimeColor);
}

void CTallvoxDlg::OnColorAllText() {
    COLORREF c;
    if (!ChooseColour(kTextStart, &c) || c == m_settings.m_crBackground) return;
    SetLineColour(m_lineUptime, c, m_settings.m_crUptime, &CTallvoxSettings::SaveUptimeColor);
    SetLineColour(m_lineBootTime, c, m_settings.m_crBootTime, &CTallvoxSettings::SaveBootTimeColor);
    SetLineColour(m_lineInstallDate, c, m_settings.m_crInstallDate, &CTallvoxSettings::SaveInstallDateColor);
    SetLineColour(m_lineInstallTime, c, m_settings.m_crInstallTime, &CTallvoxSettings::SaveInstallTimeColor);
}

void CTallvoxDlg::OnColorBackground() {
    COLORREF c;
    if (!ChooseColour(kBackgroundStart, &c)) return;
    if (c == m_settings.m_crInstallTime || c == m_settings.m_crInstallDate || c == m_settings.m_crBootTime ||
        c == m_settings.m_crUptime)
        return;
    m_settings.m_crBackground = c;
    m_settings.SaveBackgroundColor();
    ShowLook();
}

void CTallvoxDlg::OnColorSecondHand() {
    COLORREF c;
    if (!ChooseColour(kSecondHandStart, &c)) return;
    m_settings.m_crClockSecHand = c;
    m_clock.m_crSecondHand = c;  // shown at the next tick
    m_settings.SaveClockSecHand();
}

// While high contrast is on the window stays opaque; the choice is saved for
// when it is off.
void CTallvoxDlg::ApplyOpacity(int percentage) {
    if (!m_bHighContrast) m_layered.SetOpacity(m_hWnd, percentage);
    m_settings.m_nOpacity = percentage;
    m_settings.SaveOpacity();
}

void CTallvoxDlg::OnOpacity10() { ApplyOpacity(10); }
void CTallvoxDlg::OnOpacity20() { ApplyOpacity(20); }
void CTallvoxDlg::OnOpacity30() { ApplyOpacity(30); }
void CTallvoxDlg::OnOpacity40() { ApplyOpacity(40); }
void CTallvoxDlg::OnOpacity50() { ApplyOpacity(50); }
void CTallvoxDlg::OnOpacity60() { ApplyOpacity(60); }
void CTallvoxDlg::OnOpacity70() { ApplyOpacity(70); }
void CTallvoxDlg::OnOpacity80() { ApplyOpacity(80); }
void CTallvoxDlg::OnOpacity90() { ApplyOpacity(90); }
void CTallvoxDlg::OnOpacity100() { ApplyOpacity(100); }

void CTallvoxDlg::OnAlwaysOnTop() {
    m_settings.m_bTopMost = !m_settings.m_bTopMost;
    ::SetWindowPos(m_hWnd, m_settings.m_bTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE);
    m_settings.SaveTopMost();
}

// The window keeps its place; the resize re-centres the controls and sets
// the caption through OnSize.
void CTallvoxDlg::OnToggleSize() {
    m_settings.m_bMaxWnd = !m_settings.m_bMaxWnd;
    const WindowSizes sizes = WindowSizesForDpi(Dpi());
    const int width = m_settings.m_bMaxWnd ? sizes.largeWidth : sizes.smallWidth;
    const int height = m_settings.m_bMaxWnd ? sizes.largeHeight : sizes.smallHeight;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE);
    m_settings.SaveMaxWnd();
    ShowSizeButton();
}

void CTallvoxDlg::SelectSkin(int skin) {
    if (m_settings.m_nSkin == skin) return;
    m_clock.Stop();
    ShowSkin(skin);
    m_clock.Start();
    m_settings.m_nSkin = skin;
    m_settings.SaveSkin();
}

void CTallvoxDlg::OnSkinSilver() { SelectSkin(0); }
void CTallvoxDlg::OnSkinIce() { SelectSkin(1); }
void CTallvoxDlg::OnSkinOrange() { SelectSkin(2); }
void CTallvoxDlg::OnSkinGreen() { SelectSkin(3); }
void CTallvoxDlg::OnSkinPurple() { SelectSkin(4); }
