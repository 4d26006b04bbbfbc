#include "facts/SystemHistory.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The start-time and boot-type events of one start are logged seconds apart;
// ten minutes leaves room for a slow start and excludes the next one.
const int64_t kSameStartSeconds = 10 * 60;

// Events logged in the same second, in the order they happen: a stop is asked
// for, the kernel stops, the next start is logged, then what the start tells
// of the stop before it.
int Rank(SystemEventKind kind) {
    switch (kind) {
        case SystemEventKind::StopRequested: return 0;
        case SystemEventKind::EnteringSleep: return 1;
        case SystemEventKind::Stopping: return 2;
        case SystemEventKind::Started: return 3;
        case SystemEventKind::BootType: return 4;
        case SystemEventKind::Woke: return 5;
        case SystemEventKind::DirtyStart: return 6;
        case SystemEventKind::UnexpectedStop: return 7;
        case SystemEventKind::BugCheck: return 8;
    }
    return 9;
}

bool AsksRestart(const StopRequest& request) {
    std::string action = request.action;
    for (char& c : action) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return action.find("restart") != std::string::npos;
}

void AddNote(std::string& notes, const char* note) {
    if (!notes.empty()) notes += "; ";
    notes += note;
}

// What one session's events told, gathered in the log's order; the session
// itself is decided once all are read.
struct Evidence {
    bool startLogged = true;               // false: it began before the log
    int64_t firstMoment = 0;               // the earliest moment of its start
    int64_t startLoggedAt = 0;
    std::optional<int64_t> startTime;      // Kernel-General 12
    std::optional<int64_t> bootLoggedAt;   // Kernel-Boot 27
    std::optional<StartKind> bootKind;
    std::optional<int64_t> cleanStop;      // Kernel-General 13
    std::optional<StopRequest> request;    // User32 1074, the latest
    int64_t requestAt = 0;
    std::optional<int64_t> openSleep;      // Kernel-Power 42 not yet followed by a wake
    std::vector<SleepSpan> sleeps;
    int64_t lastSeen = 0;                  // the latest moment it told of
    // Told by the next start about this session's end.
    bool dirty = false;
    bool bugCheck = false;
    std::optional<uint64_t> stopCode;
    std::optional<int64_t> unexpectedAt;

    bool ToldOfAStop() const { return cleanStop || request || openSleep; }
    void Saw(int64_t moment) { lastSeen = std::max(lastSeen, moment); }
};

class HistoryBuilder {
public:
    void Add(const SystemEvent& e) {
        switch (e.kind) {
            case SystemEventKind::Started:
            case SystemEventKind::BootType: AddStart(e); break;
            case SystemEventKind::Stopping: {
                Evidence& current = Current(e);
                current.cleanStop = e.time.value_or(e.loggedAt);
                current.Saw(std::max(*current.cleanStop, e.loggedAt));
                break;
            }
            case SystemEventKind::StopRequested: {
                Evidence& current = Current(e);
                current.request = e.request;
                current.requestAt = e.loggedAt;
                current.Saw(e.loggedAt);
                break;
            }
            case SystemEventKind::EnteringSleep: {
                Evidence& current = Current(e);
                current.openSleep = e.loggedAt;
                current.Saw(e.loggedAt);
                break;
            }
            case SystemEventKind::Woke: AddWake(e); break;
            case SystemEventKind::DirtyStart:
            case SystemEventKind::UnexpectedStop:
            case SystemEventKind::BugCheck: AddReportOfTheLastStop(e); break;
        }
    }

    SystemHistory Finish(int64_t now) {
        SystemHistory history;
        history.readable = true;
        history.now = now;
        for (std::size_t i = 0; i < m_evidence.size(); ++i) {
            Session session = Decide(i, history.sessions.empty() ? nullptr : &history.sessions.back(), now);
            if (!history.sessions.empty())
                history.sessions.back().offSecondsAfter = session.start - history.sessions.back().stop;
            history.sessions.push_back(std::move(session));
        }
        if (!history.sessions.empty()) history.since = history.sessions.front().start;
        return history;
    }

private:
    static int64_t FirstMoment(const SystemEvent& e) { return e.time ? std::min(*e.time, e.loggedAt) : e.loggedAt; }

    Evidence& Open(const SystemEvent& e, bool startLogged) {
        m_evidence.emplace_back();
        Evidence& opened = m_evidence.back();
        opened.startLogged = startLogged;
        opened.firstMoment = FirstMoment(e);
        opened.startLoggedAt = e.loggedAt;
        opened.lastSeen = opened.firstMoment;
        return opened;
    }

    // The session an event belongs to; where the log begins inside a
    // session, one that started before the log.
    Evidence& Current(const SystemEvent& e) { return m_evidence.empty() ? Open(e, false) : m_evidence.back(); }

    void AddStart(const SystemEvent& e) {
        const bool isStartTime = e.kind == SystemEventKind::Started;
        Evidence* current = m_evidence.empty() ? nullptr : &m_evidence.back();
        const bool sameStart = current && current->startLogged && !current->ToldOfAStop() &&
                               std::llabs(e.loggedAt - current->startLoggedAt) <= kSameStartSeconds &&
                               !(isStartTime ? current->startTime.has_value() : current->bootLoggedAt.has_value());
        Evidence& start = sameStart ? *current : Open(e, true);
        if (isStartTime) {
            start.startTime = e.time.value_or(e.loggedAt);
        } else {
            start.bootLoggedAt = e.loggedAt;
            start.bootKind = StartKindOfBootType(e.code);
        }
        start.firstMoment = std::min(start.firstMoment, FirstMoment(e));
        start.Saw(FirstMoment(e));
    }

    void AddWake(const SystemEvent& e) {
        Evidence& current = Current(e);
        const std::optional<int64_t> from = e.time ? e.time : current.openSleep;
        const int64_t to = e.wakeTime.value_or(e.loggedAt);
        current.openSleep.reset();
        current.Saw(to);
        if (from) current.sleeps.push_back(SleepSpan{*from, std::max(*from, to), true});
    }

    // Kernel-Power 41, EventLog 6008 and BugCheck 1001 are logged at a start
    // and tell how the session before it ended.
    void AddReportOfTheLastStop(const SystemEvent& e) {
        if (m_evidence.empty() || !m_evidence.back().startLogged) return;
        Evidence& ended = m_evidence.size() >= 2 ? m_evidence[m_evidence.size() - 2] : m_beforeTheLog;
        ended.dirty = true;
        if (e.kind == SystemEventKind::DirtyStart && e.code && *e.code != 0 && !ended.stopCode) ended.stopCode = e.code;
        if (e.kind == SystemEventKind::BugCheck) {
            ended.bugCheck = true;
            if (e.code) ended.stopCode = e.code;
        }
        if (e.kind == SystemEventKind::UnexpectedStop && e.time) ended.unexpectedAt = e.time;
    }

    static int64_t StartOf(const Evidence& ev) {
        if (!ev.startLogged) return ev.firstMoment;
        const StartKind kind = ev.bootKind.value_or(StartKind::FullBoot);
        if (ev.startTime && (kind == StartKind::FullBoot || !ev.bootLoggedAt)) return *ev.startTime;
        return ev.bootLoggedAt.value_or(ev.firstMoment);
    }

    Session Decide(std::size_t i, const Session* previous, int64_t now) const {
        const Evidence& ev = m_evidence[i];
        Session s;
        s.startLogged = ev.startLogged;
        s.startKind = ev.bootKind.value_or(StartKind::FullBoot);
        s.start = StartOf(ev);
        if (previous && s.start < previous->stop) {
            AddNote(s.startNote, "start logged before the previous stop");
            s.start = previous->stop;
        }
        if (i == 0 && m_beforeTheLog.dirty && s.startLogged)
            AddNote(s.startNote, m_beforeTheLog.bugCheck || m_beforeTheLog.stopCode
                                     ? "the stop before it was a crash"
                                     : "the stop before it was unexpected");
        s.request = ev.request;

        const bool last = i + 1 == m_evidence.size();
        // The log's order is the surest: the next start was logged after
        // this session's events, whatever its start time says.
        std::optional<int64_t> nextLogged;
        if (!last) nextLogged = std::max(m_evidence[i + 1].startLoggedAt, s.start);
        const std::optional<StartKind> nextKind =
            last ? std::nullopt : std::optional<StartKind>(m_evidence[i + 1].bootKind.value_or(StartKind::FullBoot));

        bool endedAtSleep = false;
        if (ev.dirty) {
            s.end = ev.bugCheck || ev.stopCode ? SessionEnd::Crash : SessionEnd::Unexpected;
            s.stopCode = ev.stopCode;
            s.stopTimeLogged = ev.unexpectedAt || ev.cleanStop;
            s.stop = ev.unexpectedAt ? *ev.unexpectedAt : ev.cleanStop ? *ev.cleanStop : ev.lastSeen;
        } else if (ev.cleanStop) {
            s.end = ev.request && AsksRestart(*ev.request) ? SessionEnd::Restart : SessionEnd::Shutdown;
            s.stop = *ev.cleanStop;
            if (last) AddNote(s.endNote, "no start logged after it");
        } else if (last) {
            s.end = SessionEnd::Running;
            s.stop = std::max(now, s.start);
        } else if (ev.openSleep) {
            // Entered sleep and the next start came from it: the shutdown of
            // fast startup, or a hibernation.
            endedAtSleep = true;
            s.stop = *ev.openSleep;
            s.end = ev.request ? (AsksRestart(*ev.request) ? SessionEnd::Restart : SessionEnd::Shutdown)
                    : nextKind == StartKind::FastStartup ? SessionEnd::Shutdown
                                                         : SessionEnd::Hibernation;
        } else if (ev.request) {
            s.end = AsksRestart(*ev.request) ? SessionEnd::Restart : SessionEnd::Shutdown;
            s.stop = std::max(ev.requestAt, ev.lastSeen);
        } else {
            s.end = SessionEnd::Unlogged;
            s.stopTimeLogged = false;
            s.stop = ev.lastSeen;
        }

        if (s.stop < s.start) {
            // A clock set back between the two: the latest moment the
            // session told of is the better guess.
            AddNote(s.endNote, "stop logged before its start");
            s.stop = std::max(s.start, ev.lastSeen);
        }
        if (nextLogged && s.stop > *nextLogged) {
            AddNote(s.endNote, "stop logged after the next start");
            s.stop = *nextLogged;
        }

        std::vector<SleepSpan> sleeps = ev.sleeps;
        if (ev.openSleep && !endedAtSleep && s.end != SessionEnd::Running)
            sleeps.push_back(SleepSpan{*ev.openSleep, s.stop, false});
        // Kept within the session and apart: the sleep a fast startup or a
        // hibernation came back from began before the start and falls away.
        std::sort(sleeps.begin(), sleeps.end(),
                  [](const SleepSpan& a, const SleepSpan& b) { return a.from < b.from; });
        for (SleepSpan sleep : sleeps) {
            sleep.from = std::max(sleep.from, s.sleeps.empty() ? s.start : std::max(s.start, s.sleeps.back().to));
            sleep.to = std::min(sleep.to, s.stop);
            if (sleep.to <= sleep.from) continue;
            s.asleepSeconds += sleep.to - sleep.from;
            s.sleeps.push_back(sleep);
        }
        s.upSeconds = s.stop - s.start;
        return s;
    }

    std::vector<Evidence> m_evidence;
    Evidence m_beforeTheLog;  // what the first start told of the stop before it
};

// The part of from..to that lies within lower..upper.
int64_t Overlap(int64_t from, int64_t to, int64_t lower, int64_t upper) {
    return std::max<int64_t>(0, std::min(to, upper) - std::max(from, lower));
}

}  // namespace

SystemHistory BuildSystemHistory(const SystemLogEvents& log, int64_t now) {
    if (!log.readable) {
        SystemHistory unreadable;
        unreadable.now = now;
        return unreadable;
    }
    std::vector<SystemEvent> events = log.events;
    std::stable_sort(events.begin(), events.end(), [](const SystemEvent& a, const SystemEvent& b) {
        return a.loggedAt != b.loggedAt ? a.loggedAt < b.loggedAt : Rank(a.kind) < Rank(b.kind);
    });
    HistoryBuilder builder;
    for (const SystemEvent& e : events) builder.Add(e);
    return builder.Finish(now);
}

HistorySummary Summarize(const SystemHistory& history, int64_t from) {
    HistorySummary summary;
    if (!history.since) return summary;
    const int64_t lower = std::max(from, *history.since);
    const int64_t upper = std::max(history.now, lower);
    const auto within = [&](int64_t moment) { return moment >= lower && moment <= upper; };
    for (const Session& s : history.sessions) {
        if (s.startLogged && within(s.start)) ++summary.starts;
        if (s.end != SessionEnd::Running && within(s.stop)) {
            switch (s.end) {
                case SessionEnd::Restart: ++summary.restarts; [[fallthrough]];
                case SessionEnd::Shutdown:
                case SessionEnd::Hibernation: ++summary.plannedStops; break;
                case SessionEnd::Unexpected:
                case SessionEnd::Unlogged: ++summary.unexpectedStops; break;
                case SessionEnd::Crash: ++summary.crashes; break;
                case SessionEnd::Running: break;
            }
        }
        const int64_t on = Overlap(s.start, s.stop, lower, upper);
        summary.secondsOn += on;
        summary.longestSession = std::max(summary.longestSession, on);
        for (const SleepSpan& sleep : s.sleeps) summary.secondsAsleep += Overlap(sleep.from, sleep.to, lower, upper);
        if (s.offSecondsAfter)
            summary.secondsOff += Overlap(s.stop, s.stop + *s.offSecondsAfter, lower, upper);
    }
    summary.spanSeconds = upper - lower;
    if (summary.spanSeconds > 0)
        summary.availabilityTenths = (summary.secondsOn * 1000 + summary.spanSeconds / 2) / summary.spanSeconds;
    return summary;
}
