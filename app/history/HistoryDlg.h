// The History window: the machine's starts and stops under their summary,
// and whether a restart is pending. The log is read on a worker when the
// window opens and the list fills when the reading arrives. Ctrl+C copies
// the selected rows (all of them when none is) as tab-separated text under
// the header; "Save as CSV..." writes every row. The window follows the
// display scale, and its size, in 96-DPI units, is kept in the settings.
#pragma once
#include <windows.h>

#include "app/settings/TallvoxSettings.h"
#include "app/shell/DarkTitleBar.h"
#include "app/shell/SystemLook.h"
#include "facts/PendingRestart.h"
#include "facts/SystemHistory.h"
#include "facts/SystemHistoryText.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/WorkerThread.h"

class CHistoryDlg : public CDialog {
public:
    // The size is read from `settings` and written back through it.
    explicit CHistoryDlg(CTallvoxSettings& settings, CWnd* parent = nullptr);
    ~CHistoryDlg() override;

    // The worker's reading, posted to the window.
    static constexpr UINT WM_HISTORY_READ = WM_APP + 1;

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    // Escape, the close box and Close: the size is kept, then the window goes.
    void OnCancel() override;

private:
    struct Reading {
        SystemHistory history;
        PendingRestart pending;
    };

    LRESULT OnHistoryRead(WPARAM, LPARAM);
    LRESULT OnNotify(WPARAM, LPARAM header);
    LRESULT OnGetMinMaxInfo(WPARAM, LPARAM info);
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggested);
    void OnSize(UINT type, int cx, int cy);
    void OnSave();
    // The title bar follows the app mode (dark or light) while open.
    LRESULT OnSettingChange(WPARAM action, LPARAM area);

    // The controls' font at the current DPI.
    void ApplyFont();
    // The controls placed for the client area's size at the current DPI.
    void Layout();
    // The saved size at the current DPI, centred on the owner, within the
    // owner's screen.
    void PlaceWindow();
    // The selected rows, or all when none is, under the header.
    TextTable SelectedRows() const;
    HWND List() const;

    CTallvoxSettings& m_settings;
    // Let go, not waited for, when the window closes before the log is read.
    CBackgroundJob<Reading> m_reading;
    TextTable m_rows;  // the header first; the list shows the others
    CFont m_font;
    CSystemLook m_look;
    CDwmAttributes m_dwm;
    int m_dpi = 0;  // 0 until the window knows its DPI
};
