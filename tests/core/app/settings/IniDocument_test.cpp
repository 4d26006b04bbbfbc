// A key set in a settings file: the key's value changes, every other byte
// of the file stays as it was, whatever its encoding.
#include "app/settings/IniDocument.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

// 4 kB of bytes of every value, the same at every run.
std::string RandomBytes(std::mt19937& generator) {
    std::string bytes(4096, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

// Latin-1 text as UTF-16 bytes.
std::string Utf16(const std::string& text, bool bigEndian = false) {
    std::string bytes;
    for (const char c : text) bytes += bigEndian ? "\0"s + c : c + "\0"s;
    return bytes;
}

struct SetCase {
    const char* what;
    std::string before;
    const char* key;
    const char* oldValue;  // nullptr: none
    std::string after;     // once the key is set to "2"
};

std::vector<SetCase> SetCases() {
    std::mt19937 generator(14);
    const std::string random = RandomBytes(generator), moreRandom = RandomBytes(generator);
    const std::string ours = "[Tallvox]\r\nSkin=1\r\n", oursSet = "[Tallvox]\r\nSkin=2\r\n";
    const std::string cp1252 = "; f\xFCr B\xFCro\r\n[Meine B\xFCros]\r\nOrt=B\xFCro\0\rx\r\n"s;
    const std::string surrogates = "\x00\xD8\x3D\xD8\x00\xDE"s;  // one alone, then a pair
    return {
        {"cp1252, a NUL and a lone CR before", cp1252 + ours, "Skin", "1", cp1252 + oursSet},
        {"random bytes around", random + "\r\n" + ours + moreRandom, "Skin", "1", random + "\r\n" + oursSet + moreRandom},
        {"random bytes, no section", random, "Skin", nullptr, random + "\r\n" + oursSet},
        {"UTF-8 BOM", "\xEF\xBB\xBF" + ours, "Skin", "1", "\xEF\xBB\xBF" + oursSet},
        {"UTF-8 BOM alone", "\xEF\xBB\xBF", "Skin", nullptr, "\xEF\xBB\xBF" + oursSet},
        {"UTF-16, odd length", "\xFF\xFE" + Utf16("; ") + surrogates + Utf16(" f\xFCr\r\n" + ours) + "x", "Skin", "1",
         "\xFF\xFE" + Utf16("; ") + surrogates + Utf16(" f\xFCr\r\n" + oursSet) + "x"},
        {"UTF-16 big-endian", "\xFE\xFF" + Utf16(ours, true), "Opacity", nullptr,
         "\xFE\xFF" + Utf16(ours + "Opacity=2\r\n", true)},
        {"in place, spelling, blanks and the rest kept", "[ tallvox ] ; mine\r\n  SKIN = \"1\"  \r\n", "Skin", "1",
         "[ tallvox ] ; mine\r\n  SKIN = 2  \r\n"},
        {"new key after the last line of its section", ours + "; mine\r\n\r\n[Other]\r\nOpacity=5\r\n", "Opacity", nullptr,
         ours + "; mine\r\nOpacity=2\r\n\r\n[Other]\r\nOpacity=5\r\n"},
        {"new section after a last line without break", "[Other]\nSkin=1", "Skin", nullptr, "[Other]\nSkin=1\r\n" + oursSet},
        {"CRLF and LF mixed", "[Tallvox]\nSkin=1\r\nMax_Wnd=0\n\n", "Opacity", nullptr,
         "[Tallvox]\nSkin=1\r\nMax_Wnd=0\nOpacity=2\r\n\n"},
        {"empty file", "", "Skin", nullptr, oursSet},
        {"header alone, no break", "[Tallvox]", "Skin", nullptr, oursSet},
        {"first section and key of the name only", "Skin=0\r\n[Tallvox]\r\nskin=1\r\nSkin=3\r\n[TALLVOX]\r\nSkin=4\r\n",
         "Skin", "1", "Skin=0\r\n[Tallvox]\r\nskin=2\r\nSkin=3\r\n[TALLVOX]\r\nSkin=4\r\n"},
        {"a key without '='", "[Tallvox]\r\nSkin\r\n", "Skin", nullptr, oursSet},
    };
}

}  // namespace

TEST(IniDocument, SettingAKeyKeepsEveryOtherByte) {
    for (const SetCase& row : SetCases()) {
        SCOPED_TRACE(row.what);
        CIniDocument document(row.before);
        EXPECT_EQ(row.oldValue ? std::optional<std::string>(row.oldValue) : std::nullopt, document.Get("Tallvox", row.key));
        document.Set("Tallvox", row.key, "2");
        EXPECT_EQ(row.after, document.Bytes());
        EXPECT_EQ(std::optional<std::string>("2"), document.Get("tallvox", row.key));
    }
}
