// The main window in the system's look: high contrast replaces the user's
// colours and opacity while it is on (the settings file keeps them), the
// title bar follows the app mode, and the size button names what it does.
#include "app/TallvoxDlg.h"

#include "resource.h"

namespace {

constexpr int kOpaque = 100;

}  // namespace

COLORREF CTallvoxDlg::ShownTextColour(COLORREF user) const {
    return m_bHighContrast ? ::GetSysColor(COLOR_WINDOWTEXT) : user;
}

COLORREF CTallvoxDlg::ShownBackground() const {
    return m_bHighContrast ? ::GetSysColor(COLOR_WINDOW) : m_settings.m_crBackground;
}

void CTallvoxDlg::ApplySystemLook() {
    m_bHighContrast = m_pSystemLook->HighContrast();
    ShowLook();
    ShowAppModeTitleBar(m_hWnd, *m_pSystemLook, *m_pDwm);
}

void CTallvoxDlg::ShowLook() {
    const COLORREF back = ShownBackground();
    const struct {
        CColorStatic& line;
        COLORREF text;
    } lines[] = {
        {m_lineUptime, m_settings.m_crUptime},
        {m_lineBootTime, m_settings.m_crBootTime},
        {m_lineInstallDate, m_settings.m_crInstallDate},
        {m_lineInstallTime, m_settings.m_crInstallTime},
    };
    for (const auto& l : lines) {
        l.line.SetTextColor(ShownTextColour(l.text));
        l.line.SetBkColor(back);
    }
    m_clock.SetPlainFace(m_bHighContrast, ::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_WINDOW));
    if (m_osVersion.IsNt5OrLater()) m_layered.SetOpacity(m_hWnd, m_bHighContrast ? kOpaque : m_settings.m_nOpacity);
    // Without RDW_ERASE the repaint would not erase, and the old colour
    // would stay around the controls.
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
}

// The button makes a small window large and a large one small; its name is
// read out, not drawn (the icon says it on screen).
void CTallvoxDlg::ShowSizeButton() {
    m_btnSize.SetTextShown(FALSE);
    m_btnSize.SetIcon(m_settings.m_bMaxWnd ? IDI_RESTORE_SIZE : IDI_MINIMIZE, 0, Dpi());
    m_btnSize.SetWindowText(m_settings.m_bMaxWnd ? "Small window" : "Large window");
}

LRESULT CTallvoxDlg::OnSettingChange(WPARAM action, LPARAM area) {
    const LRESULT result = Default();
    if (SettingChangeAltersLook(action, area)) ApplySystemLook();
    return result;
}

void CTallvoxDlg::OnSysColorChange() {
    Default();
    ApplySystemLook();
}
