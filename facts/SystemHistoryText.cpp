#include "facts/SystemHistoryText.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "facts/FactsJson.h"
#include "facts/IsoTime.h"
#include "facts/LineTips.h"
#include "facts/SystemHistoryEvents.h"
#include "facts/UptimeText.h"

namespace {

const int64_t kTipDays = 30;

std::string DateText(int64_t utc) {
    const LocalDateTime t = ToLocalDateTime(utc);
    if (t.year < 0) return "unknown";
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", t.month, t.day, t.year);
    return text;
}

std::string TimeText(int64_t utc) {
    const LocalDateTime t = ToLocalDateTime(utc);
    if (t.year < 0) return std::string();
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

std::string PercentText(int64_t tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

// Characters, not bytes: the details may hold UTF-8.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Table(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], Width(row[c]));
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line += std::string(widths[c] - Width(row[c]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\r\n";
    }
    return text;
}

std::string Plural(int64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// One "key": value member of a JSON object.
std::string Member(const char* key, const std::string& jsonValue) { return JsonString(key) + ": " + jsonValue; }

std::string JsonObjectLines(const std::vector<std::string>& members, const std::string& indent) {
    std::string text = "{\r\n";
    for (std::size_t i = 0; i < members.size(); ++i)
        text += indent + "  " + members[i] + (i + 1 < members.size() ? ",\r\n" : "\r\n");
    return text + indent + "}";
}

std::string IsoOrNull(std::optional<int64_t> utc) {
    const std::optional<std::string> iso = utc ? IsoLocalTime(*utc) : std::nullopt;
    return iso ? JsonString(*iso) : std::string("null");
}

// Since, the counts, the times, the longest session and the availability;
// for a history with at least one session.
std::string SummaryLines(const SystemHistory& history) {
    const HistorySummary s = Summarize(history, *history.since);
    std::string text = "Since: " + DateText(*history.since) + " " + TimeText(*history.since) + "\r\n";
    text += "Starts: " + std::to_string(s.starts) + ", planned stops: " + std::to_string(s.plannedStops) +
            ", unexpected stops: " + std::to_string(s.unexpectedStops) + ", crashes: " + std::to_string(s.crashes) +
            "\r\n";
    text += "On: " + FormatAwakeDuration(static_cast<uint64_t>(s.secondsOn)) +
            ", asleep: " + FormatAwakeDuration(static_cast<uint64_t>(s.secondsAsleep)) +
            ", off: " + FormatAwakeDuration(static_cast<uint64_t>(s.secondsOff)) + "\r\n";
    text += "Longest session: " + FormatAwakeDuration(static_cast<uint64_t>(s.longestSession)) + "\r\n";
    text += "Availability: " + (s.availabilityTenths ? PercentText(*s.availabilityTenths) + " %" : "unknown") + "\r\n";
    return text;
}

}  // namespace

std::string HistoryText(const SystemHistory& history) {
    if (!history.readable) return "The System event log could not be read.\r\n";
    if (history.sessions.empty()) return "No start or stop was found in the System log.\r\n";
    return Table(HistoryTable(history)) + "\r\n" + SummaryLines(history);
}

TextTable HistoryTable(const SystemHistory& history) {
    TextTable rows = {{"Date", "Time", "Event", "Detail", "Up/off before"}};
    for (const HistoryEvent& e : ListHistoryEvents(history)) {
        const std::string before =
            e.secondsBefore ? std::string(TimeBeforeName(e.kind)) + " " +
                                  FormatAwakeDuration(static_cast<uint64_t>(*e.secondsBefore))
                            : std::string();
        rows.push_back({DateText(e.time), TimeText(e.time), HistoryEventName(e.kind), e.detail, before});
    }
    return rows;
}

std::string TabSeparated(const TextTable& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            std::string field = row[c];
            std::replace_if(field.begin(), field.end(), [](char ch) { return ch == '\t' || ch == '\r' || ch == '\n'; },
                            ' ');
            text += (c ? "\t" : "") + field;
        }
        text += "\r\n";
    }
    return text;
}

std::string CommaSeparated(const TextTable& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string& field = row[c];
            if (c) text += ',';
            if (field.find_first_of(",\"\r\n") == std::string::npos) {
                text += field;
                continue;
            }
            text += '"';
            for (char ch : field) text += ch == '"' ? std::string("\"\"") : std::string(1, ch);
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}

std::string HistoryWindowSummary(const SystemHistory& history, const PendingRestart& pending) {
    std::string text;
    if (!history.readable)
        text = "The System event log can't be read here; only the registry tells whether a restart is pending.\r\n";
    else if (history.sessions.empty())
        text = "No start or stop was found in the System log.\r\n";
    else
        text = SummaryLines(history);
    return text + PendingRestartSentence(pending);
}

std::string HistoryJson(const SystemHistory& history) {
    std::string events = "[]";
    const std::vector<HistoryEvent> list = ListHistoryEvents(history);
    if (!list.empty()) {
        events = "[\r\n";
        for (std::size_t i = 0; i < list.size(); ++i) {
            const HistoryEvent& e = list[i];
            events += "    {" + Member("time", IsoOrNull(e.time)) + ", " +
                      Member("event", JsonString(HistoryEventName(e.kind))) + ", " +
                      Member("detail", JsonString(e.detail)) + "}" + (i + 1 < list.size() ? ",\r\n" : "\r\n");
        }
        events += "  ]";
    }

    const HistorySummary s = Summarize(history, history.since.value_or(history.now));
    const std::string summary = JsonObjectLines(
        {
            Member("starts", std::to_string(s.starts)),
            Member("planned_stops", std::to_string(s.plannedStops)),
            Member("unexpected_stops", std::to_string(s.unexpectedStops)),
            Member("crashes", std::to_string(s.crashes)),
            Member("seconds_on", std::to_string(s.secondsOn)),
            Member("seconds_asleep", std::to_string(s.secondsAsleep)),
            Member("seconds_off", std::to_string(s.secondsOff)),
            Member("availability_percent", s.availabilityTenths ? PercentText(*s.availabilityTenths) : "null"),
        },
        "  ");
    return JsonObjectLines(
               {
                   Member("readable", history.readable ? "true" : "false"),
                   Member("since", IsoOrNull(history.since)),
                   Member("events", events),
                   Member("summary", summary),
               },
               "") +
           "\r\n";
}

std::string HistoryTip(const SystemHistory& history, const PendingRestart& pending) {
    std::string tip;
    if (history.readable && history.since) {
        const HistorySummary s = Summarize(history, history.now - kTipDays * 86400);
        tip = "Last " + std::to_string(kTipDays) + " days: " + Plural(s.restarts, "restart", "restarts") + ", " +
              Plural(s.unexpectedStops + s.crashes, "unexpected stop", "unexpected stops");
        if (s.availabilityTenths) tip += ", availability " + PercentText(*s.availabilityTenths) + " %";
    }
    const std::string pendingText = PendingRestartText(pending);
    if (!pendingText.empty()) tip += (tip.empty() ? "" : "\r\n") + pendingText;
    return tip;
}
