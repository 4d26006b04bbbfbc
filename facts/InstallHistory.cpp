#include "facts/InstallHistory.h"

#include <cctype>

namespace {

std::optional<int64_t> DateOf(const RegistryNumber& number) {
    // Zero would be 1 January 1970: an unset value, not an installation.
    if (number.kind != RegistryNumber::Kind::Dword || number.value == 0) return std::nullopt;
    return static_cast<int64_t>(number.value);
}

}  // namespace

bool IsSourceOsKeyName(const std::string& name) {
    static const char kPrefix[] = "source os (";
    const std::size_t length = sizeof kPrefix - 1;
    if (name.size() < length) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != kPrefix[i]) return false;
    return true;
}

std::optional<int64_t> OriginalInstallDate(const InstallDateValues& values) {
    std::optional<int64_t> oldest = DateOf(values.current);
    for (const RegistryNumber& number : values.earlier) {
        const std::optional<int64_t> date = DateOf(number);
        if (date && (!oldest || *date < *oldest)) oldest = date;
    }
    return oldest;
}

std::optional<int64_t> CurrentInstallDate(const InstallDateValues& values, std::optional<int64_t> fallback) {
    const std::optional<int64_t> current = DateOf(values.current);
    return current ? current : fallback;
}
