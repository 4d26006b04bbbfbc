// Cost of the machine's history through the window-free code: 90 days of a
// busy System log (5,000 events: a start and a stop a day, two dozen sleeps
// and wakes, now and then a restart, a fast startup or a crash), from the
// events' XML to the table, the JSON and the tooltip. Built natively; the
// reading of the real log through the event log API is not measured here.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "facts/SystemEventXml.h"
#include "facts/SystemHistory.h"
#include "facts/SystemHistoryText.h"

namespace {

const int64_t kFirstDay = 1772409600;  // 2026-03-02 00:00:00 UTC
const int kDays = 90;
const std::size_t kEvents = 5000;

struct Civil {
    int64_t year, month, day, hour, minute, second;
};

// Seconds since 1970 to a civil date-time (the inverse of the days-from-civil count).
Civil ToCivil(int64_t utc) {
    const int64_t seconds = utc % 86400;
    const int64_t z = utc / 86400 + 719468;
    const int64_t era = z / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2);
    return Civil{year, month, day, seconds / 3600, seconds / 60 % 60, seconds % 60};
}

std::string Iso(int64_t utc) {
    const Civil c = ToCivil(utc);
    char text[48];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lld.1234567Z", static_cast<long long>(c.year),
                  static_cast<long long>(c.month), static_cast<long long>(c.day), static_cast<long long>(c.hour),
                  static_cast<long long>(c.minute), static_cast<long long>(c.second));
    return text;
}

// EventLog 6008's binary data: the moment as two SYSTEMTIMEs, local and UTC (the same here).
std::string SystemTimesHex(int64_t utc) {
    const Civil c = ToCivil(utc);
    const int64_t words[8] = {c.year, c.month, 1, c.day, c.hour, c.minute, c.second, 0};
    std::string one;
    for (int64_t w : words) {
        char bytes[8];
        std::snprintf(bytes, sizeof bytes, "%02X%02X", static_cast<unsigned>(w & 0xFF), static_cast<unsigned>(w >> 8));
        one += bytes;
    }
    return one + one;
}

std::string Event(const char* provider, int id, int64_t loggedAt, const std::string& data) {
    return "<Event xmlns='http://schemas.microsoft.com/win/2004/08/events/event'><System><Provider Name='" +
           std::string(provider) + "' Guid='{331C3B3A-2005-44C2-AC5E-77220C37D6B4}'/><EventID>" + std::to_string(id) +
           "</EventID><Version>2</Version><Level>4</Level><Task>0</Task><Opcode>0</Opcode>"
           "<Keywords>0x8000000000000000</Keywords><TimeCreated SystemTime='" +
           Iso(loggedAt) +
           "'/><EventRecordID>1234</EventRecordID><Correlation/><Execution ProcessID='4' ThreadID='8'/>"
           "<Channel>System</Channel><Computer>DESKTOP-1234567</Computer><Security UserID='S-1-5-18'/></System>"
           "<EventData>" +
           data + "</EventData></Event>";
}

std::string Named(const char* name, const std::string& value) {
    return "<Data Name='" + std::string(name) + "'>" + value + "</Data>";
}

// The newest 5,000 events of 90 days, newest first as the log is read.
std::vector<std::string> BusyLog() {
    std::vector<std::string> log;
    for (int d = 0; d < kDays; ++d) {
        const int64_t day = kFirstDay + int64_t{d} * 86400;
        const int64_t boot = day + 7 * 3600;
        if (d % 3 == 1) {
            log.push_back(Event("Microsoft-Windows-Kernel-Boot", 27, boot, Named("BootType", "0x1")));
            log.push_back(Event("Microsoft-Windows-Power-Troubleshooter", 1, boot + 20,
                                Named("SleepTime", Iso(boot - 8 * 3600)) + Named("WakeTime", Iso(boot))));
        } else {
            log.push_back(Event("Microsoft-Windows-Kernel-General", 12, boot + 5,
                                Named("MajorVersion", "10") + Named("StartTime", Iso(boot))));
            log.push_back(Event("Microsoft-Windows-Kernel-Boot", 27, boot + 6, Named("BootType", "0")));
        }
        if (d % 10 == 5) {
            log.push_back(Event("Microsoft-Windows-Kernel-Power", 41, boot + 7,
                                Named("BugcheckCode", "159") + Named("SleepInProgress", "0")));
            log.push_back(Event("EventLog", 6008, boot + 9,
                                "<Data>10:00:00 PM</Data><Data>3/2/2026</Data><Data/><Binary>" +
                                    SystemTimesHex(boot - 9 * 3600) + "</Binary>"));
            log.push_back(Event("Microsoft-Windows-WER-SystemErrorReporting", 1001, boot + 60,
                                Named("param1", "0x0000009f (0x0000000000000003, 0xffffd38d26591060)") +
                                    Named("param2", "C:\\Windows\\MEMORY.DMP")));
        }
        for (int k = 0; k < 27; ++k) {
            const int64_t sleep = boot + 3600 + k * 1800;
            log.push_back(Event("Microsoft-Windows-Kernel-Power", 42, sleep, Named("TargetState", "4")));
            log.push_back(Event("Microsoft-Windows-Power-Troubleshooter", 1, sleep + 620,
                                Named("SleepTime", Iso(sleep)) + Named("WakeTime", Iso(sleep + 600))));
        }
        const int64_t stop = day + 23 * 3600;
        // Crashed (the next start tells), or still running on the last day.
        if (d % 10 == 4 || d + 1 == kDays) continue;
        log.push_back(Event("User32", 1074, stop,
                            Named("param1", "C:\\Windows\\Explorer.EXE (DESKTOP-1234567)") +
                                Named("param2", "DESKTOP-1234567") + Named("param3", "Other (Unplanned)") +
                                Named("param4", "0x0") + Named("param5", d % 7 == 0 ? "restart" : "power off") +
                                Named("param6", "") + Named("param7", "DESKTOP-1234567\\ann")));
        if (d % 3 == 0)
            log.push_back(Event("Microsoft-Windows-Kernel-Power", 42, stop + 10, Named("TargetState", "5")));
        else
            log.push_back(Event("Microsoft-Windows-Kernel-General", 13, stop + 12, Named("StopTime", Iso(stop + 11))));
    }
    std::reverse(log.begin(), log.end());
    log.resize(std::min(log.size(), kEvents));
    return log;
}

const std::vector<std::string>& Xml() {
    static const std::vector<std::string> xml = BusyLog();
    return xml;
}

SystemLogEvents Parse() {
    SystemLogEvents log{true, {}};
    for (const std::string& x : Xml())
        if (std::optional<SystemEvent> e = ParseSystemEventXml(x)) log.events.push_back(*e);
    return log;
}

const int64_t kNow = kFirstDay + (kDays - 1) * 86400 + 22 * 3600;

void BM_ParseXml(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Parse());
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Xml().size()));
}

void BM_BuildHistory(benchmark::State& state) {
    const SystemLogEvents log = Parse();
    for (auto _ : state) benchmark::DoNotOptimize(BuildSystemHistory(log, kNow));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(log.events.size()));
}

void BM_HistoryText(benchmark::State& state) {
    const SystemHistory history = BuildSystemHistory(Parse(), kNow);
    for (auto _ : state) benchmark::DoNotOptimize(HistoryText(history));
}

void BM_HistoryJson(benchmark::State& state) {
    const SystemHistory history = BuildSystemHistory(Parse(), kNow);
    for (auto _ : state) benchmark::DoNotOptimize(HistoryJson(history));
}

void BM_HistoryTip(benchmark::State& state) {
    const SystemHistory history = BuildSystemHistory(Parse(), kNow);
    for (auto _ : state) benchmark::DoNotOptimize(HistoryTip(history, PendingRestart()));
}

// What the program does with a log it has read: all of the above at once.
void BM_AllFromXml(benchmark::State& state) {
    for (auto _ : state) {
        const SystemHistory history = BuildSystemHistory(Parse(), kNow);
        benchmark::DoNotOptimize(HistoryText(history));
        benchmark::DoNotOptimize(HistoryJson(history));
        benchmark::DoNotOptimize(HistoryTip(history, PendingRestart()));
    }
}

}  // namespace

BENCHMARK(BM_ParseXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryTip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllFromXml)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
