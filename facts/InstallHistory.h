// When Windows was first installed on this machine. Every feature update
// installs Windows afresh and resets the current InstallDate; the earlier
// installations survive as keys "Source OS (Updated on ...)" under
// HKLM\SYSTEM\Setup, each with the InstallDate it had. No platform calls
// here: the registry values arrive as plain numbers.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One registry value as it was found.
struct RegistryNumber {
    enum class Kind {
        Missing,    // no key, no value, or no right to read it
        Dword,      // a REG_DWORD, in `value`
        OtherType,  // present, but not a REG_DWORD
    };
    Kind kind = Kind::Missing;
    uint32_t value = 0;

    static RegistryNumber Dword(uint32_t v) { return RegistryNumber{Kind::Dword, v}; }
    static RegistryNumber Other() { return RegistryNumber{Kind::OtherType, 0}; }
};

// The InstallDate values (seconds since 1970 UTC): the current one, and one
// per earlier installation in the order the keys were listed.
struct InstallDateValues {
    RegistryNumber current;
    std::vector<RegistryNumber> earlier;
};

// Whether a subkey of HKLM\SYSTEM\Setup records an earlier installation
// ("Source OS (Updated on 5/12/2021 10:21:48)"); registry names ignore case.
bool IsSourceOsKeyName(const std::string& name);

// The oldest readable InstallDate among all values, in seconds since 1970 UTC;
// none when no value is a readable date. A value of another type or zero is
// not a date and is left out.
std::optional<int64_t> OriginalInstallDate(const InstallDateValues& values);

// The current installation moment to compare the original with: the current
// InstallDate when it is readable (the same source and units as the earlier
// ones), else `fallback` (the moment the window shows, converted to UTC).
std::optional<int64_t> CurrentInstallDate(const InstallDateValues& values, std::optional<int64_t> fallback);
