#include "facts/SystemEventXml.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "facts/IsoTime.h"

namespace {

// An event has a few dozen values at most; more is not an event of ours.
const std::size_t kMostData = 64;

struct Tag {
    std::string_view name;
    std::string_view attributes;
    bool closing = false;
    bool empty = false;  // <Name ... />
};

// Walks the tags of a document in order, handing over the text before each.
class TagReader {
public:
    explicit TagReader(std::string_view text) : m_text(text) {}

    // False at the end, or where a tag is not closed.
    bool Next(Tag* tag, std::string_view* textBefore) {
        for (;;) {
            const std::size_t open = m_text.find('<', m_pos);
            if (open == std::string_view::npos) return false;
            *textBefore = m_text.substr(m_pos, open - m_pos);
            const std::string_view rest = m_text.substr(open);
            // Comments, declarations and processing instructions carry nothing of ours.
            const char* skipUntil = rest.compare(0, 4, "<!--") == 0 ? "-->"
                                    : rest.compare(0, 2, "<?") == 0 ? "?>"
                                    : rest.compare(0, 2, "<!") == 0 ? ">"
                                                                    : nullptr;
            if (skipUntil) {
                const std::size_t end = m_text.find(skipUntil, open + 2);
                if (end == std::string_view::npos) return false;
                m_pos = end + std::string_view(skipUntil).size();
                continue;
            }
            const std::size_t close = TagEnd(open + 1);
            if (close == std::string_view::npos) return false;
            std::string_view inside = m_text.substr(open + 1, close - open - 1);
            m_pos = close + 1;
            *tag = Tag();
            if (!inside.empty() && inside.front() == '/') {
                tag->closing = true;
                inside.remove_prefix(1);
            }
            if (!inside.empty() && inside.back() == '/') {
                tag->empty = true;
                inside.remove_suffix(1);
            }
            std::size_t nameEnd = 0;
            while (nameEnd < inside.size() && !IsSpace(inside[nameEnd])) ++nameEnd;
            tag->name = inside.substr(0, nameEnd);
            tag->attributes = inside.substr(nameEnd);
            return true;
        }
    }

    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

private:
    // The '>' that ends the tag opened before `from`; quoted values may hold one.
    std::size_t TagEnd(std::size_t from) const {
        char quote = 0;
        for (std::size_t i = from; i < m_text.size(); ++i) {
            const char c = m_text[i];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '\'' || c == '"') {
                quote = c;
            } else if (c == '>') {
                return i;
            } else if (c == '<') {
                return std::string_view::npos;
            }
        }
        return std::string_view::npos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The value of a digit in base 10 or 16; -1 for any other character.
int DigitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Text with its character references replaced; an unknown one stays as written.
std::string Decode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (semicolon == std::string_view::npos || semicolon - i > 10) {
            out += text[i];
            continue;
        }
        const std::string_view name = text.substr(i + 1, semicolon - i - 1);
        static const std::pair<const char*, char> kNamed[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        bool known = false;
        for (const auto& named : kNamed) {
            if (name == named.first) {
                out += named.second;
                known = true;
            }
        }
        if (!known && name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            uint32_t code = 0;
            std::size_t digits = 0;
            for (std::size_t k = hex ? 2 : 1; k < name.size(); ++k, ++digits) {
                const int value = DigitValue(name[k], hex);
                if (value < 0 || code > 0x10FFFF) {
                    digits = 0;
                    break;
                }
                code = code * (hex ? 16 : 10) + static_cast<uint32_t>(value);
            }
            if (digits > 0) {
                AppendUtf8(out, code);
                known = true;
            }
        }
        if (!known) {
            out += text[i];
            continue;
        }
        i = semicolon;
    }
    return out;
}

// The value of one attribute, decoded; none when the tag does not have it.
std::optional<std::string> Attribute(std::string_view attributes, std::string_view wanted) {
    std::size_t i = 0;
    while (i < attributes.size()) {
        while (i < attributes.size() && TagReader::IsSpace(attributes[i])) ++i;
        const std::size_t nameStart = i;
        while (i < attributes.size() && attributes[i] != '=' && !TagReader::IsSpace(attributes[i])) ++i;
        const std::string_view name = attributes.substr(nameStart, i - nameStart);
        while (i < attributes.size() && TagReader::IsSpace(attributes[i])) ++i;
        if (i >= attributes.size() || attributes[i] != '=') return std::nullopt;
        ++i;
        while (i < attributes.size() && TagReader::IsSpace(attributes[i])) ++i;
        if (i >= attributes.size() || (attributes[i] != '\'' && attributes[i] != '"')) return std::nullopt;
        const std::size_t end = attributes.find(attributes[i], i + 1);
        if (end == std::string_view::npos) return std::nullopt;
        if (name == wanted) return Decode(attributes.substr(i + 1, end - i - 1));
        i = end + 1;
    }
    return std::nullopt;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y) return false;
    }
    return true;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && TagReader::IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && TagReader::IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

// A whole number, decimal or with "0x" in hexadecimal; none on overflow.
std::optional<uint64_t> Number(std::string_view text) {
    text = Trim(text);
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (hex) text.remove_prefix(2);
    if (text.empty()) return std::nullopt;
    const uint64_t base = hex ? 16 : 10;
    uint64_t value = 0;
    for (char c : text) {
        const int digit = DigitValue(c, hex);
        if (digit < 0 || value > (UINT64_MAX - static_cast<uint64_t>(digit)) / base) return std::nullopt;
        value = value * base + static_cast<uint64_t>(digit);
    }
    return value;
}

std::optional<int64_t> FieldsToUnixSeconds(int64_t year, int64_t month, int64_t day, int64_t hour, int64_t minute,
                                           int64_t second) {
    if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 ||
        second > 59)
        return std::nullopt;
    return DaysFromCivil(year, static_cast<int32_t>(month), static_cast<int32_t>(day)) * 86400 + hour * 3600 +
           minute * 60 + second;
}

// "2026-03-02T08:00:00.1234567Z", as the event log writes its times (UTC).
std::optional<int64_t> UtcTime(std::string_view text) {
    text = Trim(text);
    if (text.size() < 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || text.back() != 'Z')
        return std::nullopt;
    std::string_view fraction = text.substr(19, text.size() - 20);
    if (!fraction.empty() && fraction.front() == '.') fraction.remove_prefix(1);
    else if (!fraction.empty()) return std::nullopt;
    for (char c : fraction)
        if (c < '0' || c > '9') return std::nullopt;
    int64_t fields[6] = {};
    const std::size_t starts[6] = {0, 5, 8, 11, 14, 17};
    const std::size_t lengths[6] = {4, 2, 2, 2, 2, 2};
    for (int f = 0; f < 6; ++f) {
        for (std::size_t k = 0; k < lengths[f]; ++k) {
            const char c = text[starts[f] + k];
            if (c < '0' || c > '9') return std::nullopt;
            fields[f] = fields[f] * 10 + (c - '0');
        }
    }
    return FieldsToUnixSeconds(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]);
}

// EventLog 6008's binary data holds two SYSTEMTIMEs of the unexpected stop,
// in local time and then in UTC (eight little-endian 16-bit words each); the
// UTC one is taken, so the positional date and time texts in the locale's
// format need no reading.
std::optional<int64_t> UtcSystemTimeInBinary(std::string_view hex) {
    hex = Trim(hex);
    const std::size_t kFirstUtcDigit = 32;  // after the local SYSTEMTIME's 16 bytes
    if (hex.size() < kFirstUtcDigit + 32) return std::nullopt;
    int64_t words[8] = {};
    for (std::size_t w = 0; w < 8; ++w) {
        // Two bytes, the low one first, each two hex digits.
        const std::size_t at = kFirstUtcDigit + w * 4;
        const int digits[4] = {DigitValue(hex[at], true), DigitValue(hex[at + 1], true), DigitValue(hex[at + 2], true),
                               DigitValue(hex[at + 3], true)};
        for (int d : digits)
            if (d < 0) return std::nullopt;
        words[w] = (digits[2] << 12) | (digits[3] << 8) | (digits[0] << 4) | digits[1];
    }
    // wYear, wMonth, wDayOfWeek, wDay, wHour, wMinute, wSecond, wMilliseconds
    return FieldsToUnixSeconds(words[0], words[1], words[3], words[4], words[5], words[6]);
}

struct DataValue {
    std::string name;  // empty for a positional value
    std::string text;
};

struct RawEvent {
    std::string provider;
    std::optional<uint64_t> id;
    std::optional<int64_t> loggedAt;
    std::vector<DataValue> data;
    std::string binary;

    // A named value, or else the value at `position` among the unnamed ones.
    std::optional<std::string> Value(std::string_view name, std::size_t position = SIZE_MAX) const {
        std::size_t unnamed = 0;
        for (const DataValue& value : data) {
            if (!value.name.empty() && value.name == name) return value.text;
            if (value.name.empty() && unnamed++ == position) return value.text;
        }
        return std::nullopt;
    }
    std::optional<int64_t> TimeValue(std::string_view name) const {
        const std::optional<std::string> text = Value(name);
        return text ? UtcTime(*text) : std::nullopt;
    }
    std::optional<uint64_t> NumberValue(std::string_view name, std::size_t position = SIZE_MAX) const {
        const std::optional<std::string> text = Value(name, position);
        return text ? Number(*text) : std::nullopt;
    }
};

std::optional<RawEvent> ReadRawEvent(std::string_view xml) {
    enum class Capture { None, EventId, Data, Binary };
    RawEvent raw;
    TagReader reader(xml);
    Tag tag;
    std::string_view text;
    Capture capture = Capture::None;
    std::string dataName;
    while (reader.Next(&tag, &text)) {
        if (tag.closing) {
            if (capture == Capture::EventId && tag.name == "EventID") raw.id = Number(text);
            if (capture == Capture::Data && tag.name == "Data" && raw.data.size() < kMostData)
                raw.data.push_back(DataValue{dataName, Decode(text)});
            if (capture == Capture::Binary && tag.name == "Binary") raw.binary = std::string(Trim(text));
            capture = Capture::None;
            continue;
        }
        capture = Capture::None;
        if (tag.name == "Provider") {
            raw.provider = Attribute(tag.attributes, "Name").value_or(std::string());
        } else if (tag.name == "TimeCreated") {
            const std::optional<std::string> systemTime = Attribute(tag.attributes, "SystemTime");
            raw.loggedAt = systemTime ? UtcTime(*systemTime) : std::nullopt;
        } else if (tag.name == "EventID" && !tag.empty) {
            capture = Capture::EventId;
        } else if (tag.name == "Data") {
            dataName = Attribute(tag.attributes, "Name").value_or(std::string());
            if (!tag.empty) capture = Capture::Data;
            else if (raw.data.size() < kMostData) raw.data.push_back(DataValue{dataName, std::string()});
        } else if (tag.name == "Binary" && !tag.empty) {
            capture = Capture::Binary;
        }
    }
    if (raw.provider.empty() || !raw.id || !raw.loggedAt) return std::nullopt;
    return raw;
}

// 1001's first value reads "0x0000009f (0x..., 0x..., 0x..., 0x...)".
std::optional<uint64_t> StopCodeOf(const std::string& text) {
    const std::string_view trimmed = Trim(text);
    return Number(trimmed.substr(0, trimmed.find_first_of(" (")));
}

}  // namespace

std::optional<SystemEvent> ParseSystemEventXml(std::string_view xml) {
    const std::optional<RawEvent> raw = ReadRawEvent(xml);
    if (!raw) return std::nullopt;
    const std::string& provider = raw->provider;
    const uint64_t id = *raw->id;

    SystemEvent event;
    event.loggedAt = *raw->loggedAt;
    if (SameLetters(provider, "Microsoft-Windows-Kernel-General") && id == 12) {
        event.kind = SystemEventKind::Started;
        event.time = raw->TimeValue("StartTime");
    } else if (SameLetters(provider, "Microsoft-Windows-Kernel-General") && id == 13) {
        event.kind = SystemEventKind::Stopping;
        event.time = raw->TimeValue("StopTime");
    } else if (SameLetters(provider, "Microsoft-Windows-Kernel-Boot") && id == 27) {
        event.kind = SystemEventKind::BootType;
        event.code = raw->NumberValue("BootType");
    } else if (SameLetters(provider, "User32") && id == 1074) {
        event.kind = SystemEventKind::StopRequested;
        std::string* fields[] = {&event.request.process, &event.request.computer, &event.request.reason,
                                 &event.request.reasonCode, &event.request.action, &event.request.comment,
                                 &event.request.user};
        for (std::size_t i = 0; i < 7; ++i)
            *fields[i] = raw->Value("param" + std::to_string(i + 1), i).value_or(std::string());
    } else if (SameLetters(provider, "Microsoft-Windows-Kernel-Power") && id == 41) {
        event.kind = SystemEventKind::DirtyStart;
        event.code = raw->NumberValue("BugcheckCode");
    } else if (SameLetters(provider, "EventLog") && id == 6008) {
        event.kind = SystemEventKind::UnexpectedStop;
        event.time = UtcSystemTimeInBinary(raw->binary);
    } else if (SameLetters(provider, "Microsoft-Windows-WER-SystemErrorReporting") && id == 1001) {
        event.kind = SystemEventKind::BugCheck;
        const std::optional<std::string> first = raw->Value("param1", 0);
        event.code = first ? StopCodeOf(*first) : std::nullopt;
    } else if (SameLetters(provider, "Microsoft-Windows-Kernel-Power") && id == 42) {
        event.kind = SystemEventKind::EnteringSleep;
    } else if (SameLetters(provider, "Microsoft-Windows-Power-Troubleshooter") && id == 1) {
        event.kind = SystemEventKind::Woke;
        event.time = raw->TimeValue("SleepTime");
        event.wakeTime = raw->TimeValue("WakeTime");
    } else {
        return std::nullopt;
    }
    return event;
}
