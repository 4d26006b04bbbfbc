#include "e2e/MiniJson.h"

#include <cstring>

namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : m_text(text) {}

    JsonObjectReading Object() {
        JsonObjectReading reading;
        SkipSpace();
        if (!Take('{')) return Fail(reading, "no object at the start");
        SkipSpace();
        if (!Take('}')) {
            for (;;) {
                JsonMember member;
                SkipSpace();
                if (!String(&member.key)) return Fail(reading, "a key is not a string");
                if (reading.Find(member.key)) return Fail(reading, "the key \"" + member.key + "\" appears twice");
                SkipSpace();
                if (!Take(':')) return Fail(reading, "no ':' after \"" + member.key + "\"");
                SkipSpace();
                if (!Value(&member)) return Fail(reading, "the value of \"" + member.key + "\" is not valid");
                reading.members.push_back(member);
                SkipSpace();
                if (Take(',')) continue;
                if (Take('}')) break;
                return Fail(reading, "no ',' or '}' after \"" + member.key + "\"");
            }
        }
        SkipSpace();
        if (m_pos != m_text.size()) return Fail(reading, "text after the object");
        reading.valid = true;
        return reading;
    }

private:
    static JsonObjectReading& Fail(JsonObjectReading& reading, const std::string& why) {
        reading.valid = false;
        reading.error = why;
        return reading;
    }

    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    bool Take(char c) {
        if (Peek() != c || AtEnd()) return false;
        ++m_pos;
        return true;
    }
    bool TakeWord(const char* word) {
        const std::size_t length = std::strlen(word);
        if (m_text.compare(m_pos, length, word) != 0) return false;
        m_pos += length;
        return true;
    }
    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++m_pos;
    }
    bool Digits() {
        const std::size_t start = m_pos;
        while (!AtEnd() && Peek() >= '0' && Peek() <= '9') ++m_pos;
        return m_pos > start;
    }

    bool String(std::string* out) {
        if (!Take('"')) return false;
        out->clear();
        while (!AtEnd()) {
            const char c = m_text[m_pos++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                *out += c;
                continue;
            }
            if (AtEnd()) return false;
            const char e = m_text[m_pos++];
            switch (e) {
                case '"': *out += '"'; break;
                case '\\': *out += '\\'; break;
                case '/': *out += '/'; break;
                case 'b': *out += '\b'; break;
                case 'f': *out += '\f'; break;
                case 'n': *out += '\n'; break;
                case 'r': *out += '\r'; break;
                case 't': *out += '\t'; break;
                case 'u': {
                    if (m_pos + 4 > m_text.size()) return false;
                    unsigned code = 0;
                    for (int i = 0; i < 4; ++i) {
                        const char h = m_text[m_pos++];
                        code <<= 4;
                        if (h >= '0' && h <= '9') code |= static_cast<unsigned>(h - '0');
                        else if (h >= 'a' && h <= 'f') code |= static_cast<unsigned>(h - 'a' + 10);
                        else if (h >= 'A' && h <= 'F') code |= static_cast<unsigned>(h - 'A' + 10);
                        else return false;
                    }
                    if (code > 0x7F) return false;  // Tallvox writes ASCII only
                    *out += static_cast<char>(code);
                    break;
                }
                default: return false;
            }
        }
        return false;
    }

    bool Value(JsonMember* member) {
        if (Take('[')) {
            member->kind = JsonMember::Kind::Array;
            SkipSpace();
            if (Take(']')) return true;
            for (;;) {
                std::string element;
                SkipSpace();
                if (!String(&element)) return false;
                member->strings.push_back(element);
                SkipSpace();
                if (Take(']')) return true;
                if (!Take(',')) return false;
            }
        }
        if (Peek() == '"') {
            member->kind = JsonMember::Kind::String;
            return String(&member->text);
        }
        const struct {
            const char* word;
            JsonMember::Kind kind;
        } kWords[] = {{"null", JsonMember::Kind::Null}, {"true", JsonMember::Kind::True}, {"false", JsonMember::Kind::False}};
        for (const auto& w : kWords) {
            if (!TakeWord(w.word)) continue;
            member->kind = w.kind;
            return true;
        }
        const std::size_t start = m_pos;
        Take('-');
        if (!Take('0') && !Digits()) return false;
        if (Take('.') && !Digits()) return false;
        if (Take('e') || Take('E')) {
            if (!Take('+')) Take('-');
            if (!Digits()) return false;
        }
        member->kind = JsonMember::Kind::Number;
        member->text = m_text.substr(start, m_pos - start);
        return true;
    }

    const std::string& m_text;
    std::size_t m_pos = 0;
};

}  // namespace

const JsonMember* JsonObjectReading::Find(const std::string& key) const {
    for (const JsonMember& m : members)
        if (m.key == key) return &m;
    return nullptr;
}

JsonObjectReading ReadFlatJsonObject(const std::string& text) { return Reader(text).Object(); }
