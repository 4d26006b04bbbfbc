#include "framework/RegKey.h"

LONG CRegKey::Open(HKEY parent, const std::string& path, REGSAM access) {
    m_key.Close();
    return ::RegOpenKeyExA(parent, path.c_str(), 0, access | KEY_WOW64_64KEY, m_key.Put());
}

LONG CRegKey::Create(HKEY parent, const std::string& path, REGSAM access) {
    m_key.Close();
    return ::RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access | KEY_WOW64_64KEY,
                             nullptr, m_key.Put(), nullptr);
}

bool CRegKey::ReadRaw(const char* name, std::size_t maxBytes, DWORD& type, std::vector<char>& data) const {
    if (!m_key) return false;
    DWORD size = 0;
    if (::RegQueryValueExA(m_key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size > maxBytes)
        return false;
    // Room for two terminators the value may lack (a multi-string ends in two).
    data.assign(size + 2, '\0');
    DWORD got = size;
    if (::RegQueryValueExA(m_key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got) !=
            ERROR_SUCCESS ||
        got > size)
        return false;  // changed in between: grew, or went
    data.resize(got + 2, '\0');
    data[got] = data[got + 1] = '\0';
    return true;
}

std::optional<std::string> CRegKey::ReadString(const char* name, std::size_t maxBytes) const {
    DWORD type = 0;
    std::vector<char> data;
    if (!ReadRaw(name, maxBytes, type, data) || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    std::string text = data.data();  // up to the first terminator, written or added
    if (type == REG_EXPAND_SZ) {
        const DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
        if (needed == 0) return text;
        std::vector<char> expanded(needed + 1, '\0');
        if (::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed + 1) != 0) text = expanded.data();
    }
    return text;
}

std::optional<uint32_t> CRegKey::ReadDword(const char* name) const {
    if (!m_key) return std::nullopt;
    DWORD type = 0, value = 0, size = sizeof value;
    if (::RegQueryValueExA(m_key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

std::optional<std::vector<std::string>> CRegKey::ReadMultiString(const char* name, std::size_t maxBytes) const {
    DWORD type = 0;
    std::vector<char> data;
    if (!ReadRaw(name, maxBytes, type, data) || type != REG_MULTI_SZ) return std::nullopt;
    std::vector<std::string> strings;
    for (std::size_t at = 0; at + 2 < data.size();) {
        std::string one = data.data() + at;
        at += one.size() + 1;
        strings.push_back(std::move(one));
    }
    while (!strings.empty() && strings.back().empty()) strings.pop_back();
    return strings;
}

bool CRegKey::HasValue(const char* name) const {
    return m_key && ::RegQueryValueExA(m_key.Get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::vector<std::string> CRegKey::SubKeyNames() const {
    std::vector<std::string> names;
    if (!m_key) return names;
    for (DWORD index = 0;; ++index) {
        char name[256] = {};  // a key name has at most 255 characters
        DWORD length = sizeof name;
        const LONG result = ::RegEnumKeyExA(m_key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA) continue;  // too long to be a key name we look for
        if (result != ERROR_SUCCESS) break;        // the end, or the list can't be read
        names.emplace_back(name, length);
    }
    return names;
}

LONG CRegKey::WriteString(const char* name, const std::string& value) {
    if (!m_key) return ERROR_INVALID_HANDLE;
    return ::RegSetValueExA(m_key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1));
}

LONG CRegKey::DeleteValue(const char* name) {
    if (!m_key) return ERROR_INVALID_HANDLE;
    return ::RegDeleteValueA(m_key.Get(), name);
}
