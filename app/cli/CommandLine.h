// The command-line modes: the facts for scripts on standard output, without
// the window. Nothing here opens a window (but a message box for a misuse
// that has no standard error to go to), touches the taskbar, speaks, writes
// the settings file or checks for updates.
#pragma once
#include <string>
#include <vector>

#include "app/cli/CommandLineOptions.h"
#include "facts/FactsJson.h"
#include "framework/TextSink.h"

// Runs one mode other than Window; the process exit code: kExitSuccess,
// kExitOutputFailed when the answer did not all reach `out` (said on `err`),
// kExitMisuse.
int RunCommandLine(const LaunchRequest& request, TextSink& out, TextSink& err);

// The same, writing to the process's standard output and error; a misuse
// with no standard error to tell it on is told in a message box.
int RunCommandLineMode(const LaunchRequest& request);

// The program's arguments after its name.
std::vector<std::string> ProgramArguments();
