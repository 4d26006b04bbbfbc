#include "app/FactTips.h"

#include "facts/AwakeTime.h"
#include "facts/InstallHistoryReader.h"
#include "facts/LineTips.h"
#include "facts/PendingRestartReader.h"
#include "facts/SystemHistory.h"
#include "facts/SystemHistoryReader.h"
#include "facts/SystemHistoryText.h"
#include "facts/SystemLogReader.h"

namespace {

// More time asleep than this since the last read means the system slept or
// hibernated meanwhile.
const uint64_t kSleptSeconds = 2;

// How long the uptime line's tip stands before it is made again.
const int64_t kUptimeTipSeconds = 60;

}  // namespace

FactTipSources FactTipSources::System() {
    FactTipSources sources;
    sources.readStarts = [] {
        return StartFactsReading{ReadSystemLogStarts(), ReadInstallDateValues(), ReadSystemHistoryEvents(),
                                 ReadPendingRestart()};
    };
    sources.readAwakeSeconds = [] { return ReadAwakeSeconds(); };
    return sources;
}

CFactTips::CFactTips(FactTipSources sources) : m_sources(std::move(sources)) {}

void CFactTips::Attach(HWND window, UINT uptimeLineId, UINT bootLineId, UINT installLineId) {
    if (!m_tips.Create(window)) return;
    m_uptimeLineId = uptimeLineId;
    m_bootLineId = bootLineId;
    m_installLineId = installLineId;
    StartReading();
}

// Nothing found is told as nothing known: a read that throws gives an empty
// reading. The tick takes what was found.
void CFactTips::StartReading() {
    const std::function<StartFactsReading()> read = m_sources.readStarts;
    m_reading.Start(nullptr, 0, [read] {
        try {
            return read();
        } catch (...) {
            return StartFactsReading();
        }
    });
}

void CFactTips::Refresh(uint64_t tickMilliseconds, int64_t now, std::optional<int64_t> shownInstall) {
    if (!m_tips.GetSafeHwnd()) return;
    if (std::optional<StartFactsReading> reading = m_reading.Take()) {
        m_found = std::move(reading);
        m_uptimeTipMadeAt.reset();
    }

    const uint64_t uptime = tickMilliseconds / 1000;
    const std::optional<uint64_t> awake = m_sources.readAwakeSeconds();
    if (awake && *awake <= uptime) {
        const uint64_t asleep = uptime - *awake;
        // The first tick only notes the time asleep: the first read is
        // already under way.
        const bool slept = m_asleepAtRead && asleep > *m_asleepAtRead + kSleptSeconds;
        if (slept) StartReading();
        if (slept || !m_asleepAtRead) m_asleepAtRead = asleep;
    }

    std::optional<LastStart> lastStart;
    std::optional<int64_t> original;
    std::optional<int64_t> current = shownInstall;
    if (m_found) {
        lastStart = DecideLastStart(m_found->log);
        original = OriginalInstallDate(m_found->installs);
        current = CurrentInstallDate(m_found->installs, shownInstall);
    }
    const int64_t bootTime = now - static_cast<int64_t>(uptime);
    m_tips.SetToolText(m_uptimeLineId, UptimeTipAt(now));
    m_tips.SetToolText(m_bootLineId, BootLineTip(bootTime, lastStart, awake));
    m_tips.SetToolText(m_installLineId, InstallDateLineTip(original, current));
    m_tips.FollowTools();
}

// Building the history from a busy log takes a millisecond or two: not on
// every tick. A clock set back makes it again at once.
const std::string& CFactTips::UptimeTipAt(int64_t now) {
    if (!m_found) return m_uptimeTip;
    if (m_uptimeTipMadeAt && now >= *m_uptimeTipMadeAt && now - *m_uptimeTipMadeAt < kUptimeTipSeconds)
        return m_uptimeTip;
    m_uptimeTip = HistoryTip(BuildSystemHistory(m_found->history, now), m_found->pending);
    m_uptimeTipMadeAt = now;
    return m_uptimeTip;
}
