#include "app/Credits.h"

#include <shellapi.h>

#include "app/update/UpdateServer.h"
#include "app/update/UpdateVersion.h"
#include "display/DisplayScale.h"
#include "display/ScaledArt.h"
#include "framework/DataExchange.h"
#include "TallvoxVersion.h"
#include "framework/Dpi.h"
#include "resource.h"
#include "ui/RowFill.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kTitleColour = RGB(60, 179, 113);
constexpr COLORREF kFeaturesColour = RGB(30, 144, 255);
constexpr COLORREF kAuthorColour = RGB(210, 105, 30);

}  // namespace

CCredits::CCredits(CWnd* parent) : CDialog(IDD_ABOUT, parent) {}

const MessageMap* CCredits::ThisMessageMap() {
    using T = CCredits;
    static const MessageEntry entries[] = {
        OnMessage(WM_ERASEBKGND, &msg::EraseBkgnd<T, &T::OnEraseBkgnd>),
        OnCommand(IDC_HOMEPAGE, &msg::Void<T, &T::OnHomepage>),
        OnMessage(WM_SETTINGCHANGE, &msg::Raw<T, &T::OnSettingChange>),
        OnMessage(WM_SYSCOLORCHANGE, &msg::Void<T, &T::OnSysColorChange>),
    };
    static const MessageMap map{CDialog::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* CCredits::GetMessageMap() const { return ThisMessageMap(); }

void CCredits::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_HOMEPAGE, m_btnHomepage);
}

BOOL CCredits::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText("About...");

    m_btnHomepage.SetThemed(TRUE);
    m_btnHomepage.SetIcon(IDI_HOMEPAGE, 1);
    m_btnHomepage.SetWindowText("Homepage");

    // Font heights and the picture follow the display scale.
    const int dpi = WindowDpi(m_hWnd);
    auto font = [dpi](CFont& f, int height, int weight, BYTE underline) {
        f.CreateFont(ScaleForDpi(height, dpi), 0, 0, 0, weight, FALSE, underline, FALSE, ANSI_CHARSET, 0, 0, 0, 0,
                     "Tahoma");
    };
    if (ScaledArtIdForDpi(IDB_ABOUT, dpi) != IDB_ABOUT) {
        m_bmpPicture.Attach(LoadScaledBitmap(IDB_ABOUT, dpi));
        if (m_bmpPicture) {
            // The static hands back the template's picture, no longer shown.
            CBitmap old(reinterpret_cast<HBITMAP>(::SendDlgItemMessageA(
                m_hWnd, IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_bmpPicture.Get()))));
            if (old.Get() == m_bmpPicture.Get()) old.Detach();
        }
    }
    // The picture's name for assistive technology. Set past the static's own
    // handling, which would take a text as the name of a picture to load.
    ::DefWindowProcA(::GetDlgItem(m_hWnd, IDC_ABOUT_PICTURE), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>("Tallvox logo"));
    font(m_fontTitle, 30, FW_BOLD, TRUE);
    font(m_fontFeatures, 13, FW_BOLD, FALSE);
    font(m_fontAuthor, 12, FW_NORMAL, FALSE);

    auto label = [this](CColorStatic& l, UINT id, COLORREF colour, const CFont& f, const char* text) {
        l.SubclassStyled(id, this, colour, f.Get(), kWhite);
        l.SetWindowText(text);
    };
    label(m_lblTitle, IDC_ABOUT_TITLE, kTitleColour, m_fontTitle, "Tallvox");
    label(m_lblFeatures, IDC_ABOUT_FEATURES, kFeaturesColour, m_fontFeatures,
          "Tell you:\r\n - Current date-time.\r\n - Uptime.\r\n - Boot time.\r\n - OS installation date-time.");
    label(m_lblAuthor, IDC_ABOUT_AUTHOR, kAuthorColour, m_fontAuthor,
          "Version " TALLVOX_VERSION_STRING ", under the MIT License.\r\nCopyright (C) 2026 The Tallvox authors.");
    ApplySystemLook();
    return TRUE;
}

void CCredits::ApplySystemLook() {
    const bool highContrast = m_look.HighContrast();
    m_crBack = highContrast ? ::GetSysColor(COLOR_WINDOW) : kWhite;
    m_penBack.DeleteObject();
    const struct {
        CColorStatic& label;
        COLORREF colour;
    } labels[] = {{m_lblTitle, kTitleColour}, {m_lblFeatures, kFeaturesColour}, {m_lblAuthor, kAuthorColour}};
    for (const auto& l : labels) {
        l.label.SetTextColor(highContrast ? ::GetSysColor(COLOR_WINDOWTEXT) : l.colour);
        l.label.SetBkColor(m_crBack);
    }
    ShowAppModeTitleBar(m_hWnd, m_look, m_dwm);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CCredits::OnSettingChange(WPARAM action, LPARAM area) {
    const LRESULT result = Default();
    if (SettingChangeAltersLook(action, area)) ApplySystemLook();
    return result;
}

void CCredits::OnSysColorChange() {
    Default();
    ApplySystemLook();
}

BOOL CCredits::OnEraseBkgnd(HDC dc) { return PaintBackground(dc); }

// One pen for the look shown, however often the box is repainted.
BOOL CCredits::PaintBackground(HDC dc) {
    if (!m_penBack) m_penBack.CreatePen(PS_SOLID, 1, m_crBack);
    FillRowByRow(dc, m_penBack.Get(), GetClientRect());
    return TRUE;
}

void CCredits::OnHomepage() {
    // The homepage is the download page on the update server.
    ::ShellExecuteA(nullptr, "open", DownloadPageUrl(kUpdateVersionFileUrl).c_str(), nullptr, nullptr,
                    SW_SHOWDEFAULT);
}
