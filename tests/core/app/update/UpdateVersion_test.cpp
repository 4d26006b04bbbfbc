#include "app/update/UpdateVersion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* Name(VersionVerdict v) {
    switch (v) {
        case VersionVerdict::NotAVersion: return "NotAVersion";
        case VersionVerdict::Older: return "Older";
        case VersionVerdict::Same: return "Same";
        case VersionVerdict::Newer: return "Newer";
    }
    return "?";
}

}  // namespace

// Every answer a server (or whatever sits in its place) may give, against our
// own 1.0.9: only a strictly newer dotted number may lead to the question.
TEST(UpdateVersion, OnlyAStrictlyNewerDottedNumberIsNewer) {
    const std::string binary("\x00\x01\xFF\xFE" "1.0.10", 10);
    const struct {
        std::string answer;
        VersionVerdict verdict;
    } cases[] = {
        {"1.0.10", VersionVerdict::Newer},  // numbers, not text: 10 > 9
        {"1.0.10\n", VersionVerdict::Newer},
        {"1.0.8", VersionVerdict::Older},
        {"1.0.9", VersionVerdict::Same},
        {"1.0.9\n", VersionVerdict::Same},
        {"1.0.9\r\n", VersionVerdict::Same},
        {"\xEF\xBB\xBF" "1.0.9\r\n", VersionVerdict::Same},
        {"\xEF\xBB\xBF" "1.0.10", VersionVerdict::Newer},
        {" 1.0.9 ", VersionVerdict::Same},
        {"\t1.0.9\t\r\n", VersionVerdict::Same},
        {"1.0.9\nrelease notes 2.0.0 follow\n", VersionVerdict::Same},  // the first line alone counts
        {"1.0.9.0", VersionVerdict::Same},
        {"01.00.009", VersionVerdict::Same},
        {"1.0.9.1", VersionVerdict::Newer},
        {"2", VersionVerdict::Newer},
        {"1", VersionVerdict::Older},
        {"1.1", VersionVerdict::Newer},
        {"0.99.99", VersionVerdict::Older},
        {"1.0.99999999999999999999999999999999", VersionVerdict::Newer},  // no overflow, no wrap
        {"0.999999999999999999999999999999999999", VersionVerdict::Older},
        {"1.0.18446744073709551625", VersionVerdict::Newer},  // 2^64 + 9 does not wrap to 9
        {"", VersionVerdict::NotAVersion},
        {"\r\n", VersionVerdict::NotAVersion},
        {"\xEF\xBB\xBF", VersionVerdict::NotAVersion},
        {"\n1.0.10", VersionVerdict::NotAVersion},  // an empty first line
        {"<html><head><title>Sign in to the network</title></head>", VersionVerdict::NotAVersion},
        {binary, VersionVerdict::NotAVersion},
        {std::string("1.0.10\0", 7), VersionVerdict::NotAVersion},
        {"1..2", VersionVerdict::NotAVersion},
        {".1", VersionVerdict::NotAVersion},
        {"1.", VersionVerdict::NotAVersion},
        {"1.0.10 beta", VersionVerdict::NotAVersion},
        {"v1.0.10", VersionVerdict::NotAVersion},
        {"+2", VersionVerdict::NotAVersion},
        {"-1", VersionVerdict::NotAVersion},
        {"1,0,10", VersionVerdict::NotAVersion},
        {"1.0.10\r", VersionVerdict::Newer},  // a lone CR at the end of the data is a line end too
        {"1.0.1\r0", VersionVerdict::NotAVersion},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(Name(c.verdict), Name(JudgeVersionFile(c.answer, "1.0.9"))) << "answer: \"" << c.answer << "\"";
}

TEST(UpdateVersion, AnOwnVersionThatIsNoneNeverLeadsToTheQuestion) {
    EXPECT_EQ(VersionVerdict::NotAVersion, JudgeVersionFile("2.0", ""));
    EXPECT_EQ(VersionVerdict::NotAVersion, JudgeVersionFile("2.0", "1.0.9 beta"));
}

TEST(UpdateVersion, TheLineIsTrimmedOfMarkLineEndAndBlanks) {
    EXPECT_EQ("1.0.9", VersionFileLine("\xEF\xBB\xBF \t1.0.9 \r\nmore"));
    EXPECT_EQ("", VersionFileLine(""));
    EXPECT_EQ("a b", VersionFileLine("  a b  "));
}

TEST(UpdateVersion, TheDownloadPageIsOnTheVersionFilesHost) {
    const struct {
        const char* versionFile;
        const char* page;
    } cases[] = {
        {"https://www.tallvox.org/Update_Tallvox.txt", "https://www.tallvox.org/W4"},
        {"https://updates.example.net:8443/tallvox/Update_Tallvox.txt", "https://updates.example.net:8443/W4"},
        {"https://127.0.0.1:9/Update_Tallvox.txt", "https://127.0.0.1:9/W4"},
        {"https://host.example?x=/y", "https://host.example/W4"},
        {"https://host.example", "https://host.example/W4"},
        {"https:///Update_Tallvox.txt", ""},
        {"www.tallvox.org/Update_Tallvox.txt", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.page, DownloadPageUrl(c.versionFile)) << c.versionFile;
}
