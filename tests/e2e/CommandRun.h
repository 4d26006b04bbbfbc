// Tallvox.exe started with options, as a script starts it: standard output
// and error through pipes or handles of the test's choosing, watched until it
// ends for any window it makes.
#pragma once
#include <windows.h>

#include <string>

struct CommandRun {
    bool started = false;
    DWORD exitCode = STILL_ACTIVE;  // still so after the time-out
    std::string out;                // what came through the output pipe
    std::string err;                // what came through the error pipe
    bool windowSeen = false;        // a top-level window of the process was found
};

// Runs "<exe> <arguments>" in `folder` with both streams on pipes.
CommandRun RunWithPipes(const std::string& exe, const std::string& arguments, const std::string& folder);

// The same with standard output on `out` (a file, say) and standard error on
// a pipe; a null `out` gives the program no output handle at all.
CommandRun RunWithOutput(const std::string& exe, const std::string& arguments, const std::string& folder, HANDLE out);

// Runs a whole command line (cmd.exe /c ...) in `folder`, with no handles
// given, and returns its exit code.
DWORD RunCommandLine(const std::string& commandLine, const std::string& folder);
