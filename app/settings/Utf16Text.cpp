#include "app/settings/Utf16Text.h"

namespace {

unsigned ByteAt(const std::string& text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

unsigned UnitAt(const std::string& bytes, std::size_t at, bool bigEndian) {
    const unsigned first = ByteAt(bytes, at), second = ByteAt(bytes, at + 1);
    return bigEndian ? first << 8 | second : second << 8 | first;
}

void AppendUnit(std::string& bytes, unsigned unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
}

void AppendUtf8(std::string& text, unsigned code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
        return;
    }
    const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    text += static_cast<char>(((0xFF00u >> (extra + 1)) & 0xFF) | code >> (6 * extra));
    for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6) text += static_cast<char>(0x80 | (code >> shift & 0x3F));
}

// The number of the sequence at `at` and its length; U+FFFD and 1 when no
// whole sequence starts there.
unsigned ReadUtf8(const std::string& text, std::size_t at, std::size_t& length) {
    const unsigned lead = ByteAt(text, at);
    const int extra = lead < 0x80 ? 0 : lead < 0xC0 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF8 ? 3 : -1;
    length = 1;
    if (extra < 0) return 0xFFFD;
    unsigned code = extra == 0 ? lead : lead & (0xFFu >> (extra + 2));
    for (int i = 1; i <= extra; ++i) {
        if (at + i >= text.size() || (ByteAt(text, at + i) & 0xC0) != 0x80) return 0xFFFD;
        code = code << 6 | (ByteAt(text, at + i) & 0x3F);
    }
    length = static_cast<std::size_t>(extra) + 1;
    return code > 0x10FFFF ? 0xFFFD : code;
}

}  // namespace

std::string Utf16ToUtf8(const std::string& bytes, std::size_t from, bool bigEndian) {
    std::string text;
    for (std::size_t at = from; at + 1 < bytes.size(); at += 2) {
        unsigned code = UnitAt(bytes, at, bigEndian);
        if (code >= 0xD800 && code < 0xDC00 && at + 3 < bytes.size()) {
            const unsigned low = UnitAt(bytes, at + 2, bigEndian);
            if (low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                at += 2;
            }
        }
        AppendUtf8(text, code);
    }
    return text;
}

std::string Utf8ToUtf16(const std::string& text, bool bigEndian) {
    std::string bytes;
    std::size_t length = 0;
    for (std::size_t at = 0; at < text.size(); at += length) {
        const unsigned code = ReadUtf8(text, at, length);
        if (code < 0x10000) {
            AppendUnit(bytes, code, bigEndian);
        } else {
            AppendUnit(bytes, 0xD800 + ((code - 0x10000) >> 10), bigEndian);
            AppendUnit(bytes, 0xDC00 + ((code - 0x10000) & 0x3FF), bigEndian);
        }
    }
    return bytes;
}
