// Reads the InstallDate values of the current and the earlier installations
// of Windows from the registry.
#pragma once
#include <windows.h>

#include <string>

#include "facts/InstallHistory.h"

// Where the values are: the key holding the current InstallDate, and the key
// whose "Source OS (...)" subkeys hold the earlier ones.
struct InstallDateKeys {
    HKEY root = HKEY_LOCAL_MACHINE;
    std::string currentKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    std::string setupKey = "SYSTEM\\Setup";
};

InstallDateValues ReadInstallDateValues(const InstallDateKeys& keys = InstallDateKeys());
