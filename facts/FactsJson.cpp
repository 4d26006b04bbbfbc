#include "facts/FactsJson.h"

#include <cstdio>
#include <vector>

#include "facts/InstallDateText.h"

namespace {

// One "key": value pair per line, already in JSON form.
class JsonObject {
public:
    void AddRaw(const char* key, const std::string& jsonValue) { m_members.push_back(JsonString(key) + ": " + jsonValue); }
    void Add(const char* key, const std::optional<std::string>& text) {
        AddRaw(key, text ? JsonString(*text) : std::string("null"));
    }
    void Add(const char* key, std::optional<uint64_t> number) {
        AddRaw(key, number ? std::to_string(*number) : std::string("null"));
    }

    std::string Text() const {
        std::string text = "{\r\n";
        for (std::size_t i = 0; i < m_members.size(); ++i)
            text += "  " + m_members[i] + (i + 1 < m_members.size() ? ",\r\n" : "\r\n");
        return text + "}\r\n";
    }

private:
    std::vector<std::string> m_members;
};

}  // namespace

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"': quoted += "\\\""; break;
            case '\\': quoted += "\\\\"; break;
            case '\n': quoted += "\\n"; break;
            case '\r': quoted += "\\r"; break;
            case '\t': quoted += "\\t"; break;
            default:
                if (byte < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", byte);
                    quoted += escape;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

std::string BuildFactsJson(const MachineFacts& facts) {
    JsonObject json;
    json.Add("version", std::optional<std::string>(facts.version));
    json.Add("uptime_seconds", std::optional<uint64_t>(facts.uptimeSeconds));
    json.Add("awake_seconds", facts.awakeSeconds);
    json.Add("boot_time", facts.bootTime);
    json.Add("install_date", facts.installDate);
    json.Add("original_install_date", facts.originalInstallDate);
    json.Add("last_start", facts.lastStart);
    json.Add("last_start_kind", facts.lastStartKind);
    json.Add("install_elapsed", facts.installElapsed);
    json.AddRaw("restart_pending", facts.restartPendingReasons.empty() ? "false" : "true");
    std::string reasons;
    for (const std::string& reason : facts.restartPendingReasons)
        reasons += (reasons.empty() ? "" : ", ") + JsonString(reason);
    json.AddRaw("restart_pending_reasons", "[" + reasons + "]");
    return json.Text();
}

std::string InstallElapsedText(const ElapsedParts& elapsed) {
    static const std::string kLabel = "- OS Installation Time: ";
    const std::string line = FormatInstallTimeText(elapsed);
    return line.compare(0, kLabel.size(), kLabel) == 0 ? line.substr(kLabel.size()) : line;
}
