#include "app/outputs/SaveName.h"

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(const std::string& text, const std::string& tail) {
    if (tail.size() > text.size()) return false;
    const std::string::size_type start = text.size() - tail.size();
    for (std::string::size_type i = 0; i < tail.size(); ++i)
        if (LowerAscii(text[start + i]) != LowerAscii(tail[i])) return false;
    return true;
}

}  // namespace

std::string SaveFileName(const std::string& chosen, const std::string& extension) {
    if (EndsWithIgnoringCase(chosen, extension)) return chosen;
    return chosen + extension;
}
