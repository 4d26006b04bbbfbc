// Asks Windows Management Instrumentation when the operating system was
// installed (Win32_OperatingSystem.InstallDate, a CIM datetime text).
#pragma once
#include <windows.h>

#include <functional>
#include <string>

// The InstallDate text, or false when any step of the query fails. Runs on a
// thread whose COM apartment is already initialised; may take many seconds
// (the first WMI calls after boot), or never return.
bool QueryInstallDate(std::string* cimText);

// A query as the worker below runs it; tests put slow or failing ones in.
using InstallDateQuery = std::function<bool(std::string* cimText)>;

// What a query found.
struct InstallDateAnswer {
    bool ok = false;
    std::string cimText;
};

// Runs `query` in a single-threaded COM apartment of the calling thread (a
// worker's: the query may take many seconds, or never return). A query
// that fails or throws answers not ok, with no text.
InstallDateAnswer AskInstallDate(const InstallDateQuery& query);
