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

CStartFactsReader::CStartFactsReader(std::function<StartFactsReading()> read) : m_read(std::move(read)) {}

CStartFactsReader::~CStartFactsReader() {
    if (m_thread.joinable()) m_thread.join();
}

void CStartFactsReader::Start() {
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_busy) {
        // What is being read may be from before the reason to read again.
        m_again = true;
        return;
    }
    // The previous read, if any, has left its last locked step: joining it
    // does not wait for this lock.
    if (m_thread.joinable()) m_thread.join();
    m_busy = true;
    m_thread = std::thread([this] {
        for (;;) {
            StartFactsReading reading;
            try {
                reading = m_read();
            } catch (...) {
                // Nothing found is told as nothing known.
                reading = StartFactsReading();
            }
            std::lock_guard<std::mutex> done(m_lock);
            m_result = std::move(reading);
            if (!m_again) {
                m_busy = false;
                return;
            }
            m_again = false;
        }
    });
}

std::optional<StartFactsReading> CStartFactsReader::Take() {
    std::lock_guard<std::mutex> hold(m_lock);
    std::optional<StartFactsReading> result = std::move(m_result);
    m_result.reset();
    return result;
}

CFactTips::CFactTips(FactTipSources sources) : m_sources(std::move(sources)), m_reader(m_sources.readStarts) {}

void CFactTips::Attach(HWND window, UINT bootLineId, UINT installLineId) {
    if (!m_tips.Create(window)) return;
    m_bootLineId = bootLineId;
    m_installLineId = installLineId;
    m_reader.Start();
}

void CFactTips::Refresh(uint64_t tickMilliseconds, int64_t now, std::optional<int64_t> shownInstall) {
    if (!m_tips.GetSafeHwnd()) return;
    if (std::optional<StartFactsReading> reading = m_reader.Take()) m_found = std::move(reading);

    const uint64_t uptime = tickMilliseconds / 1000;
    const std::optional<uint64_t> awake = m_sources.readAwakeSeconds();
    if (awake && *awake <= uptime) {
        const uint64_t asleep = uptime - *awake;
        // The first tick only notes the time asleep: the first read is
        // already under way.
        const bool slept = m_asleepAtRead && asleep > *m_asleepAtRead + kSleptSeconds;
        if (slept) m_reader.Start();
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
