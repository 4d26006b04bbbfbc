#include "app/update/UpdateVersion.h"

#include <vector>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The groups of a dotted number without their leading zeros ("" for 0);
// false when the text is not one.
bool SplitVersion(const std::string& text, std::vector<std::string>& groups) {
    groups.clear();
    std::size_t start = 0;
    for (;;) {
        std::size_t end = start;
        while (end < text.size() && IsDigit(text[end])) ++end;
        if (end == start) return false;  // empty group: "", ".1", "1..2", "1."
        std::size_t first = start;
        while (first < end && text[first] == '0') ++first;
        groups.emplace_back(text, first, end - first);
        if (end == text.size()) return true;
        if (text[end] != '.') return false;
        start = end + 1;
    }
}

// Compares two groups as numbers of any size (no leading zeros): the longer
// is the larger, equal lengths compare digit by digit.
int CompareGroups(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace

std::string VersionFileLine(const std::string& answer) {
    static const char kByteOrderMark[] = "\xEF\xBB\xBF";
    std::size_t begin = answer.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
    std::size_t end = answer.find('\n', begin);
    if (end == std::string::npos) end = answer.size();
    if (end > begin && answer[end - 1] == '\r') --end;
    while (begin < end && IsBlank(answer[begin])) ++begin;
    while (end > begin && IsBlank(answer[end - 1])) --end;
    return answer.substr(begin, end - begin);
}

VersionVerdict JudgeVersionFile(const std::string& answer, const std::string& ownVersion) {
    std::vector<std::string> theirs, ours;
    if (!SplitVersion(VersionFileLine(answer), theirs) || !SplitVersion(ownVersion, ours))
        return VersionVerdict::NotAVersion;
    const std::string zero;
    const std::size_t groups = theirs.size() > ours.size() ? theirs.size() : ours.size();
    for (std::size_t i = 0; i < groups; ++i) {
        const int order = CompareGroups(i < theirs.size() ? theirs[i] : zero, i < ours.size() ? ours[i] : zero);
        if (order != 0) return order > 0 ? VersionVerdict::Newer : VersionVerdict::Older;
    }
    return VersionVerdict::Same;
}

std::string DownloadPageUrl(const std::string& versionFileUrl) {
    const std::size_t scheme = versionFileUrl.find("://");
    if (scheme == std::string::npos || scheme == 0) return std::string();
    const std::size_t hostBegin = scheme + 3;
    std::size_t hostEnd = versionFileUrl.find_first_of("/?#", hostBegin);
    if (hostEnd == std::string::npos) hostEnd = versionFileUrl.size();
    if (hostEnd == hostBegin) return std::string();
    return versionFileUrl.substr(0, hostEnd) + "/W4";
}
