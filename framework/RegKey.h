// An open registry key with typed reads. A value of the wrong type, one
// larger than the caller allows, or one that can't be read answers nothing,
// never garbage; strings stored without their terminator are read whole.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/Handles.h"

class CRegKey {
public:
    // No string value the program reads is longer than this by default.
    static constexpr std::size_t kDefaultMaxBytes = 64 * 1024;

    CRegKey() = default;

    // Open an existing key / create one; the system's error code. The 64-bit
    // view is asked for, so a 32-bit build would not read a redirected copy.
    LONG Open(HKEY parent, const std::string& path, REGSAM access = KEY_READ);
    LONG Create(HKEY parent, const std::string& path, REGSAM access = KEY_READ | KEY_WRITE);
    bool IsOpen() const { return static_cast<bool>(m_key); }
    HKEY Get() const { return m_key.Get(); }

    // REG_SZ as it is, REG_EXPAND_SZ with its environment variables filled in.
    std::optional<std::string> ReadString(const char* name, std::size_t maxBytes = kDefaultMaxBytes) const;
    std::optional<uint32_t> ReadDword(const char* name) const;
    // REG_MULTI_SZ, its strings in order (empty ones at the end dropped).
    std::optional<std::vector<std::string>> ReadMultiString(const char* name,
                                                            std::size_t maxBytes = kDefaultMaxBytes) const;
    // True when the value exists, whatever its type; false when it does not
    // or can't be asked.
    bool HasValue(const char* name) const;
    // The names of the subkeys (names longer than a key name can be skipped).
    std::vector<std::string> SubKeyNames() const;

    LONG WriteString(const char* name, const std::string& value);
    LONG DeleteValue(const char* name);

private:
    // The raw bytes and type of a value no larger than `maxBytes`.
    bool ReadRaw(const char* name, std::size_t maxBytes, DWORD& type, std::vector<char>& data) const;

    CUniqueHandle<RegKeyTraits> m_key;
};
