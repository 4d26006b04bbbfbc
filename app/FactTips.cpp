#include "app/FactTips.h"

#include "facts/AwakeTime.h"
#include "facts/InstallHistoryReader.h"
#include "facts/LineTips.h"
#include "facts/SystemLogReader.h"

namespace {

// More time asleep than this since the last read means the system slept or
// hibernated meanwhile.
const uint64_t kSleptSeconds = 2;

}  // namespace

FactTipSources FactTipSources::System() {
    FactTipSources sources;
    sources.readStarts = [] { return StartFactsReading{ReadSystemLogStarts(), ReadInstallDateValues()}; };
    sources.readAwakeSeconds = [] { return ReadAwakeSeconds(); };
    return sources;
}

CFactTips::CFactTips(FactTipSources sources) : m_sources(std::move(sources)) {}

void CFactTips::Attach(HWND window, UINT bootLineId, UINT installLineId) {
    if (!m_tips.Create(window)) return;
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
    if (std::optional<StartFactsReading> reading = m_reading.Take()) m_found = std::move(reading);

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
    m_tips.SetToolText(m_bootLineId, BootLineTip(bootTime, lastStart, awake));
    m_tips.SetToolText(m_installLineId, InstallDateLineTip(original, current));
    m_tips.FollowTools();
}
