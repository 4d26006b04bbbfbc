#include "facts/SystemHistoryEvents.h"

#include <cstdio>

namespace {

void Append(std::string& detail, const std::string& part) {
    if (part.empty()) return;
    if (!detail.empty()) detail += "; ";
    detail += part;
}

// "asked by C:\Windows\system32\shutdown.exe (PC) for PC\ann: Application:
// Maintenance (Planned) (0x80040001), comment: disk swap"
std::string AskedBy(const StopRequest& request) {
    std::string text = "asked by " + (request.process.empty() ? std::string("a process") : request.process);
    if (!request.user.empty()) text += " for " + request.user;
    if (!request.reason.empty()) text += ": " + request.reason;
    if (!request.reasonCode.empty()) text += " (" + request.reasonCode + ")";
    if (!request.comment.empty()) text += ", comment: " + request.comment;
    return text;
}

HistoryEventKind EndKind(SessionEnd end) {
    switch (end) {
        case SessionEnd::Restart: return HistoryEventKind::Restart;
        case SessionEnd::Unexpected:
        case SessionEnd::Unlogged: return HistoryEventKind::UnexpectedStop;
        case SessionEnd::Crash: return HistoryEventKind::Crash;
        case SessionEnd::Running:
        case SessionEnd::Shutdown:
        case SessionEnd::Hibernation: break;
    }
    return HistoryEventKind::Stop;
}

std::string EndDetail(const Session& s) {
    std::string detail;
    switch (s.end) {
        case SessionEnd::Shutdown: detail = s.request ? AskedBy(*s.request) : "shut down"; break;
        case SessionEnd::Restart: detail = s.request ? AskedBy(*s.request) : "restarted"; break;
        case SessionEnd::Hibernation: detail = "hibernated"; break;
        case SessionEnd::Unexpected: detail = "not shut down cleanly"; break;
        case SessionEnd::Unlogged: detail = "no stop logged before the next start"; break;
        case SessionEnd::Crash:
            if (s.stopCode) {
                char code[32];
                std::snprintf(code, sizeof code, "stop code 0x%08llX", static_cast<unsigned long long>(*s.stopCode));
                detail = code;
            } else {
                detail = "stop code not logged";
            }
            break;
        case SessionEnd::Running: break;
    }
    const bool unexpected = s.end == SessionEnd::Unexpected || s.end == SessionEnd::Crash;
    if (unexpected && s.request) Append(detail, AskedBy(*s.request));
    if (unexpected && !s.stopTimeLogged) Append(detail, "stop time unknown: last event before it");
    Append(detail, s.endNote);
    return detail;
}

}  // namespace

std::vector<HistoryEvent> ListHistoryEvents(const SystemHistory& history) {
    std::vector<HistoryEvent> events;
    const Session* previous = nullptr;
    for (const Session& s : history.sessions) {
        if (s.startLogged) {
            std::string detail = StartKindName(s.startKind);
            Append(detail, s.startNote);
            std::optional<int64_t> off;
            if (previous) off = previous->offSecondsAfter;
            events.push_back(HistoryEvent{s.start, HistoryEventKind::Start, detail, off});
        }
        for (const SleepSpan& sleep : s.sleeps) {
            events.push_back(HistoryEvent{sleep.from, HistoryEventKind::Sleep, std::string(), std::nullopt});
            if (sleep.woke)
                events.push_back(HistoryEvent{sleep.to, HistoryEventKind::Wake, std::string(), sleep.to - sleep.from});
        }
        if (s.end != SessionEnd::Running) events.push_back(HistoryEvent{s.stop, EndKind(s.end), EndDetail(s), s.upSeconds});
        previous = &s;
    }
    return events;
}

const char* HistoryEventName(HistoryEventKind kind) {
    switch (kind) {
        case HistoryEventKind::Start: return "start";
        case HistoryEventKind::Stop: return "stop";
        case HistoryEventKind::Restart: return "restart";
        case HistoryEventKind::UnexpectedStop: return "unexpected stop";
        case HistoryEventKind::Crash: return "crash";
        case HistoryEventKind::Sleep: return "sleep";
        case HistoryEventKind::Wake: return "wake";
    }
    return "";
}

const char* TimeBeforeName(HistoryEventKind kind) {
    switch (kind) {
        case HistoryEventKind::Start: return "off";
        case HistoryEventKind::Wake: return "asleep";
        case HistoryEventKind::Sleep: return "";
        case HistoryEventKind::Stop:
        case HistoryEventKind::Restart:
        case HistoryEventKind::UnexpectedStop:
        case HistoryEventKind::Crash: break;
    }
    return "up";
}
