#include "app/settings/SettingValues.h"

#include <climits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads blanks, a sign and digits from `at`. False, with `at` unchanged, when
// no digit follows; otherwise the number, held to the range of an int.
bool ReadNumber(const std::string& text, std::string::size_type& at, int& value) {
    std::string::size_type i = at;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i])) return false;
    // Counted as a magnitude that stops growing once past INT_MAX + 1.
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        if (magnitude < limit) magnitude = magnitude * 10 + (text[i] - '0');
    if (negative)
        value = magnitude >= limit ? INT_MIN : static_cast<int>(-magnitude);
    else
        value = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    at = i;
    return true;
}

bool ReadLiteral(const std::string& text, std::string::size_type& at, const char* literal) {
    std::string::size_type i = at;
    for (; *literal; ++literal, ++i)
        if (i >= text.size() || text[i] != *literal) return false;
    at = i;
    return true;
}

uint32_t ToByte(int component) { return component < 0 ? 0u : component > 255 ? 255u : static_cast<uint32_t>(component); }

}  // namespace

int ParseIntSetting(const std::string& text) {
    std::string::size_type at = 0;
    int value = 0;
    return ReadNumber(text, at, value) ? value : 0;
}

int ParseOpacitySetting(const std::string& text, int defaultPercentage) {
    std::string::size_type at = 0;
    int value = 0;
    if (!ReadNumber(text, at, value) || value < 0) return defaultPercentage;
    return value > 100 ? 100 : value;
}

bool ParseBoolSetting(const std::string& text) { return ParseIntSetting(text) != 0; }

uint32_t ParseColorSetting(const std::string& text, uint32_t defaultColor) {
    uint32_t components[3] = {defaultColor & 0xFFu, (defaultColor >> 8) & 0xFFu, (defaultColor >> 16) & 0xFFu};
    // The form is "RGB(" r "," g "," b: what follows the blue is not looked at.
    static const char* const kBefore[3] = {"RGB(", ",", ","};
    std::string::size_type at = 0;
    for (int i = 0; i < 3; ++i) {
        int value = 0;
        if (!ReadLiteral(text, at, kBefore[i]) || !ReadNumber(text, at, value)) break;
        components[i] = ToByte(value);
    }
    return components[0] | components[1] << 8 | components[2] << 16;
}
