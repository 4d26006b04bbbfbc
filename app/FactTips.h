// The tooltips of the main window's uptime, boot-time and installation-date
// lines: the restarts, unexpected stops and availability of the last 30 days
// with a pending restart; the last start and its kind with the time awake;
// and the original installation date. They show only while the mouse rests
// on a line; nothing else in the window changes. The event log and the
// registry are read on a thread of their own, so a long System log never
// holds the window up; the refresh tick takes what was found and sets the
// tips.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "facts/InstallHistory.h"
#include "facts/LastStart.h"
#include "facts/PendingRestart.h"
#include "facts/SystemEvent.h"
#include "framework/ToolTipCtrl.h"
#include "framework/WorkerThread.h"

// What one background read finds.
struct StartFactsReading {
    SystemLogStarts log;
    InstallDateValues installs;
    SystemLogEvents history;
    PendingRestart pending;
};

// Where the tips' facts come from: the system's, or a test's.
struct FactTipSources {
    std::function<StartFactsReading()> readStarts;   // on the reading thread
    std::function<std::optional<uint64_t>()> readAwakeSeconds;  // on the UI thread
    static FactTipSources System();
};

class CFactTips {
public:
    explicit CFactTips(FactTipSources sources = FactTipSources::System());

    // Puts the tips over the three lines of `window` and starts the first read.
    void Attach(HWND window, UINT uptimeLineId, UINT bootLineId, UINT installLineId);

    // On each refresh tick. `tickMilliseconds` and `now` (seconds since 1970
    // UTC) are the readings the uptime comes from; `shownInstall` is the
    // installation moment the window shows, in seconds since 1970 UTC.
    // Takes a finished read, reads again after the system has slept (a
    // resume may be a new start), and sets the tips.
    void Refresh(uint64_t tickMilliseconds, int64_t now, std::optional<int64_t> shownInstall);

    std::string UptimeTip() const { return m_tips.GetToolText(m_uptimeLineId); }
    std::string BootTip() const { return m_tips.GetToolText(m_bootLineId); }
    std::string InstallTip() const { return m_tips.GetToolText(m_installLineId); }
    HWND TipWindow() const { return m_tips.GetSafeHwnd(); }

private:
    void StartReading();
    // The uptime line's tip, made anew from the history for a new reading
    // and once a minute (the 30 days move on); seconds since 1970 UTC.
    const std::string& UptimeTipAt(int64_t now);

    FactTipSources m_sources;
    // Waited for a moment at exit; a read still going then is let go.
    CBackgroundJob<StartFactsReading> m_reading{500};
    CToolTipCtrl m_tips;
    UINT m_uptimeLineId = 0;
    UINT m_bootLineId = 0;
    UINT m_installLineId = 0;
    std::optional<StartFactsReading> m_found;
    std::optional<uint64_t> m_asleepAtRead;  // seconds asleep since start when the last read began
    std::string m_uptimeTip;
    std::optional<int64_t> m_uptimeTipMadeAt;  // none: to be made from a new reading
};
