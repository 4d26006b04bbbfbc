#include "app/cli/CommandLine.h"

#include <windows.h>
#include <objbase.h>

#include <cstdlib>
#include <ctime>

#include "framework/StdStream.h"
#include "app/outputs/SystemNames.h"
#include "app/TallvoxDlg.h"
#include "app/update/UpdateCheck.h"
#include "facts/AwakeTime.h"
#include "facts/FactsReport.h"
#include "facts/InstallDateQuery.h"
#include "facts/InstallDateText.h"
#include "facts/InstallHistoryReader.h"
#include "facts/IsoTime.h"
#include "facts/SystemLogReader.h"
#include "facts/TimeFacts.h"
#include "facts/UptimeText.h"
#include "framework/ComApartment.h"

namespace {

// The installation moment as the window shows it, from the CIM text.
struct InstallDateReading {
    std::string cim;
    InstallDateTime moment;
    std::string text;  // "MM-DD-YYYY  @ HH:MM:SS"
};

std::optional<InstallDateReading> ReadInstallDate() {
    InstallDateReading reading;
    if (!QueryInstallDate(&reading.cim) || !ParseCimDateTime(reading.cim, &reading.moment, &reading.text))
        return std::nullopt;
    return reading;
}

}  // namespace

MachineFacts ReadMachineFacts() {
    const uint64_t tick = ::GetTickCount64();
    const int64_t now = _time64(nullptr);

    MachineFacts facts;
    facts.version = kOwnVersion;
    facts.uptimeSeconds = tick / 1000;
    facts.awakeSeconds = ReadAwakeSeconds();
    facts.bootTime = IsoLocalTime(now - static_cast<int64_t>(facts.uptimeSeconds));

    if (const std::optional<InstallDateReading> install = ReadInstallDate()) {
        facts.installDate = CimToIso(install->cim);
        facts.installElapsed = InstallElapsedText(ComputeElapsed(ToLocalDateTime(now), install->moment));
    }
    if (const std::optional<int64_t> original = OriginalInstallDate(ReadInstallDateValues()))
        facts.originalInstallDate = IsoLocalTime(*original);
    if (const std::optional<LastStart> start = DecideLastStart(ReadSystemLogStarts())) {
        facts.lastStart = IsoLocalTime(start->time);
        facts.lastStartKind = std::string(StartKindName(start->kind));
    }
    return facts;
}

std::string ReadReportText() {
    const uint64_t tick = ::GetTickCount64();
    const int64_t now = _time64(nullptr);

    TimeFacts times;
    FactsSnapshot facts;
    facts.uptime = times.UptimeText(tick);
    facts.bootTime = times.BootTimeText(tick, now);
    if (const std::optional<InstallDateReading> install = ReadInstallDate()) {
        facts.installDate = install->text;
        facts.installTime = FormatInstallTimeText(ComputeElapsed(ToLocalDateTime(now), install->moment));
    }
    facts.today = TimeFacts::TodayText(now);
    facts.userName = GetUserNameText();
    facts.computerName = GetComputerNameText();
    facts.dateTime = CTallvoxDlg::CurrentTimeText();
    return BuildReportText(facts);
}

int RunCommandLine(const LaunchRequest& request, TextSink& out, TextSink& err) {
    switch (request.mode) {
        case LaunchMode::Report: {
            const CComApartment com;
            out.Write(ReadReportText());
            return kExitSuccess;
        }
        case LaunchMode::Json: {
            const CComApartment com;
            out.Write(BuildFactsJson(ReadMachineFacts()));
            return kExitSuccess;
        }
        case LaunchMode::Help:
            out.Write(UsageText());
            return kExitSuccess;
        case LaunchMode::Misuse:
        case LaunchMode::Window:
            break;
    }
    err.Write(request.problem + "\r\n" + UsageText());
    return kExitMisuse;
}

int RunCommandLineMode(const LaunchRequest& request) {
    CStdStream out(STD_OUTPUT_HANDLE);
    CStdStream err(STD_ERROR_HANDLE);
    return RunCommandLine(request, out, err);
}

std::vector<std::string> ProgramArguments() {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
    return arguments;
}
