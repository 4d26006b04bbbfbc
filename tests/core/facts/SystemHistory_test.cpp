// The machine's history from the System log's starts, stops, sleeps and
// wakes: the --history text for sequences of events, the events' XML, the
// JSON and the tooltip.
#include "facts/SystemHistory.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/facts/TimeZoneForTest.h"
#include "facts/SystemEventXml.h"
#include "facts/SystemHistoryText.h"

namespace {

const int64_t kMarch2 = 1772409600;  // 2026-03-02 00:00:00 UTC

int64_t At(int day, int hour, int minute = 0) { return kMarch2 + day * 86400 + hour * 3600 + minute * 60; }

using Events = std::vector<SystemEvent>;

SystemEvent Event(SystemEventKind kind, int64_t loggedAt) {
    SystemEvent e;
    e.kind = kind;
    e.loggedAt = loggedAt;
    return e;
}
SystemEvent With(SystemEvent e, std::optional<int64_t> time, std::optional<uint64_t> code = std::nullopt) {
    e.time = time;
    e.code = code;
    return e;
}
// A start as the kernel logs it: its start time (full boots only), its boot type.
Events Start(int64_t t, uint64_t bootType = 0) {
    Events start;
    if (bootType == 0) start.push_back(With(Event(SystemEventKind::Started, t + 5), t));
    start.push_back(With(Event(SystemEventKind::BootType, bootType == 0 ? t + 6 : t), std::nullopt, bootType));
    return start;
}
SystemEvent Stop(int64_t t) { return With(Event(SystemEventKind::Stopping, t + 1), t); }
SystemEvent Sleep(int64_t t) { return Event(SystemEventKind::EnteringSleep, t); }
SystemEvent Wake(int64_t slept, int64_t woke) {
    SystemEvent e = With(Event(SystemEventKind::Woke, woke + 20), slept);
    e.wakeTime = woke;
    return e;
}
SystemEvent Ask(int64_t t, const char* action) {
    SystemEvent e = Event(SystemEventKind::StopRequested, t);
    e.request = StopRequest{"shutdown.exe (PC)", "PC", "Application: Maintenance (Planned)", "0x80040001", action, "",
                            "PC\\ann"};
    return e;
}
Events Join(std::initializer_list<Events> parts) {
    Events all;
    for (const Events& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

SystemLogEvents Log(Events events) { return SystemLogEvents{true, std::move(events)}; }

struct HistoryCase {
    const char* name;
    SystemLogEvents log;
    int64_t now;
    const char* text;
};

}  // namespace

TEST(SystemHistory, TimelineAndSummaryFromTheLog) {
    TimeZoneForTest zone("UTC0");
    SystemEvent clockBehind = With(Event(SystemEventKind::Started, At(0, 19)), At(0, 17));
    SystemEvent unexpectedStop = With(Event(SystemEventKind::UnexpectedStop, At(0, 20, 1)), At(0, 19));
    Events contradictory = Join({Start(At(0, 8)), Start(At(0, 12)), {With(Stop(At(0, 18)), At(0, 11)), clockBehind},
                                 {With(Event(SystemEventKind::BootType, At(0, 19)), std::nullopt, 0)}});
    std::reverse(contradictory.begin(), contradictory.end());  // newest first, as the log is read
    const HistoryCase cases[] = {
        {"a day of plain boots and shutdowns",
         Log(Join({Start(At(0, 8)), {Stop(At(0, 12))}, Start(At(0, 13)), {Stop(At(0, 18))}, Start(At(1, 8))})),
         At(1, 10),
         "Date        Time      Event  Detail     Up/off before\r\n"
         "03-02-2026  08:00:00  start  full boot\r\n"
         "03-02-2026  12:00:00  stop   shut down  up 4 hours 0 min 0 sec\r\n"
         "03-02-2026  13:00:00  start  full boot  off 1 hour 0 min 0 sec\r\n"
         "03-02-2026  18:00:00  stop   shut down  up 5 hours 0 min 0 sec\r\n"
         "03-03-2026  08:00:00  start  full boot  off 14 hours 0 min 0 sec\r\n"
         "\r\n"
         "Since: 03-02-2026 08:00:00\r\n"
         "Starts: 3, planned stops: 2, unexpected stops: 0, crashes: 0\r\n"
         "On: 11 hours 0 min 0 sec, asleep: 0 min 0 sec, off: 15 hours 0 min 0 sec\r\n"
         "Longest session: 5 hours 0 min 0 sec\r\n"
         "Availability: 42.3 %\r\n"},
        {"fast startup",
         Log(Join({Start(At(0, 8)), {Sleep(At(0, 18))}, Start(At(1, 8), 1), {Wake(At(0, 18), At(1, 8))}})),
         At(1, 9),
         "Date        Time      Event  Detail        Up/off before\r\n"
         "03-02-2026  08:00:00  start  full boot\r\n"
         "03-02-2026  18:00:00  stop   shut down     up 10 hours 0 min 0 sec\r\n"
         "03-03-2026  08:00:00  start  fast startup  off 14 hours 0 min 0 sec\r\n"
         "\r\n"
         "Since: 03-02-2026 08:00:00\r\n"
         "Starts: 2, planned stops: 1, unexpected stops: 0, crashes: 0\r\n"
         "On: 11 hours 0 min 0 sec, asleep: 0 min 0 sec, off: 14 hours 0 min 0 sec\r\n"
         "Longest session: 10 hours 0 min 0 sec\r\n"
         "Availability: 44.0 %\r\n"},
        {"hibernation",
         Log(Join({Start(At(0, 8)), {Sleep(At(0, 12))}, Start(At(0, 14), 2), {Wake(At(0, 12), At(0, 14))}})),
         At(0, 15),
         "Date        Time      Event  Detail                   Up/off before\r\n"
         "03-02-2026  08:00:00  start  full boot\r\n"
         "03-02-2026  12:00:00  stop   hibernated               up 4 hours 0 min 0 sec\r\n"
         "03-02-2026  14:00:00  start  resume from hibernation  off 2 hours 0 min 0 sec\r\n"
         "\r\n"
         "Since: 03-02-2026 08:00:00\r\n"
         "Starts: 2, planned stops: 1, unexpected stops: 0, crashes: 0\r\n"
         "On: 5 hours 0 min 0 sec, asleep: 0 min 0 sec, off: 2 hours 0 min 0 sec\r\n"
         "Longest session: 4 hours 0 min 0 sec\r\n"
         "Availability: 71.4 %\r\n"},
        {"sleep and wake within a session",
         Log(Join({Start(At(0, 8)), {Sleep(At(0, 12)), Wake(At(0, 12), At(0, 13)), Sleep(At(0, 20)),
                                     Wake(At(0, 20), At(1, 7))}})),
         At(1, 8),
         "Date        Time      Event  Detail     Up/off before\r\n"
         "03-02-2026  08:00:00  start  full boot\r\n"
         "03-02-2026  12:00:00  sleep\r\n"
         "03-02-2026  13:00:00  wake              asleep 1 hour 0 min 0 sec\r\n"
         "03-02-2026  20:00:00  sleep\r\n"
         "03-03-2026  07:00:00  wake              asleep 11 hours 0 min 0 sec\r\n"
         "\r\n"
         "Since: 03-02-2026 08:00:00\r\n"
         "Starts: 1, planned stops: 0, unexpected stops: 0, crashes: 0\r\n"
         "On: 1 day 0 hours 0 min 0 sec, asleep: 12 hours 0 min 0 sec, off: 0 min 0 sec\r\n"
         "Longest session: 1 day 0 hours 0 min 0 sec\r\n"
         "Availability: 100.0 %\r\n"},
        {"a crash: 41 and 1001, no time of the stop",
         Log(Join({Start(At(0, 8)), {Sleep(At(0, 11)), Wake(At(0, 11), At(0, 12))}, Start(At(0, 15)),
                   {With(Event(SystemEventKind::DirtyStart, At(0, 15, 1)), std::nullopt, 159),
                    With(Event(SystemEventKind::BugCheck, At(0, 15, 3)), std::nullopt, 0x9f)}})),
         At(0, 16),
         "Date        Time      Event  Detail                                                         Up/off before\r\n"
         "03-02-2026  08:00:00  start  full boot\r\n"
         "03-02-2026  11:00:00  sleep\r\n"
         "03-02-2026  12:00:00  wake                                                                  asleep 1 hour 0 min 0 sec\r\n"
         "03-02-2026  12:00:00  crash  stop code 0x0000009F; stop time unknown: last event before it  up 4 hours 0 min 0 sec\r\n"
         "03-02-2026  15:00:00  start  full boot                                                      off 3 hours 0 min 0 sec\r\n"
         "\r\n"
         "Since: 03-02-2026 08:00:00\r\n"
         "Starts: 2, planned stops: 0, unexpected stops: 0, crashes: 1\r\n"
         "On: 5 hours 0 min 0 sec, asleep: 1 hour 0 min 0 sec, off: 3 hours 0 min 0 sec\r\n"
         "Longest session: 4 hours 0 min 0 sec\r\n"
         "Availability: 62.5 %\r\n"},
        {"an unexpected stop while asleep: 6008 without 41",
         Log(Join({Start(At(0, 8)), {Sleep(At(0, 18))}, Start(At(0, 20)), {unexpectedStop}})), At(0, 21),
         "Date        Time      Event            Detail                 Up/off before\r\n"
         "03-02-2026  08:00:00  start            full boot\r\n"
         "03-02-2026  18:00:00  sleep\r\n"
         "03-02-2026  19:00:00  unexpected stop  not shut down cleanly  up 11 hours 0 min 0 sec\r\n"
         "03-02-2026  20:00:00  start            full boot              off 1 hour 0 min 0 sec\r\n"
         "\r\n"
         "Since: 03-02-2026 08:00:00\r\n"
         "Starts: 2, planned stops: 0, unexpected stops: 1, crashes: 0\r\n"
         "On: 12 hours 0 min 0 sec, asleep: 1 hour 0 min 0 sec, off: 1 hour 0 min 0 sec\r\n"
         "Longest session: 11 hours 0 min 0 sec\r\n"
         "Availability: 92.3 %\r\n"},
        {"a restart asked by a process with a reason",
         Log(Join({Start(At(0, 8)), {Ask(At(0, 12), "restart"), Stop(At(0, 12, 1))}, Start(At(0, 12, 2))})),
         At(0, 13),
         "Date        Time      Event    Detail                                                                                  Up/off before\r\n"
         "03-02-2026  08:00:00  start    full boot\r\n"
         "03-02-2026  12:01:00  restart  asked by shutdown.exe (PC) for PC\\ann: Application: Maintenance (Planned) (0x80040001)  up 4 hours 1 min 0 sec\r\n"
         "03-02-2026  12:02:00  start    full boot                                                                               off 1 min 0 sec\r\n"
         "\r\n"
         "Since: 03-02-2026 08:00:00\r\n"
         "Starts: 2, planned stops: 1, unexpected stops: 0, crashes: 0\r\n"
         "On: 4 hours 59 min 0 sec, asleep: 0 min 0 sec, off: 1 min 0 sec\r\n"
         "Longest session: 4 hours 1 min 0 sec\r\n"
         "Availability: 99.7 %\r\n"},
        {"out of order and contradictory: two starts, a stop before its start, a clock behind",
         Log(contradictory), At(0, 20),
         "Date        Time      Event            Detail                                            Up/off before\r\n"
         "03-02-2026  08:00:00  start            full boot\r\n"
         "03-02-2026  08:00:06  unexpected stop  no stop logged before the next start              up 0 min 6 sec\r\n"
         "03-02-2026  12:00:00  start            full boot                                         off 3 hours 59 min 54 sec\r\n"
         "03-02-2026  18:00:01  stop             shut down; stop logged before its start           up 6 hours 0 min 1 sec\r\n"
         "03-02-2026  18:00:01  start            full boot; start logged before the previous stop  off 0 min 0 sec\r\n"
         "\r\n"
         "Since: 03-02-2026 08:00:00\r\n"
         "Starts: 3, planned stops: 1, unexpected stops: 1, crashes: 0\r\n"
         "On: 8 hours 0 min 6 sec, asleep: 0 min 0 sec, off: 3 hours 59 min 54 sec\r\n"
         "Longest session: 6 hours 0 min 1 sec\r\n"
         "Availability: 66.7 %\r\n"},
        {"an empty log", Log({}), At(0, 8), "No start or stop was found in the System log.\r\n"},
        {"an unreadable log", SystemLogEvents{}, At(0, 8), "The System event log could not be read.\r\n"},
        {"a log that starts mid-session",
         Log(Join({{Sleep(At(0, 9)), Wake(At(0, 9), At(0, 10)), Stop(At(0, 18))}, Start(At(1, 8))})), At(1, 9),
         "Date        Time      Event  Detail     Up/off before\r\n"
         "03-02-2026  09:00:00  sleep\r\n"
         "03-02-2026  10:00:00  wake              asleep 1 hour 0 min 0 sec\r\n"
         "03-02-2026  18:00:00  stop   shut down  up 9 hours 0 min 0 sec\r\n"
         "03-03-2026  08:00:00  start  full boot  off 14 hours 0 min 0 sec\r\n"
         "\r\n"
         "Since: 03-02-2026 09:00:00\r\n"
         "Starts: 1, planned stops: 1, unexpected stops: 0, crashes: 0\r\n"
         "On: 10 hours 0 min 0 sec, asleep: 1 hour 0 min 0 sec, off: 14 hours 0 min 0 sec\r\n"
         "Longest session: 9 hours 0 min 0 sec\r\n"
         "Availability: 41.7 %\r\n"},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.text, HistoryText(BuildSystemHistory(c.log, c.now)));
    }
}

namespace {

const char kEventStart[] =
    "<Event xmlns='http://schemas.microsoft.com/win/2004/08/events/event'><System><Provider Name='";

// An event as the log renders it, logged at 08:00:05 on the first day.
std::string Xml(const char* provider, const char* id, const char* data) {
    return std::string(kEventStart) + provider + "' Guid='{00000000-0000-0000-0000-000000000000}'/><EventID>" + id +
           "</EventID><Level>4</Level><TimeCreated SystemTime='2026-03-02T08:00:05.1234567Z'/><Channel>System"
           "</Channel></System><EventData>" + data + "</EventData></Event>";
}

std::string Describe(const std::optional<SystemEvent>& e) {
    if (!e) return "none";
    std::string text = std::to_string(static_cast<int>(e->kind)) + " at " + std::to_string(e->loggedAt - kMarch2);
    if (e->time) text += " time " + std::to_string(*e->time - kMarch2);
    if (e->wakeTime) text += " woke " + std::to_string(*e->wakeTime - kMarch2);
    if (e->code) text += " code " + std::to_string(*e->code);
    if (e->kind == SystemEventKind::StopRequested)
        text += " " + e->request.process + "|" + e->request.reason + "|" + e->request.action + "|" + e->request.user;
    return text;
}

}  // namespace

TEST(SystemHistory, EventsFromTheirXml) {
    const std::string start = Xml("Microsoft-Windows-Kernel-General", "12",
                                  "<Data Name='MajorVersion'>10</Data><Data Name='StartTime'>"
                                  "2026-03-02T07:59:58.500000000Z</Data>");
    const struct {
        std::string xml;
        std::string expected;
    } cases[] = {
        {start, "0 at 28805 time 28798"},
        {Xml("Microsoft-Windows-Kernel-Boot", "27", "<Data Name='BootType'>0x1</Data>"), "1 at 28805 code 1"},
        {Xml("Microsoft-Windows-Kernel-General", "13", "<Data Name=\"StopTime\">2026-03-02T09:00:00Z</Data>"),
         "2 at 28805 time 32400"},
        {Xml("User32", "1074",
             "<Data Name='param1'>C:\\a &amp; b.exe (PC)</Data><Data Name='param2'>PC</Data><Data Name='param3'>"
             "Other (Unplanned)</Data><Data Name='param4'>0x0</Data><Data Name='param5'>restart</Data>"
             "<Data Name='param6'/><Data Name='param7'>PC\\ann</Data>"),
         "3 at 28805 C:\\a & b.exe (PC)|Other (Unplanned)|restart|PC\\ann"},
        {Xml("Microsoft-Windows-Kernel-Power", "41", "<Data Name='BugcheckCode'>159</Data>"), "4 at 28805 code 159"},
        // The local time and date as positional texts, then UTC 2026-03-02 07:30:15 in the binary data.
        {Xml("EventLog", "6008",
             "<Data>8:30:15 AM</Data><Data>\xE2\x80\x8E" "3/\xE2\x80\x8E" "2/\xE2\x80\x8E" "2026</Data><Data/>"
             "<Binary>EA070300010002000800"
             "1E000F000000EA07030001000200070"
             "01E000F000000</Binary>"),
         "5 at 28805 time 27015"},
        {Xml("Microsoft-Windows-WER-SystemErrorReporting", "1001",
             "<Data Name='param1'>0x0000009f (0x0000000000000003, 0xffffd38d26591060)</Data>"),
         "6 at 28805 code 159"},
        {Xml("Microsoft-Windows-Kernel-Power", "42", "<Data Name='TargetState'>4</Data>"), "7 at 28805"},
        {Xml("Microsoft-Windows-Power-Troubleshooter", "1",
             "<Data Name='SleepTime'>2026-03-01T23:00:00.1Z</Data><Data Name='WakeTime'>2026-03-02T08:00:00Z</Data>"),
         "8 at 28805 time -3600 woke 28800"},
        {Xml("Microsoft-Windows-Kernel-General", "1", ""), "none"},
        {Xml("Microsoft-Windows-Kernel-General", "12", "<Data Name='StartTime'>2026-03-02T07:59:58.5</Data>"),
         "0 at 28805"},
        {start.substr(0, start.find("<TimeCreated")), "none"},
        {start.substr(0, start.find("Z'/>")), "none"},
        {"<<<>>>'\"&#xFFFFFFFF;", "none"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, Describe(ParseSystemEventXml(c.xml))) << c.xml;
}

TEST(SystemHistory, JsonTooltipAndPendingRestart) {
    TimeZoneForTest zone("CET-1");
    const SystemLogEvents log = Log(Join({Start(At(0, 8)), {Stop(At(0, 18))}, Start(At(1, 8))}));
    EXPECT_EQ("{\r\n"
              "  \"readable\": true,\r\n"
              "  \"since\": \"2026-03-02T09:00:00+01:00\",\r\n"
              "  \"events\": [\r\n"
              "    {\"time\": \"2026-03-02T09:00:00+01:00\", \"event\": \"start\", \"detail\": \"full boot\"},\r\n"
              "    {\"time\": \"2026-03-02T19:00:00+01:00\", \"event\": \"stop\", \"detail\": \"shut down\"},\r\n"
              "    {\"time\": \"2026-03-03T09:00:00+01:00\", \"event\": \"start\", \"detail\": \"full boot\"}\r\n"
              "  ],\r\n"
              "  \"summary\": {\r\n"
              "    \"starts\": 2,\r\n"
              "    \"planned_stops\": 1,\r\n"
              "    \"unexpected_stops\": 0,\r\n"
              "    \"crashes\": 0,\r\n"
              "    \"seconds_on\": 39600,\r\n"
              "    \"seconds_asleep\": 0,\r\n"
              "    \"seconds_off\": 50400,\r\n"
              "    \"availability_percent\": 44.0\r\n"
              "  }\r\n"
              "}\r\n",
              HistoryJson(BuildSystemHistory(log, At(1, 9))));
    EXPECT_EQ("{\r\n  \"readable\": false,\r\n  \"since\": null,\r\n  \"events\": [],\r\n  \"summary\": {\r\n"
              "    \"starts\": 0,\r\n    \"planned_stops\": 0,\r\n    \"unexpected_stops\": 0,\r\n"
              "    \"crashes\": 0,\r\n    \"seconds_on\": 0,\r\n    \"seconds_asleep\": 0,\r\n"
              "    \"seconds_off\": 0,\r\n    \"availability_percent\": null\r\n  }\r\n}\r\n",
              HistoryJson(BuildSystemHistory(SystemLogEvents{}, At(1, 9))));

    // Forty days: a restart and a crash long ago, two restarts and a power cut in the last thirty.
    const SystemLogEvents month = Log(Join({Start(At(0, 8)), {Ask(At(1, 8), "restart"), Stop(At(1, 8))},
                                           Start(At(1, 9)), Start(At(2, 9)),
                                           {With(Event(SystemEventKind::DirtyStart, At(2, 9, 1)), std::nullopt, 80)},
                                           {Ask(At(20, 8), "restart"), Stop(At(20, 8))}, Start(At(20, 9)),
                                           {Ask(At(30, 8), "Restart"), Stop(At(30, 8))}, Start(At(30, 9)),
                                           Start(At(35, 9)), {Stop(At(37, 9))}, Start(At(38, 9))}));
    PendingRestart update;
    update.windowsUpdate = true;
    const struct {
        SystemLogEvents log;
        PendingRestart pending;
        const char* tip;
    } tips[] = {
        {month, update,
         "Last 30 days: 2 restarts, 1 unexpected stop, availability 79.7 %\r\nRestart pending (Windows Update)"},
        {month, PendingRestart(), "Last 30 days: 2 restarts, 1 unexpected stop, availability 79.7 %"},
        {SystemLogEvents{}, PendingRestart{true, true, true, true},
         "Restart pending (component servicing, Windows Update, file rename, computer rename)"},
        {SystemLogEvents{}, PendingRestart(), ""},
    };
    for (const auto& c : tips) EXPECT_EQ(c.tip, HistoryTip(BuildSystemHistory(c.log, At(40, 9)), c.pending));

    const struct {
        PendingRestart pending;
        std::vector<std::string> reasons;
    } reasons[] = {
        {PendingRestart{true, false, false, false}, {"component servicing"}},
        {PendingRestart{false, true, false, false}, {"Windows Update"}},
        {PendingRestart{false, false, true, false}, {"file rename"}},
        {PendingRestart{false, false, false, true}, {"computer rename"}},
        {PendingRestart{true, false, true, false}, {"component servicing", "file rename"}},
        {PendingRestart(), {}},
    };
    for (const auto& c : reasons) EXPECT_EQ(c.reasons, PendingRestartReasons(c.pending));
}

TEST(SystemHistory, CopiedAsTabsSavedAsCsvAndSummedUpForTheWindow) {
    TimeZoneForTest zone("UTC0");
    const SystemHistory days =
        BuildSystemHistory(Log(Join({Start(At(0, 8)), {Stop(At(0, 18))}, Start(At(1, 8))})), At(1, 9));
    const struct {
        TextTable rows;
        const char* tabs;
        const char* csv;
    } cases[] = {
        {HistoryTable(days),
         "Date\tTime\tEvent\tDetail\tUp/off before\r\n03-02-2026\t08:00:00\tstart\tfull boot\t\r\n"
         "03-02-2026\t18:00:00\tstop\tshut down\tup 10 hours 0 min 0 sec\r\n"
         "03-03-2026\t08:00:00\tstart\tfull boot\toff 14 hours 0 min 0 sec\r\n",
         "Date,Time,Event,Detail,Up/off before\r\n03-02-2026,08:00:00,start,full boot,\r\n"
         "03-02-2026,18:00:00,stop,shut down,up 10 hours 0 min 0 sec\r\n"
         "03-03-2026,08:00:00,start,full boot,off 14 hours 0 min 0 sec\r\n"},
        {{{"a,b", "say \"hi\"", "two\r\nlines", "tab\there", ""}},
         "a,b\tsay \"hi\"\ttwo  lines\ttab here\t\r\n",
         "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",tab\there,\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.tabs, TabSeparated(c.rows));
        EXPECT_EQ(c.csv, CommaSeparated(c.rows));
    }

    EXPECT_EQ("Since: 03-02-2026 08:00:00\r\nStarts: 2, planned stops: 1, unexpected stops: 0, crashes: 0\r\n"
              "On: 11 hours 0 min 0 sec, asleep: 0 min 0 sec, off: 14 hours 0 min 0 sec\r\n"
              "Longest session: 10 hours 0 min 0 sec\r\nAvailability: 44.0 %\r\nNo restart is pending.",
              HistoryWindowSummary(days, PendingRestart()));
}
