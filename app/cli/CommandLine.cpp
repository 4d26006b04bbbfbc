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

// The answer on standard output, every byte of it, or exit code 1: a script
// must not take a lost answer (a full disk, a closed stream) for an empty one.
int Answer(const std::string& text, TextSink& out, TextSink& err) {
    if (out.Write(text) && out.Flush()) return kExitSuccess;
    err.Write("Tallvox could not write its output: the disk may be full, or standard output closed.\r\n");
    return kExitOutputFailed;
}

// The usage in a message box, for a program started from a shortcut or the
// Run box with an unknown option: there standard error goes nowhere.
class CMessageBoxSink : public TextSink {
public:
    bool Write(const std::string& text) override {
        return ::MessageBoxA(nullptr, text.c_str(), "Tallvox", MB_ICONWARNING | MB_OK) != 0;
    }
};

}  // namespace

int RunCommandLine(const LaunchRequest& request, TextSink& out, TextSink& err) {
    switch (request.mode) {
        case LaunchMode::Report:
            return Answer(BuildReportText(ReadFactsNow()), out, err);
        case LaunchMode::Json:
            return Answer(BuildFactsJson(ReadFactsNow().machine), out, err);
        case LaunchMode::History:
            return Answer(HistoryText(ReadSystemHistory()) + PendingRestartSentence(ReadPendingRestart()) + "\r\n",
                          out, err);
        case LaunchMode::HistoryJson:
            return Answer(HistoryJson(ReadSystemHistory()), out, err);
        case LaunchMode::Help:
            return Answer(UsageText(), out, err);
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
    if (request.mode == LaunchMode::Misuse && !err.IsOpen()) {
        CMessageBoxSink box;
        return RunCommandLine(request, out, box);
    }
    return RunCommandLine(request, out, err);
}

std::vector<std::string> ProgramArguments() {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
    return arguments;
}
