#include "facts/InstallHistoryReader.h"

namespace {

// An open registry key, closed when it goes.
class RegKey {
public:
    RegKey(HKEY parent, const std::string& path, REGSAM access) {
        // The 64-bit view: a 32-bit build must not read the redirected copy.
        if (::RegOpenKeyExA(parent, path.c_str(), 0, access | KEY_WOW64_64KEY, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~RegKey() {
        if (m_key) ::RegCloseKey(m_key);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

RegistryNumber ReadInstallDate(HKEY key) {
    if (!key) return RegistryNumber();
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG result = ::RegQueryValueExA(key, "InstallDate", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    // A value too big for a DWORD is of another type.
    if (result == ERROR_MORE_DATA) return RegistryNumber::Other();
    if (result != ERROR_SUCCESS) return RegistryNumber();
    if (type != REG_DWORD || size != sizeof value) return RegistryNumber::Other();
    return RegistryNumber::Dword(value);
}

}  // namespace

InstallDateValues ReadInstallDateValues(const InstallDateKeys& keys) {
    InstallDateValues values;
    {
        RegKey current(keys.root, keys.currentKey, KEY_QUERY_VALUE);
        values.current = ReadInstallDate(current.Get());
    }

    RegKey setup(keys.root, keys.setupKey, KEY_ENUMERATE_SUB_KEYS);
    if (!setup.Get()) return values;
    for (DWORD index = 0;; ++index) {
        char name[256] = {};  // a key name has at most 255 characters
        DWORD length = sizeof name;
        const LONG result = ::RegEnumKeyExA(setup.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA) continue;  // a name too long to be ours
        if (result != ERROR_SUCCESS) break;        // the end, or the list can't be read
        if (!IsSourceOsKeyName(name)) continue;
        RegKey earlier(setup.Get(), name, KEY_QUERY_VALUE);
        values.earlier.push_back(ReadInstallDate(earlier.Get()));
    }
    return values;
}
