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

bool IsOption(const std::string& argument) { return !argument.empty() && (argument[0] == '-' || argument[0] == '/'); }

}  // namespace

LaunchRequest ParseCommandLine(const std::vector<std::string>& arguments) {
    std::vector<std::string> options;
    for (const std::string& argument : arguments)
        if (IsOption(argument)) options.push_back(argument);
    if (options.empty()) return LaunchRequest{};
    // The one pair of options: the history as JSON.
    if (options.size() == 2 && options[0] == "--history" && options[1] == "--json")
        return LaunchRequest{LaunchMode::HistoryJson, std::string()};
    for (const Option& option : kOptions) {
        if (options[0] != option.name) continue;
        if (options.size() > 1) return Misuse("One option at a time: \"" + options[1] + "\" is one too many.");
        return LaunchRequest{option.mode, std::string()};
    }
    return Misuse("Unknown option: \"" + options[0] + "\".");
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
           "With an option no window opens; the exit code is 0 when done, 1 when the output could not be written,\r\n"
           "2 for an unknown option.\r\n";
}
