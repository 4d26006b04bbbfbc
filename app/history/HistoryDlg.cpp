#include "app/history/HistoryDlg.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "app/outputs/SaveAs.h"
#include "display/DisplayScale.h"
#include "facts/FactsReader.h"
#include "facts/PendingRestartReader.h"
#include "framework/ClipboardText.h"
#include "framework/Dpi.h"
#include "framework/WholeFile.h"
#include "resource.h"

namespace {

// Sizes at 96 DPI.
const int kMargin = 8;
const int kGap = 6;
const int kFontHeight = 13;
const int kSummaryHeight = 98;  // six lines of the font
const int kButtonHeight = 24;
const int kSaveWidth = 100;
const int kCloseWidth = 75;
const int kMinWidth = 360;
const int kMinHeight = 260;
const int kColumnWidths[] = {76, 60, 100, 240, 150};  // date, time, event, detail, up/off before

const int kControls[] = {IDC_HISTORY_SUMMARY, IDC_HISTORY_LIST, IDC_HISTORY_SAVE, IDCANCEL};

}  // namespace

CHistoryDlg::CHistoryDlg(CTallvoxSettings& settings, CWnd* parent)
    : CDialog(IDD_HISTORY, parent), m_settings(settings) {}

CHistoryDlg::~CHistoryDlg() = default;

const MessageMap* CHistoryDlg::ThisMessageMap() {
    using T = CHistoryDlg;
    static const MessageEntry entries[] = {
        OnMessage(WM_HISTORY_READ, &msg::Raw<T, &T::OnHistoryRead>),
        OnMessage(WM_NOTIFY, &msg::Raw<T, &T::OnNotify>),
        OnMessage(WM_GETMINMAXINFO, &msg::Raw<T, &T::OnGetMinMaxInfo>),
        OnMessage(WM_DPICHANGED, &msg::Raw<T, &T::OnDpiChanged>),
        OnMessage(WM_SIZE, &msg::Size<T, &T::OnSize>),
        OnMessage(WM_SETTINGCHANGE, &msg::Raw<T, &T::OnSettingChange>),
        OnCommand(IDC_HISTORY_SAVE, &msg::Void<T, &T::OnSave>),
    };
    static const MessageMap map{CDialog::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* CHistoryDlg::GetMessageMap() const { return ThisMessageMap(); }

LRESULT CHistoryDlg::OnSettingChange(WPARAM action, LPARAM area) {
    const LRESULT result = Default();
    if (SettingChangeAltersLook(action, area)) ShowAppModeTitleBar(m_hWnd, m_look, m_dwm);
    return result;
}

HWND CHistoryDlg::List() const { return GetDlgItem(IDC_HISTORY_LIST); }

BOOL CHistoryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_dpi = WindowDpi(m_hWnd);
    ApplyFont();

    HWND list = List();
    // Its name for assistive technology; a list view draws no window text.
    ::SetWindowTextA(list, "Starts and stops");
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    ShowAppModeTitleBar(m_hWnd, m_look, m_dwm);
    m_rows = HistoryTable(SystemHistory());
    for (int c = 0; c < static_cast<int>(m_rows[0].size()); ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = ScaleForDpi(kColumnWidths[c], m_dpi);
        column.pszText = const_cast<char*>(m_rows[0][static_cast<std::size_t>(c)].c_str());
        ::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
    }
    ::EnableWindow(GetDlgItem(IDC_HISTORY_SAVE), FALSE);

    PlaceWindow();
    Layout();
    m_reading.Start(m_hWnd, WM_HISTORY_READ, [] { return Reading{ReadSystemHistory(), ReadPendingRestart()}; });
    return TRUE;
}

LRESULT CHistoryDlg::OnHistoryRead(WPARAM, LPARAM) {
    std::optional<Reading> reading = m_reading.Take();
    if (!reading) return 0;
    ::SetDlgItemTextA(m_hWnd, IDC_HISTORY_SUMMARY, HistoryWindowSummary(reading->history, reading->pending).c_str());
    m_rows = HistoryTable(reading->history);
    const int events = static_cast<int>(m_rows.size()) - 1;
    ListView_SetItemCountEx(List(), events, 0);
    // The latest in view, at the bottom as in a log.
    if (events > 0) ListView_EnsureVisible(List(), events - 1, FALSE);
    ::EnableWindow(GetDlgItem(IDC_HISTORY_SAVE), events > 0);
    return 0;
}

// The list keeps no text of its own: each field is handed over from the rows.
LRESULT CHistoryDlg::OnNotify(WPARAM, LPARAM header) {
    const auto* notify = reinterpret_cast<const NMHDR*>(header);
    if (notify->idFrom != IDC_HISTORY_LIST || notify->code != LVN_GETDISPINFOA) return Default();
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    const std::size_t row = static_cast<std::size_t>(item.iItem) + 1;
    const std::size_t column = static_cast<std::size_t>(item.iSubItem);
    if ((item.mask & LVIF_TEXT) && row < m_rows.size() && column < m_rows[row].size())
        item.pszText = const_cast<char*>(m_rows[row][column].c_str());
    return 0;
}

BOOL CHistoryDlg::PreTranslateMessage(MSG* msg) {
    const bool ours = m_hWnd && (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd));
    if (ours && msg->message == WM_KEYDOWN && msg->wParam == 'C' && (::GetKeyState(VK_CONTROL) & 0x8000)) {
        SetClipboardText(m_hWnd, TabSeparated(SelectedRows()));
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

TextTable CHistoryDlg::SelectedRows() const {
    TextTable selected = {m_rows[0]};
    for (int i = ListView_GetNextItem(List(), -1, LVNI_SELECTED); i >= 0;
         i = ListView_GetNextItem(List(), i, LVNI_SELECTED)) {
        const std::size_t row = static_cast<std::size_t>(i) + 1;
        if (row < m_rows.size()) selected.push_back(m_rows[row]);
    }
    return selected.size() > 1 ? selected : m_rows;
}

void CHistoryDlg::OnSave() {
    const std::string path = ChooseSavePath("Save the history as CSV", ".csv");
    if (path.empty()) return;
    if (!WriteWholeFile(path, CommaSeparated(m_rows)))
        ::MessageBoxA(m_hWnd, "The history could not be saved in this file.", "History", MB_ICONERROR | MB_OK);
}

void CHistoryDlg::OnCancel() {
    const RECT r = GetWindowRect();
    const int width = UnscaleForDpi(r.right - r.left, m_dpi);
    const int height = UnscaleForDpi(r.bottom - r.top, m_dpi);
    if (width != m_settings.m_nHistoryWidth || height != m_settings.m_nHistoryHeight) {
        m_settings.m_nHistoryWidth = width;
        m_settings.m_nHistoryHeight = height;
        m_settings.SaveHistorySize();
    }
    CDialog::OnCancel();
}

void CHistoryDlg::ApplyFont() {
    CFont font;
    font.CreateFont(ScaleForDpi(kFontHeight, m_dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0,
                    "Tahoma");
    // The controls take the new font before the old one goes.
    for (int id : kControls) ::SendMessageA(GetDlgItem(id), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    m_font = std::move(font);
}

void CHistoryDlg::PlaceWindow() {
    const int minWidth = ScaleForDpi(kMinWidth, m_dpi);
    const int minHeight = ScaleForDpi(kMinHeight, m_dpi);
    int width = std::max(ScaleForDpi(m_settings.m_nHistoryWidth, m_dpi), minWidth);
    int height = std::max(ScaleForDpi(m_settings.m_nHistoryHeight, m_dpi), minHeight);

    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    RECT around{};
    if (!owner || !::GetWindowRect(owner, &around)) ::GetWindowRect(m_hWnd, &around);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    width = std::min(width, static_cast<int>(work.right - work.left));
    height = std::min(height, static_cast<int>(work.bottom - work.top));
    const int left = std::clamp(static_cast<int>((around.left + around.right - width) / 2), static_cast<int>(work.left),
                                static_cast<int>(work.right) - width);
    const int top = std::clamp(static_cast<int>((around.top + around.bottom - height) / 2), static_cast<int>(work.top),
                               static_cast<int>(work.bottom) - height);
    ::SetWindowPos(m_hWnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CHistoryDlg::Layout() {
    if (m_dpi <= 0) return;
    auto s = [this](int v) { return ScaleForDpi(v, m_dpi); };
    const RECT client = GetClientRect();
    const int right = client.right - s(kMargin);
    const int buttonTop = client.bottom - s(kMargin) - s(kButtonHeight);
    const int listTop = s(kMargin) + s(kSummaryHeight) + s(kGap);
    auto place = [this](int id, int left, int top, int r, int bottom) {
        ::MoveWindow(GetDlgItem(id), left, top, std::max(r - left, 0), std::max(bottom - top, 0), TRUE);
    };
    place(IDC_HISTORY_SUMMARY, s(kMargin), s(kMargin), right, s(kMargin) + s(kSummaryHeight));
    place(IDC_HISTORY_LIST, s(kMargin), listTop, right, buttonTop - s(kGap));
    place(IDCANCEL, right - s(kCloseWidth), buttonTop, right, buttonTop + s(kButtonHeight));
    const int saveRight = right - s(kCloseWidth) - s(kGap);
    place(IDC_HISTORY_SAVE, saveRight - s(kSaveWidth), buttonTop, saveRight, buttonTop + s(kButtonHeight));
}

void CHistoryDlg::OnSize(UINT, int, int) {
    Default();
    Layout();
}

LRESULT CHistoryDlg::OnGetMinMaxInfo(WPARAM, LPARAM info) {
    const int dpi = m_dpi > 0 ? m_dpi : WindowDpi(m_hWnd);
    auto* limits = reinterpret_cast<MINMAXINFO*>(info);
    limits->ptMinTrackSize.x = ScaleForDpi(kMinWidth, dpi);
    limits->ptMinTrackSize.y = ScaleForDpi(kMinHeight, dpi);
    return 0;
}

// Handled here in full, as the main window does: the dialog manager's own
// rescaling would put the controls back where the template has them.
LRESULT CHistoryDlg::OnDpiChanged(WPARAM dpi, LPARAM suggested) {
    const int newDpi = LOWORD(dpi);
    const auto* rect = reinterpret_cast<const RECT*>(suggested);
    if (newDpi <= 0 || !rect || m_dpi <= 0) return 0;
    HWND list = List();
    for (int c = 0; c < static_cast<int>(m_rows[0].size()); ++c)
        ListView_SetColumnWidth(list, c, RescaleForDpi(ListView_GetColumnWidth(list, c), m_dpi, newDpi));
    m_dpi = newDpi;
    ApplyFont();
    ::SetWindowPos(m_hWnd, nullptr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
    return 0;
}
