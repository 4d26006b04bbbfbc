#include "app/autorun/RunValue.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SamePath(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

}  // namespace

std::string RunValueFor(const std::string& programPath) { return "\"" + programPath + "\""; }

bool RunValueNamesProgram(const std::string& value, const std::string& programPath) {
    if (programPath.empty()) return false;
    std::size_t begin = 0, end = value.size();
    while (begin < end && IsBlank(value[begin])) ++begin;
    while (end > begin && IsBlank(value[end - 1])) --end;
    if (begin < end && value[begin] == '"') {
        const std::size_t close = value.find('"', begin + 1);
        if (close == std::string::npos || close >= end) return false;
        // After the closing quote: nothing, or arguments after a blank.
        if (close + 1 < end && !IsBlank(value[close + 1])) return false;
        return SamePath(value.substr(begin + 1, close - begin - 1), programPath);
    }
    return SamePath(value.substr(begin, end - begin), programPath);
}
