#include "app/cli/CommandLineOptions.h"

namespace {

struct Option {
    const char* name;
    LaunchMode mode;
};

const Option kOptions[] = {
    {"--report", LaunchMode::Report},
    {"--json", LaunchMode::Json},
    {"--history", LaunchMode::History},
    {"--help", LaunchMode::Help},
    {"-h", LaunchMode::Help},
    {"/?", LaunchMode::Help},
};

LaunchRequest Misuse(const std::string& problem) { return LaunchRequest{LaunchMode::Misuse, problem}; }

}  // namespace

LaunchRequest ParseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return LaunchRequest{};
    // The one pair of options: the history as JSON.
    if (arguments.size() == 2 && arguments[0] == "--history" && arguments[1] == "--json")
        return LaunchRequest{LaunchMode::HistoryJson, std::string()};
    for (const Option& option : kOptions) {
        if (arguments[0] != option.name) continue;
        if (arguments.size() > 1) return Misuse("One option at a time: \"" + arguments[1] + "\" is one too many.");
        return LaunchRequest{option.mode, std::string()};
    }
    return Misuse("Unknown option: \"" + arguments[0] + "\".");
}

const char* UsageText() {
    return "Usage: Tallvox.exe [--report | --json | --history [--json] | --help]\r\n"
           "\r\n"
           "  (no option)  open the Tallvox window\r\n"
           "  --report     write the report (uptime, boot time, installation date) to standard output\r\n"
           "  --json       write the facts as one JSON object to standard output\r\n"
           "  --history    write the starts and stops of the last 90 days, and a pending restart, to standard output\r\n"
           "               (with --json after it: the starts and stops as one JSON object)\r\n"
           "  --help       show this list\r\n"
           "\r\n"
           "With an option no window opens; the exit code is 0, or 2 for an unknown option.\r\n";
}
