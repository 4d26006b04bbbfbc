#include "app/settings/IniDocument.h"

#include "app/settings/Utf16Text.h"

namespace {

const std::string kUtf8Bom = "\xEF\xBB\xBF";
const std::string kUtf16LittleEndianBom = "\xFF\xFE";
const std::string kUtf16BigEndianBom = "\xFE\xFF";
const char kNewLine[] = "\r\n";

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A'; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A stretch of the text, [begin, end).
struct Span {
    std::size_t begin = 0, end = 0;
};

Span Trimmed(const std::string& text, Span span) {
    while (span.begin < span.end && IsBlank(text[span.begin])) ++span.begin;
    while (span.end > span.begin && IsBlank(text[span.end - 1])) --span.end;
    return span;
}

bool IsNamed(const std::string& text, Span span, const std::string& name) {
    if (span.end - span.begin != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (AsciiLower(text[span.begin + i]) != AsciiLower(name[i])) return false;
    return true;
}

// One line as the profile functions read it.
struct Line {
    enum Kind { kBlank, kSection, kKey } kind = kBlank;
    std::size_t next = 0;  // where the next line starts
    Span name;
    bool hasValue = false;  // a key with '='
    Span value;             // where there is no '=', the empty span after the name
};

Line ReadLine(const std::string& text, std::size_t begin) {
    Line line;
    const std::size_t lineFeed = text.find('\n', begin);
    line.next = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
    const Span whole = Trimmed(text, Span{begin, line.next});
    if (whole.begin == whole.end) return line;
    std::size_t close = whole.end;
    while (close > whole.begin && text[close - 1] != ']') --close;
    if (text[whole.begin] == '[' && close > whole.begin + 1) {
        line.kind = Line::kSection;
        line.name = Trimmed(text, Span{whole.begin + 1, close - 1});
        return line;
    }
    line.kind = Line::kKey;
    std::size_t equals = whole.begin;
    while (equals < whole.end && text[equals] != '=') ++equals;
    line.name = Trimmed(text, Span{whole.begin, equals});
    line.hasValue = equals < whole.end;
    line.value = line.hasValue ? Trimmed(text, Span{equals + 1, whole.end}) : Span{line.name.end, line.name.end};
    return line;
}

// Where a key is, or where it would go.
struct KeyPlace {
    bool sectionFound = false;
    bool keyFound = false;
    Line key;
    std::size_t sectionEnd = 0;  // after the section's last line that is not blank
};

KeyPlace FindKey(const std::string& text, const std::string& section, const std::string& key) {
    KeyPlace place;
    bool inSection = false;
    for (std::size_t at = 0; at < text.size();) {
        const Line line = ReadLine(text, at);
        at = line.next;
        if (line.kind == Line::kSection) {
            if (inSection) break;
            inSection = IsNamed(text, line.name, section);
            place.sectionFound = inSection;
            place.sectionEnd = line.next;
        } else if (inSection && line.kind == Line::kKey) {
            place.sectionEnd = line.next;
            if (IsNamed(text, line.name, key)) {
                place.keyFound = true;
                place.key = line;
                break;
            }
        }
    }
    return place;
}

}  // namespace

CIniDocument::CIniDocument(const std::string& bytes) {
    if (StartsWith(bytes, kUtf8Bom)) {
        m_bom = kUtf8Bom;
        m_text = bytes.substr(kUtf8Bom.size());
    } else if (StartsWith(bytes, kUtf16LittleEndianBom) || StartsWith(bytes, kUtf16BigEndianBom)) {
        m_utf16 = true;
        m_bigEndian = StartsWith(bytes, kUtf16BigEndianBom);
        m_bom = bytes.substr(0, 2);
        m_text = Utf16ToUtf8(bytes, 2, m_bigEndian);
        if (bytes.size() % 2 != 0) m_oddByte = bytes.substr(bytes.size() - 1);
    } else {
        m_text = bytes;
    }
}

std::optional<std::string> CIniDocument::Get(const std::string& section, const std::string& key) const {
    const KeyPlace place = FindKey(m_text, section, key);
    if (!place.keyFound || !place.key.hasValue) return std::nullopt;
    const Span value = place.key.value;
    std::string text = m_text.substr(value.begin, value.end - value.begin);
    if (text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0])
        text = text.substr(1, text.size() - 2);
    return text;
}

void CIniDocument::Set(const std::string& section, const std::string& key, const std::string& value) {
    const KeyPlace place = FindKey(m_text, section, key);
    if (place.keyFound) {
        const Span old = place.key.value;
        m_text.replace(old.begin, old.end - old.begin, place.key.hasValue ? value : "=" + value);
        return;
    }
    std::string lines = key + "=" + value + kNewLine;
    if (!place.sectionFound) lines = "[" + section + "]" + kNewLine + lines;
    const std::size_t at = place.sectionFound ? place.sectionEnd : m_text.size();
    // The line before ends the file without a line break.
    if (at > 0 && m_text[at - 1] != '\n') lines = kNewLine + lines;
    m_text.insert(at, lines);
}

std::string CIniDocument::Bytes() const {
    return m_bom + (m_utf16 ? Utf8ToUtf16(m_text, m_bigEndian) : m_text) + m_oddByte;
}
