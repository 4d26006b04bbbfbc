// The command line: no option opens the window; one option answers a script
// on standard output and ends. Only arguments that start with '-' or '/' are
// options: any other (a file dropped on the program, a shortcut's argument)
// is passed over, as it was before there were options. No platform calls.
#pragma once
#include <string>
#include <vector>

enum class LaunchMode {
    Window,  // no option: the program as usual
    Report,  // --report: the report text
    Json,    // --json: the facts as one JSON object
    History,      // --history: the starts and stops as a table and summary
    HistoryJson,  // --history --json: the same as one JSON object
    Help,    // --help (or -h, /?): the options
    Misuse,  // an unknown option, or two: the usage on standard error, exit code 2
};

struct LaunchRequest {
    LaunchMode mode = LaunchMode::Window;
    std::string problem;  // for Misuse: what was wrong, one line
};

// The arguments after the program's name.
LaunchRequest ParseCommandLine(const std::vector<std::string>& arguments);

// The list of options, lines ending in CR LF.
const char* UsageText();

// Process exit codes of the command-line modes.
constexpr int kExitSuccess = 0;
constexpr int kExitOutputFailed = 1;  // the output did not reach its destination
constexpr int kExitMisuse = 2;
