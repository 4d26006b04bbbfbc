// The main window: four text lines (uptime, boot time, installation date,
// time since installation) under the clock, refreshed by two window timers.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "facts/FactsReport.h"
#include "facts/FactsSnapshot.h"
#include "facts/InstallDateQuery.h"
#include "facts/TimeFacts.h"
#include "facts/TimeTypes.h"
#include "framework/ClipboardText.h"
#include "app/FactTips.h"
#include "app/shell/DarkTitleBar.h"
#include "app/shell/LayeredWindow.h"
#include "app/shell/OsVersion.h"
#include "app/shell/SystemLook.h"
#include "app/settings/TallvoxSettings.h"
#include "app/settings/UnsavedSettingsNotice.h"
#include "app/update/UpdateCheck.h"
#include "controls/AnalogClock.h"
#include "controls/HoverButton.h"
#include "framework/Gdi.h"
#include "framework/WindowDC.h"
#include "framework/WorkerThread.h"
#include "speech/SpeechWorker.h"
#include "controls/ColorStatic.h"
#include "ui/MenuIcons.h"
#include "ui/MenuXP.h"
#include "ui/TrayIconDlg.h"

class CTaskbarClock;

class CTallvoxDlg : public CTrayIconDlg {
public:
    explicit CTallvoxDlg(CWnd* parent = nullptr);
    ~CTallvoxDlg() override;

    // The facts now: every line, spoken sentence and output reads these.
    // The installation date is empty until the query answers (or when it
    // failed).
    FactsSnapshot Facts();
    // The facts for an output that tells the installation date: while none
    // is known the date is asked again, and its answer waited for a moment.
    FactsSnapshot FactsWithInstallDate();

    // Hands one finished sentence to this window's speech worker.
    void Speak(const std::string& text) { m_speech.Queue(text); }

    // The spoken commands.
    void SayUptime();
    void SayBootTime();
    void SayCurrentTime();
    void SayInstallDate();
    void SayInstallTime();

    // The facts carried out of the program.
    void WriteReport();
    void CopyInfoToClipboard();
    void ShowHelp();
    void WriteHelpFile();
    void OpenDateTimeProperties();
    void TakeScreenshot();
    void ShowAutorunDialog();
    void ShowHistoryDialog();
    void OnAbout();

    // The right-click menu, in its current state (check marks, entries).
    std::unique_ptr<CMenuXP> BuildPopupMenu();

    // The DPI the window is shown at: every size of the window, its controls,
    // fonts and pictures is a 96-DPI size scaled by it.
    int Dpi();

    const std::string& ModuleDir() const { return m_strModuleDir; }
    const std::string& HelpPath() const { return m_strHelpPath; }

    static constexpr UINT_PTR IDT_REFRESH = 1;
    static constexpr UINT_PTR IDT_TRAYTIP = 2;
    // The installation-date query's answer, posted by its worker thread.
    static constexpr UINT WM_INSTALL_DATE_ANSWER = WM_APP + 1;
    // While the date is unknown: how often the refresh asks again, and how
    // long an output that tells it waits for a new answer.
    static constexpr ULONGLONG kInstallDateRetryMs = 60000;
    static constexpr DWORD kInstallDateWaitMs = 3000;
    // Posted at start when the settings file can't be read, so that the
    // message shows over the window once it is up.
    static constexpr UINT WM_SETTINGS_UNREADABLE = WM_APP + 2;

    // The taskbar clock the application keeps hidden: given back when the
    // session ends, hidden again on a new taskbar. None by default.
    void SetTaskbarClock(CTaskbarClock* taskbarClock) { m_pTaskbarClock = taskbarClock; }

protected:
    // Speaks through the voice that `createVoice` makes instead of the
    // system's, for tests.
    CTallvoxDlg(CWnd* parent, const VoiceFactory& createVoice);
    // Asks `query` for the installation date instead of WMI, for tests; set
    // before the window is created.
    void SetInstallDateQuery(InstallDateQuery query) { m_queryInstallDate = std::move(query); }
    // Reads high contrast and the app mode from `look` and sets the title
    // bar's mode through `dwm` instead of the system's, for tests; set
    // before the window is created. Both must outlive the window.
    void SetSystemLook(const CSystemLook& look, CDwmAttributes& dwm) {
        m_pSystemLook = &look;
        m_pDwm = &dwm;
    }

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnTaskbarCreated() override;
    void InitMainWindow();

    void OnTimer(UINT_PTR id);
    LRESULT OnInstallDateAnswer(WPARAM, LPARAM);
    LRESULT OnSettingsUnreadable(WPARAM, LPARAM);
    LRESULT OnEndSession(WPARAM ending, LPARAM);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnSizing(WPARAM edge, LPARAM rect);
    // The window moved to a screen of another DPI: take the suggested
    // rectangle and lay everything out again at the new scale.
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggested);
    BOOL OnEraseBkgnd(HDC dc);
    virtual BOOL PaintBackground(HDC dc);
    LRESULT OnContextMenu(WPARAM window, LPARAM point);
    void OnExit();
    void OnMinimize();
    void OnRestore();

    // Appearance commands.
    void OnColorUptime();
    void OnColorBootTime();
    void OnColorInstallDate();
    void OnColorInstallTime();
    void OnColorAllText();
    void OnColorBackground();
    void OnColorSecondHand();
    void ApplyOpacity(int percentage);
    void OnOpacity10();
    void OnOpacity20();
    void OnOpacity30();
    void OnOpacity40();
    void OnOpacity50();
    void OnOpacity60();
    void OnOpacity70();
    void OnOpacity80();
    void OnOpacity90();
    void OnOpacity100();
    void OnAlwaysOnTop();
    void OnToggleSize();
    void SelectSkin(int skin);
    void OnSkinSilver();
    void OnSkinIce();
    void OnSkinOrange();
    void OnSkinGreen();
    void OnSkinPurple();

    void LayoutControls(bool capture);

    // High contrast and the app mode, read anew and shown.
    void ApplySystemLook();
    LRESULT OnSettingChange(WPARAM action, LPARAM area);
    void OnSysColorChange();

private:
    // The clock and names now, with the installation date once known.
    // The names only where an output signs with them, not on every tick.
    FactReadings ReadFacts(bool withNames);
    // Asks for the installation date on the worker, unless a query is out.
    void StartInstallDateQuery();
    // Takes the query's answer, if one has come, into the lines.
    void TakeInstallDateAnswer();
    // Tells the user that a file could not be written.
    void ShowFileError();
    // Asks whether to open the file just written, and opens it on Yes.
    void AskToOpen(const char* question, const std::string& path);
    // Copies the window's pixels (all of it, or the client area) into
    // m_bmpCapture and puts a copy on the clipboard; keeps the window's
    // device context in m_dcCapture. Returns the bitmap, or null.
    HBITMAP CaptureWindow(HWND window, bool wholeWindow);

    // At creation: the clock with its skin; the lines in their colours, with
    // the installation-date query and the tips started; the opacity, the
    // always-on-top and the size the settings ask for.
    void InitClock();
    void InitLines();
    void ApplyWindowSettings();
    // The lines' font at the current DPI, given to the four lines.
    void CreateLineFont();
    // The skin's face and date window drawn for the current DPI; the clock
    // control takes the face's size at its top-left corner.
    void ShowSkin(int skin);

    // The colours shown: the user's, or the system's while high contrast is
    // on (the settings keep the user's).
    COLORREF ShownTextColour(COLORREF user) const;
    COLORREF ShownBackground() const;
    // The lines, the background, the clock and the opacity in the colours
    // shown now.
    void ShowLook();
    // The size button's icon and name for the window's size now.
    void ShowSizeButton();

    // Gives a line its text colour, keeps it in the settings and saves it.
    void SetLineColour(CColorStatic& line, COLORREF colour, COLORREF& field, void (CTallvoxSettings::*save)());

    CAnalogClock m_clock;
    CHoverButton m_btnSize;
    HICON m_hIcon;
    CColorStatic m_lineUptime;
    CColorStatic m_lineBootTime;
    CColorStatic m_lineInstallDate;
    CColorStatic m_lineInstallTime;
    CFont m_fontLines;
    // The dialog's own font as the template made it, at the DPI the window
    // was created at, and that font at the current DPI once it has changed
    // (the clock writes its day in it).
    LOGFONTA m_lfDialog{};
    int m_nCreatedDpi = 0;
    CFont m_fontDialog;
    COsVersion m_osVersion;
    CTallvoxSettings m_settings;
    CUnsavedSettingsNotice m_unsavedSettings;
    CSpeechWorker m_speech;
    CPen m_penBack;
    CLayeredWindow m_layered;
    CWindowDC m_dcCapture;
    CBitmap m_bmpCapture;
    CClipboardOffer m_offerCapture;
    CMenuIcons m_menuIcons;  // loaded once, copied into every menu built
    CFactTips m_factTips;  // hover tips of the uptime, boot-time and installation-date lines
    CSystemLook m_systemLook;
    CDwmAttributes m_dwm;
    const CSystemLook* m_pSystemLook = &m_systemLook;
    CDwmAttributes* m_pDwm = &m_dwm;
    bool m_bHighContrast = false;  // as last read

    int m_nDpi = 0;  // 0 until known: WM_SIZE comes before WM_INITDIALOG

    TimeFacts m_timeFacts;
    InstallDateQuery m_queryInstallDate;
    CBackgroundJob<InstallDateAnswer> m_installDateJob;
    InstallDateTime m_installDate;
    bool m_bInstallDateKnown = false;  // the elapsed line stays empty until then
    ULONGLONG m_installDateAskedAt = 0;  // GetTickCount64 when the last query started
    std::string m_installCim;  // the date as the query answered
    CTaskbarClock* m_pTaskbarClock = nullptr;

    std::string m_strUptimeText;
    std::string m_strTrayTip;
    std::string m_strBootLine;
    std::string m_strInstallDateLine;
    std::string m_strInstallTimeText;
    std::string m_strModuleDir;
    std::string m_strHelpPath;

    // Last, so the worker learns first that the window is going.
    CUpdateCheck m_updateCheck;
};
