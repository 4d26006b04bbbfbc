// Events of the System log as the log renders them, several at once split at
// NUL bytes: any text is parsed or refused without a crash, and whatever is
// parsed gives a history whose times are in order and whose durations are
// never negative, and texts that can be rendered.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "facts/SystemEventXml.h"
#include "facts/SystemHistory.h"
#include "facts/SystemHistoryText.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int64_t kNow = 1780272000;  // 2026-06-01 00:00:00 UTC
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    SystemLogEvents log;
    log.readable = true;
    for (std::size_t from = 0; from <= input.size();) {
        const std::size_t end = std::min(input.find('\0', from), input.size());
        if (const std::optional<SystemEvent> event = ParseSystemEventXml(input.substr(from, end - from)))
            log.events.push_back(*event);
        from = end + 1;
    }

    const SystemHistory history = BuildSystemHistory(log, kNow);
    const Session* previous = nullptr;
    for (const Session& s : history.sessions) {
        FUZZ_CHECK(s.start <= s.stop);
        FUZZ_CHECK(s.upSeconds == s.stop - s.start);
        FUZZ_CHECK(s.asleepSeconds >= 0 && s.asleepSeconds <= s.upSeconds);
        if (previous) {
            FUZZ_CHECK(previous->stop <= s.start);
            FUZZ_CHECK(previous->offSecondsAfter && *previous->offSecondsAfter == s.start - previous->stop);
        }
        previous = &s;
    }
    const HistorySummary summary = Summarize(history, kNow - 30 * 86400);
    FUZZ_CHECK(summary.secondsOn >= 0 && summary.secondsOff >= 0 && summary.secondsAsleep >= 0);
    FUZZ_CHECK(summary.secondsOn + summary.secondsOff <= summary.spanSeconds);
    FUZZ_CHECK(!summary.availabilityTenths || (*summary.availabilityTenths >= 0 && *summary.availabilityTenths <= 1000));

    FUZZ_CHECK(!HistoryText(history).empty());
    const std::string json = HistoryJson(history);
    FUZZ_CHECK(json.size() >= 3 && json.compare(json.size() - 3, 3, "}\r\n") == 0);
    HistoryTip(history, PendingRestart());
    return 0;
}
