// Asks Windows Management Instrumentation when the operating system was
// installed (Win32_OperatingSystem.InstallDate, a CIM datetime text).
#pragma once
#include <string>

// The InstallDate text, or false when any step of the query fails. Runs on a
// thread whose COM apartment is already initialised.
bool QueryInstallDate(std::string* cimText);
