#include "app/TallvoxDlg.h"

#include <shlwapi.h>

#include <ctime>

#include "app/autorun/AutorunDlg.h"
#include "app/Credits.h"
#include "app/history/HistoryDlg.h"
#include "app/LayoutMath.h"
#include "app/SkinTable.h"
#include "app/shell/TaskbarClock.h"
#include "app/update/UpdateCheck.h"
#include "facts/InstallDateQuery.h"
#include "facts/FactsReader.h"
#include "facts/InstallDateText.h"
#include "facts/IsoTime.h"
#include "facts/UptimeText.h"
#include "display/DisplayScale.h"
#include "framework/Dpi.h"
#include "framework/Icon.h"
#include "framework/ModuleName.h"
#include "speech/SapiVoice.h"
#include "resource.h"
#include "ui/RowFill.h"

CTallvoxDlg::CTallvoxDlg(CWnd* parent) : CTallvoxDlg(parent, VoiceFactory(&CreateSapiVoice)) {}

CTallvoxDlg::CTallvoxDlg(CWnd* parent, const VoiceFactory& createVoice)
    : CTrayIconDlg(IDD_TALLVOX_DIALOG, parent),
      m_hIcon(AfxLoadIcon(IDR_MAINFRAME)),
      m_speech(createVoice),
      m_queryInstallDate(&QueryInstallDate),
      m_strModuleDir(ModuleFolder(AfxGetModulePath())) {
    m_unsavedSettings.Watch(m_settings);
}

CTallvoxDlg::~CTallvoxDlg() {
    KillTimer(IDT_REFRESH);
    KillTimer(IDT_TRAYTIP);
    m_clock.Stop();
}

const MessageMap* CTallvoxDlg::ThisMessageMap() {
    using T = CTallvoxDlg;
    static const MessageEntry entries[] = {
        OnMessage(WM_SYSCOMMAND, &msg::SysCommand<CTrayIconDlg, &T::OnSysCommand>),
        OnMessage(WM_PAINT, &msg::Void<T, &T::OnPaint>),
        OnMessage(WM_QUERYDRAGICON, &msg::QueryDragIcon<T, &T::OnQueryDragIcon>),
        OnMessage(WM_TIMER, &msg::Timer<T, &T::OnTimer>),
        OnMessage(WM_SIZE, &msg::Size<T, &T::OnSize>),
        OnMessage(WM_SIZING, &msg::Raw<T, &T::OnSizing>),
        OnMessage(WM_DPICHANGED, &msg::Raw<T, &T::OnDpiChanged>),
        OnMessage(WM_ERASEBKGND, &msg::EraseBkgnd<T, &T::OnEraseBkgnd>),
        OnMessage(WM_CONTEXTMENU, &msg::Raw<T, &T::OnContextMenu>),
        OnMessage(WM_INSTALL_DATE_ANSWER, &msg::Raw<T, &T::OnInstallDateAnswer>),
        OnMessage(WM_SETTINGS_UNREADABLE, &msg::Raw<T, &T::OnSettingsUnreadable>),
        OnMessage(WM_ENDSESSION, &msg::Raw<T, &T::OnEndSession>),
        OnMessage(WM_SETTINGCHANGE, &msg::Raw<T, &T::OnSettingChange>),
        OnMessage(WM_SYSCOLORCHANGE, &msg::Void<T, &T::OnSysColorChange>),
        OnCommand(ID_TRAY_RESTORE, &msg::Void<T, &T::OnRestore>),
        OnCommand(ID_MINIMIZE, &msg::Void<T, &T::OnMinimize>),
        OnCommand(IDOK, &msg::Void<T, &T::OnExit>),
        OnCommand(ID_SAY_UPTIME, &msg::Void<T, &T::SayUptime>),
        OnCommand(ID_SAY_BOOT_TIME, &msg::Void<T, &T::SayBootTime>),
        OnCommand(ID_SAY_CURRENT_TIME, &msg::Void<T, &T::SayCurrentTime>),
        OnCommand(ID_SAY_INSTALL_DATE, &msg::Void<T, &T::SayInstallDate>),
        OnCommand(ID_SAY_INSTALL_TIME, &msg::Void<T, &T::SayInstallTime>),
        OnCommand(ID_COLOR_UPTIME, &msg::Void<T, &T::OnColorUptime>),
        OnCommand(ID_COLOR_BOOT_TIME, &msg::Void<T, &T::OnColorBootTime>),
        OnCommand(ID_COLOR_BACKGROUND, &msg::Void<T, &T::OnColorBackground>),
        OnCommand(ID_COLOR_INSTALL_DATE, &msg::Void<T, &T::OnColorInstallDate>),
        OnCommand(ID_COLOR_INSTALL_TIME, &msg::Void<T, &T::OnColorInstallTime>),
        OnCommand(ID_COLOR_ALL_TEXT, &msg::Void<T, &T::OnColorAllText>),
        OnCommand(ID_COLOR_SECOND_HAND, &msg::Void<T, &T::OnColorSecondHand>),
        OnCommand(ID_OPACITY_10, &msg::Void<T, &T::OnOpacity10>),
        OnCommand(ID_OPACITY_20, &msg::Void<T, &T::OnOpacity20>),
        OnCommand(ID_OPACITY_30, &msg::Void<T, &T::OnOpacity30>),
        OnCommand(ID_OPACITY_40, &msg::Void<T, &T::OnOpacity40>),
        OnCommand(ID_OPACITY_50, &msg::Void<T, &T::OnOpacity50>),
        OnCommand(ID_OPACITY_60, &msg::Void<T, &T::OnOpacity60>),
        OnCommand(ID_OPACITY_70, &msg::Void<T, &T::OnOpacity70>),
        OnCommand(ID_OPACITY_80, &msg::Void<T, &T::OnOpacity80>),
        OnCommand(ID_OPACITY_90, &msg::Void<T, &T::OnOpacity90>),
        OnCommand(ID_OPACITY_100, &msg::Void<T, &T::OnOpacity100>),
        OnCommand(ID_ALWAYS_ON_TOP, &msg::Void<T, &T::OnAlwaysOnTop>),
        OnCommand(IDC_SIZE_BUTTON, &msg::Void<T, &T::OnToggleSize>),
        OnCommand(ID_SKIN_ORANGE, &msg::Void<T, &T::OnSkinOrange>),
        OnCommand(ID_SKIN_ICE, &msg::Void<T, &T::OnSkinIce>),
        OnCommand(ID_SKIN_SILVER, &msg::Void<T, &T::OnSkinSilver>),
        OnCommand(ID_SKIN_GREEN, &msg::Void<T, &T::OnSkinGreen>),
        OnCommand(ID_SKIN_PURPLE, &msg::Void<T, &T::OnSkinPurple>),
        OnCommand(ID_SAVE_REPORT, &msg::Void<T, &T::WriteReport>),
        OnCommand(ID_COPY_TO_CLIPBOARD, &msg::Void<T, &T::CopyInfoToClipboard>),
        OnCommand(ID_HELP_WIZARD, &msg::Void<T, &T::ShowHelp>),
        OnCommand(ID_DATE_TIME_PANEL, &msg::Void<T, &T::OpenDateTimeProperties>),
        OnCommand(ID_SCREENSHOT, &msg::Void<T, &T::TakeScreenshot>),
        OnCommand(ID_AUTORUN, &msg::Void<T, &T::ShowAutorunDialog>),
        OnCommand(ID_HISTORY, &msg::Void<T, &T::ShowHistoryDialog>),
        OnCommand(ID_ABOUT, &msg::Void<T, &T::OnAbout>),
    };
    static const MessageMap map{CTrayIconDlg::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* CTallvoxDlg::GetMessageMap() const { return ThisMessageMap(); }

void CTallvoxDlg::DoDataExchange(CDataExchange* dx) {
    CTrayIconDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_CLOCK, m_clock);
    DDX_Control(dx, IDC_SIZE_BUTTON, m_btnSize);
}

BOOL CTallvoxDlg::OnInitDialog() {
    CTrayIconDlg::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    InitMainWindow();
    return TRUE;
}

namespace {

// The layout is captured once per process, after the clock has its size, at
// the DPI the window then had; it is placed at the DPI the window has now.
struct LayoutRecords {
    CenteredRecord centered[5];
    ButtonRecord button;
    int dpi = kDefaultDpi;
    bool captured = false;
};
LayoutRecords g_layout;

const int kCenteredIds[5] = {IDC_CLOCK, IDC_LINE_UPTIME, IDC_LINE_BOOT_TIME, IDC_LINE_INSTALL_DATE,
                             IDC_LINE_INSTALL_TIME};

LayoutRect ChildRect(HWND parent, HWND child) {
    RECT rc{};
    ::GetWindowRect(child, &rc);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
    return LayoutRect{rc.left, rc.top, rc.right, rc.bottom};
}

void MoveChild(HWND child, const LayoutRect& r) { ::MoveWindow(child, r.left, r.top, r.Width(), r.Height(), FALSE); }

// The line font's cell height at 96 DPI.
constexpr int kLineFontHeight = 12;
constexpr int kPointsPerInch = 72;

}  // namespace

int CTallvoxDlg::Dpi() {
    if (m_nDpi <= 0) return WindowDpi(m_hWnd);
    return m_nDpi;
}

void CTallvoxDlg::CreateLineFont() {
    CFont font;
    font.CreateFont(ScaleForDpi(kLineFontHeight, Dpi()), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0,
                    "Tahoma");
    // The lines take the new font before the old one goes.
    for (CColorStatic* line : {&m_lineUptime, &m_lineBootTime, &m_lineInstallDate, &m_lineInstallTime})
        if (line->GetSafeHwnd()) line->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    m_fontLines = std::move(font);
}

void CTallvoxDlg::ShowSkin(int skin) {
    const SkinBitmaps bitmaps = SkinForDpi(skin, Dpi());
    m_clock.SetSkin(bitmaps.faceId, bitmaps.dateId);
    const SIZE face = m_clock.GetFaceSize();
    const LayoutRect clockRect = ChildRect(m_hWnd, m_clock.GetSafeHwnd());
    if (face.cx != clockRect.Width() || face.cy != clockRect.Height())
        m_clock.MoveWindow(clockRect.left, clockRect.top, face.cx, face.cy, TRUE);
}

void CTallvoxDlg::InitMainWindow() {
    LoadTrayIcon(IDR_MAINFRAME);
    LoadTrayMenu(IDR_TRAY_MENU);

    m_unsavedSettings.SetOwner(m_hWnd);
    if (!m_settings.LoadOrCreate()) ::PostMessageA(m_hWnd, WM_SETTINGS_UNREADABLE, 0, 0);

    SetTimer(IDT_REFRESH, 1000);
    SetTimer(IDT_TRAYTIP, 1000);

    m_nDpi = WindowDpi(m_hWnd);
    m_nCreatedDpi = m_nDpi;
    if (HFONT dialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)))
        ::GetObjectA(dialogFont, sizeof m_lfDialog, &m_lfDialog);
    CreateLineFont();

    InitClock();
    LayoutControls(true);
    LayoutControls(false);
    InitLines();

    // Whole, however long: a folder cut short would be some other folder.
    m_strHelpPath = FileInFolder(m_strModuleDir, "Help.txt");

    ApplyWindowSettings();

    // In the background: a slow or absent network never holds the window up.
    m_updateCheck.Start();
}

// The clock takes the size of its face, at the template's top-left corner.
void CTallvoxDlg::InitClock() {
    ShowSkin(m_settings.m_nSkin);
    m_clock.Start();
    m_clock.m_bShowDate = TRUE;
    m_clock.m_bShowSeconds = TRUE;
    m_clock.m_crSecondHand = m_settings.m_crClockSecHand;
}

void CTallvoxDlg::InitLines() {
    auto styleLine = [this](CColorStatic& line, UINT id, COLORREF colour) {
        line.SubclassStyled(id, this, colour, m_fontLines.Get(), m_settings.m_crBackground);
    };
    styleLine(m_lineUptime, IDC_LINE_UPTIME, m_settings.m_crUptime);
    styleLine(m_lineBootTime, IDC_LINE_BOOT_TIME, m_settings.m_crBootTime);
    m_strBootLine = Facts().bootTime;
    m_lineBootTime.SetWindowText(m_strBootLine);
    styleLine(m_lineInstallTime, IDC_LINE_INSTALL_TIME, m_settings.m_crInstallTime);
    styleLine(m_lineInstallDate, IDC_LINE_INSTALL_DATE, m_settings.m_crInstallDate);
    // WMI can take many seconds to answer (or never does): the window shows
    // and ticks meanwhile, and the line reads as for a failed query until
    // the answer arrives.
    m_strInstallDateLine = "- OS Installation Date: " + Facts().installDate;
    m_lineInstallDate.SetWindowText(m_strInstallDateLine);
    StartInstallDateQuery();
    m_factTips.Attach(m_hWnd, IDC_LINE_UPTIME, IDC_LINE_BOOT_TIME, IDC_LINE_INSTALL_DATE);
}

void CTallvoxDlg::ApplyWindowSettings() {
    if (m_osVersion.IsNt5OrLater()) {
        m_layered.AddLayeredStyle(m_hWnd);
        m_layered.SetOpacity(m_hWnd, m_settings.m_nOpacity);
    }

    ApplySystemLook();

    if (m_settings.m_bTopMost) ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);

    // The small size opens at the screen's top-left corner; the large one
    // keeps the template's size (and its position, which is the same corner).
    if (!m_settings.m_bMaxWnd) {
        const WindowSizes sizes = WindowSizesForDpi(Dpi());
        MoveWindow(0, 0, sizes.smallWidth, sizes.smallHeight, TRUE);
    }
    ShowSizeButton();
}

namespace {

// Single-key shortcuts: the key's virtual-key code and the command's handler.
// Letters are matched by key code, so Shift and Caps Lock make no difference.
struct KeyCommand {
    WPARAM key;
    void (CTallvoxDlg::*handler)();
};

}  // namespace

BOOL CTallvoxDlg::PreTranslateMessage(MSG* msg) {
    using T = CTallvoxDlg;
    static const KeyCommand kKeyTable[] = {
        {VK_SPACE, &T::WriteReport},
        {VK_RETURN, &T::TakeScreenshot},
        {VK_DOWN, &T::OnMinimize},
        {'A', &T::ShowAutorunDialog},
        {'H', &T::ShowHistoryDialog},
        {'U', &T::SayUptime},
        {'B', &T::SayBootTime},
        {'D', &T::SayCurrentTime},
        {'Y', &T::SayInstallDate},
        {'Z', &T::SayInstallTime},
        {'S', &T::OnToggleSize},
        {VK_F2, &T::OnColorUptime},
        {VK_F3, &T::OnColorBootTime},
        {VK_F4, &T::OnColorBackground},
        {VK_F5, &T::OnColorSecondHand},
        {VK_F6, &T::OpenDateTimeProperties},
        {VK_F7, &T::OnColorInstallDate},
        {VK_F8, &T::OnColorInstallTime},
        {VK_F9, &T::OnColorAllText},
    };
    if (msg->message == WM_KEYDOWN) {
        // A shortcut's key stops here: passed on, Space or Enter would also
        // press the size button, which has the focus.
        // Control matters for C alone: Ctrl+U still says the uptime.
        if (msg->wParam == 'C' && (::GetKeyState(VK_CONTROL) & 0x8000)) {
            CopyInfoToClipboard();
            return TRUE;
        }
        if (msg->wParam == VK_ESCAPE) {
            OnOK();
            return TRUE;
        }
        // Tab moves the focus as in any dialog, to the size button, and shows
        // its focus rectangle (hidden after a start by mouse); asked for here
        // too, as not every dialog manager does (Wine's does not).
        if (msg->wParam == VK_TAB) {
            SendMessage(WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
            return ::IsDialogMessageA(m_hWnd, msg);
        }
        for (const KeyCommand& k : kKeyTable)
            if (k.key == msg->wParam) {
                (this->*k.handler)();
                return TRUE;
            }
    }
    // The dialog manager's other keys (Enter, Escape) are not used here.
    return CWnd::PreTranslateMessage(msg);
}

void CTallvoxDlg::OnTimer(UINT_PTR id) {
    if (id == IDT_REFRESH) {
        if (!IsWindowVisible()) return;
        const FactReadings readings = ReadFacts(false);
        const FactsSnapshot facts = GatherFacts(readings, m_timeFacts);
        m_strUptimeText = facts.uptime;
        m_lineUptime.SetWindowText(m_strUptimeText);
        m_strInstallTimeText = facts.installTime;
        m_lineInstallTime.SetWindowText(m_strInstallTimeText);
        m_factTips.Refresh(readings.tickMilliseconds, readings.now,
                           m_bInstallDateKnown ? LocalToUnixSeconds(m_installDate) : std::nullopt);
        // A query that failed (WMI is often not ready right after logon) is
        // asked again, now and then.
        if (!m_bInstallDateKnown && ::GetTickCount64() - m_installDateAskedAt >= kInstallDateRetryMs)
            StartInstallDateQuery();
    } else if (id == IDT_TRAYTIP) {
        if (!IsTrayIconShown()) return;
        // The shell gets the tip composed on the previous tick.
        ModifyTrayIcon();
        const FactsSnapshot facts = GatherFacts(ReadFacts(false), m_timeFacts);
        m_strTrayTip = facts.uptime + "\r\n" + facts.today;
        SetTrayTipText(m_strTrayTip);
    } else {
        Default();
    }
}

// The lines fill as they would have at start-up: the date now, the time
// since at the next refresh tick. A failed query leaves them as they are.
LRESULT CTallvoxDlg::OnInstallDateAnswer(WPARAM, LPARAM) {
    TakeInstallDateAnswer();
    return 0;
}

void CTallvoxDlg::TakeInstallDateAnswer() {
    const std::optional<InstallDateAnswer> received = m_installDateJob.Take();
    InstallDateTime parsed;
    std::string text;
    if (!received || !received->ok || !ParseCimDateTime(received->cimText, &parsed, &text)) return;
    m_installDate = parsed;
    m_bInstallDateKnown = true;
    m_installCim = received->cimText;
    m_strInstallDateLine = "- OS Installation Date: " + text;
    m_lineInstallDate.SetWindowText(m_strInstallDateLine);
}

void CTallvoxDlg::StartInstallDateQuery() {
    if (m_installDateJob.Running()) return;
    m_installDateAskedAt = ::GetTickCount64();
    const InstallDateQuery query = m_queryInstallDate;
    m_installDateJob.Start(m_hWnd, WM_INSTALL_DATE_ANSWER, [query] { return AskInstallDate(query); });
}

LRESULT CTallvoxDlg::OnSettingsUnreadable(WPARAM, LPARAM) {
    m_unsavedSettings.TellUnreadable(m_settings.m_strFile);
    return 0;
}

// The process may be ended as soon as this returns, so the taskbar clock is
// given back here rather than on the way out of the loop.
LRESULT CTallvoxDlg::OnEndSession(WPARAM ending, LPARAM) {
    if (ending) {
        if (m_pTaskbarClock) m_pTaskbarClock->Restore();
        EndDialog(IDCANCEL);
    }
    return 0;
}

void CTallvoxDlg::OnTaskbarCreated() {
    CTrayIconDlg::OnTaskbarCreated();
    // A restarted Explorer brings a taskbar with its clock shown.
    if (m_pTaskbarClock) m_pTaskbarClock->HideAgain();
}

void CTallvoxDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    const RECT rc = GetClientRect();
    ::DrawIcon(dc, (rc.right - rc.left - cxIcon + 1) / 2, (rc.bottom - rc.top - cyIcon + 1) / 2, m_hIcon);
}

HCURSOR CTallvoxDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }

void CTallvoxDlg::OnSize(UINT, int, int) {
    Default();
    if (::GetWindow(m_hWnd, GW_CHILD)) LayoutControls(false);

    const RECT wr = GetWindowRect();
    const int width = wr.right - wr.left;
    const int height = wr.bottom - wr.top;
    const int dpi = Dpi();
    const WindowSizes sizes = WindowSizesForDpi(dpi);
    // Each correction arrives here again as a nested WM_SIZE, which applies
    // the other limit.
    if (height > sizes.maxHeight)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, sizes.maxHeight, SWP_NOMOVE | SWP_NOZORDER);
    else if (width > sizes.maxWidth)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, sizes.maxWidth, height, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowText(SizeCaption(width, height, dpi));
}

LRESULT CTallvoxDlg::OnSizing(WPARAM edge, LPARAM rect) {
    Default();
    auto* proposed = reinterpret_cast<RECT*>(rect);
    const LayoutRect limited = LimitSizing(LayoutRect{proposed->left, proposed->top, proposed->right, proposed->bottom},
                                           static_cast<SizingEdge>(edge), Dpi());
    *proposed = RECT{limited.left, limited.top, limited.right, limited.bottom};
    return TRUE;
}

// Handled here in full: the dialog manager's own rescaling would move the
// controls from the template again and undo the layout.
LRESULT CTallvoxDlg::OnDpiChanged(WPARAM dpi, LPARAM suggested) {
    const int newDpi = LOWORD(dpi);
    const auto* rect = reinterpret_cast<const RECT*>(suggested);
    if (newDpi <= 0 || !rect) return 0;
    m_nDpi = newDpi;

    CreateLineFont();
    // The day in the clock's date window is written in the dialog's font:
    // its point size at the new DPI, as the template would have made it.
    LOGFONTA lf = m_lfDialog;
    if (lf.lfHeight < 0) {
        const int points = RescaleForDpi(-lf.lfHeight, m_nCreatedDpi, kPointsPerInch);
        lf.lfHeight = -RescaleForDpi(points, kPointsPerInch, newDpi);
    } else {
        lf.lfHeight = RescaleForDpi(lf.lfHeight, m_nCreatedDpi, newDpi);
    }
    CFont dialogFont;
    if (dialogFont.CreateFontIndirect(lf)) {
        m_clock.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont.Get()), FALSE);
        m_fontDialog = std::move(dialogFont);
    }

    m_clock.Stop();
    ShowSkin(m_settings.m_nSkin);
    m_clock.Start();
    ShowSizeButton();

    // Its WM_SIZE lays the controls out and sets the caption; a rectangle of
    // the same size sends none, so the layout is applied here as well.
    ::SetWindowPos(m_hWnd, nullptr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControls(false);
    return 0;
}

void CTallvoxDlg::OnExit() { OnOK(); }

void CTallvoxDlg::ShowAutorunDialog() {
    CAutorunDlg dialog(nullptr);
    dialog.DoModal();
}

void CTallvoxDlg::ShowHistoryDialog() {
    CHistoryDlg dialog(m_settings);
    dialog.DoModal();
}

void CTallvoxDlg::OnAbout() {
    CCredits dialog(nullptr);
    dialog.DoModal();
}

void CTallvoxDlg::OnMinimize() {
    if (AddTrayIcon()) ShowWindow(SW_HIDE);
}

void CTallvoxDlg::OnRestore() {
    RemoveTrayIcon();
    ShowWindow(SW_SHOW);
}

BOOL CTallvoxDlg::OnEraseBkgnd(HDC dc) { return PaintBackground(dc); }

BOOL CTallvoxDlg::PaintBackground(HDC dc) {
    // One line per pixel row in the background colour: a solid fill that
    // creates and deletes its pen on every erase.
    m_penBack.CreatePen(PS_SOLID, 1, ShownBackground());
    FillRowByRow(dc, m_penBack.Get(), GetClientRect());
    m_penBack.DeleteObject();
    return TRUE;
}


void CTallvoxDlg::LayoutControls(bool capture) {
    if (!capture && !g_layout.captured) return;
    const int dpi = Dpi();
    const RECT cr = GetClientRect();
    const LayoutRect client{cr.left, cr.top, cr.right, cr.bottom};
    if (capture) g_layout.dpi = dpi;
    // The clock keeps the size of its face, which a change of DPI may have
    // given it anew.
    const LayoutRect clockNow = ChildRect(m_hWnd, GetDlgItem(IDC_CLOCK));
    for (int i = 0; i < 5; ++i) {
        HWND child = GetDlgItem(kCenteredIds[i]);
        if (capture) {
            g_layout.centered[i] = CaptureCentered(ChildRect(m_hWnd, child));
            continue;
        }
        CenteredRecord record = RescaleCentered(g_layout.centered[i], g_layout.dpi, dpi);
        if (kCenteredIds[i] == IDC_CLOCK) {
            const CenteredRecord size = CaptureCentered(clockNow);
            record.width = size.width;
            record.halfWidth = size.halfWidth;
            record.height = size.height;
        }
        MoveChild(child, PlaceCentered(record, client));
    }
    HWND button = GetDlgItem(IDC_SIZE_BUTTON);
    const LayoutRect clock = ChildRect(m_hWnd, GetDlgItem(IDC_CLOCK));
    if (capture) {
        g_layout.button = CaptureButton(ChildRect(m_hWnd, button), clock);
        g_layout.captured = true;
    } else {
        MoveChild(button, PlaceButton(RescaleButton(g_layout.button, g_layout.centered[0].width, clock.Width(),
                                                    g_layout.dpi, dpi),
                                      clock));
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
}

FactReadings CTallvoxDlg::ReadFacts(bool withNames) {
    FactReadings readings = withNames ? ReadClockAndNames() : ReadClock();
    if (m_bInstallDateKnown) readings.installCim = m_installCim;
    return readings;
}

FactsSnapshot CTallvoxDlg::Facts() { return GatherFacts(ReadFacts(true), m_timeFacts); }

// The query runs on its worker even here: WMI may never answer, and the
// window must not wait for it longer than a moment. An answer within that
// moment (the usual case once WMI is ready) goes into this output; later,
// the output tells what a failed query does and the answer fills the lines
// when it comes.
FactsSnapshot CTallvoxDlg::FactsWithInstallDate() {
    if (!m_bInstallDateKnown) {
        StartInstallDateQuery();
        m_installDateJob.Wait(kInstallDateWaitMs);
        TakeInstallDateAnswer();
    }
    return Facts();
}

void CTallvoxDlg::SayUptime() { Speak(Facts().uptime); }

void CTallvoxDlg::SayBootTime() { Speak(Facts().bootTime); }

void CTallvoxDlg::SayCurrentTime() { Speak("current time is " + Facts().dateTime); }

void CTallvoxDlg::SayInstallDate() {
    Speak("operating system installed since " + FactsWithInstallDate().installDate);
}

void CTallvoxDlg::SayInstallTime() { Speak(FactsWithInstallDate().installTime); }
