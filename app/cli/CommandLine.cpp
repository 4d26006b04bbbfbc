#include "app/cli/CommandLine.h"

#include <windows.h>

#include <cstdlib>

#include "facts/FactsReader.h"
#include "facts/FactsReport.h"
#include "facts/PendingRestartReader.h"
#include "facts/SystemHistoryText.h"
#include "framework/ComApartment.h"
#include "framework/StdStream.h"

namespace {

FactsSnapshot ReadFactsNow() {
    const CComApartment com;
    TimeFacts times;
    return GatherFacts(ReadAllFacts(), times);
}

}  // namespace

int RunCommandLine(const LaunchRequest& request, TextSink& out, TextSink& err) {
    switch (request.mode) {
        case LaunchMode::Report:
            out.Write(BuildReportText(ReadFactsNow()));
            return kExitSuccess;
        case LaunchMode::Json:
            out.Write(BuildFactsJson(ReadFactsNow().machine));
            return kExitSuccess;
        case LaunchMode::History:
            out.Write(HistoryText(ReadSystemHistory()) + PendingRestartSentence(ReadPendingRestart()) + "\r\n");
            return kExitSuccess;
        case LaunchMode::HistoryJson:
            out.Write(HistoryJson(ReadSystemHistory()));
            return kExitSuccess;
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
