#include "facts/PendingRestartReader.h"

#include <optional>
#include <string>
#include <vector>

#include "framework/RegKey.h"

namespace {

const char kComponentServicing[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\RebootPending";
const char kWindowsUpdate[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto Update\\RebootRequired";
const char kSessionManager[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
const char kActiveName[] = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName";
const char kConfiguredName[] = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

// A key closed to us still exists: only its absence says no.
bool KeyExists(const char* path) {
    CRegKey key;
    const LONG result = key.Open(HKEY_LOCAL_MACHINE, path, KEY_QUERY_VALUE);
    return result == ERROR_SUCCESS || result == ERROR_ACCESS_DENIED;
}

// A REG_MULTI_SZ that names at least one file.
bool NamesAFile(const char* path, const char* name) {
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, path, KEY_QUERY_VALUE) != ERROR_SUCCESS) return false;
    // Updates may leave thousands of names here.
    const std::optional<std::vector<std::string>> files = key.ReadMultiString(name, 16 * 1024 * 1024);
    if (!files) return false;
    for (const std::string& file : *files)
        if (!file.empty()) return true;
    return false;
}

std::optional<std::string> ComputerName(const char* path) {
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, path, KEY_QUERY_VALUE) != ERROR_SUCCESS) return std::nullopt;
    return key.ReadString("ComputerName");
}

}  // namespace

PendingRestart ReadPendingRestart() {
    PendingRestart pending;
    pending.componentServicing = KeyExists(kComponentServicing);
    pending.windowsUpdate = KeyExists(kWindowsUpdate);
    pending.fileRename = NamesAFile(kSessionManager, "PendingFileRenameOperations");
    const std::optional<std::string> active = ComputerName(kActiveName);
    const std::optional<std::string> configured = ComputerName(kConfiguredName);
    pending.computerRename = active && configured && *active != *configured;
    return pending;
}
