#include "facts/PendingRestartReader.h"

#include <windows.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kComponentServicing[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\RebootPending";
const char kWindowsUpdate[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto Update\\RebootRequired";
const char kSessionManager[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
const char kActiveName[] = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName";
const char kConfiguredName[] = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

// An open key of HKEY_LOCAL_MACHINE, closed when it goes.
class RegKey {
public:
    explicit RegKey(const char* path) {
        // The 64-bit view: a 32-bit build must not read the redirected copy.
        m_result = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &m_key);
        if (m_result != ERROR_SUCCESS) m_key = nullptr;
    }
    ~RegKey() {
        if (m_key) ::RegCloseKey(m_key);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY Get() const { return m_key; }
    LONG Result() const { return m_result; }

private:
    HKEY m_key = nullptr;
    LONG m_result = ERROR_FILE_NOT_FOUND;
};

// A key closed to us still exists: only its absence says no.
bool KeyExists(const char* path) {
    const LONG result = RegKey(path).Result();
    return result == ERROR_SUCCESS || result == ERROR_ACCESS_DENIED;
}

// A value of the expected type, with its bytes; none when it is missing.
std::optional<std::vector<char>> ReadValue(const char* path, const char* name, DWORD expectedType) {
    RegKey key(path);
    if (!key.Get()) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != expectedType)
        return std::nullopt;
    std::vector<char> data(size + 2, '\0');  // room for the end a string may lack
    if (::RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
            ERROR_SUCCESS ||
        type != expectedType)
        return std::nullopt;
    data.resize(size);
    return data;
}

// A REG_MULTI_SZ that names at least one file.
bool HasText(const std::optional<std::vector<char>>& multiString) {
    if (!multiString) return false;
    for (char c : *multiString)
        if (c != '\0') return true;
    return false;
}

std::optional<std::string> ComputerName(const char* path) {
    const std::optional<std::vector<char>> data = ReadValue(path, "ComputerName", REG_SZ);
    if (!data) return std::nullopt;
    return std::string(data->data(), ::strnlen(data->data(), data->size()));
}

}  // namespace

PendingRestart ReadPendingRestart() {
    PendingRestart pending;
    pending.componentServicing = KeyExists(kComponentServicing);
    pending.windowsUpdate = KeyExists(kWindowsUpdate);
    pending.fileRename = HasText(ReadValue(kSessionManager, "PendingFileRenameOperations", REG_MULTI_SZ));
    const std::optional<std::string> active = ComputerName(kActiveName);
    const std::optional<std::string> configured = ComputerName(kConfiguredName);
    pending.computerRename = active && configured && *active != *configured;
    return pending;
}
