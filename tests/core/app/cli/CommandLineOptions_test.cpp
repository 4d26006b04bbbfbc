// The options of Tallvox.exe: one at a time, an unknown one is a misuse,
// arguments that are no options are passed over.
#include "app/cli/CommandLineOptions.h"

#include <gtest/gtest.h>

TEST(CommandLineOptions, EachArgumentListChoosesOneMode) {
    const struct {
        std::vector<std::string> arguments;
        LaunchMode mode;
    } cases[] = {
        {{}, LaunchMode::Window},
        {{"--report"}, LaunchMode::Report},
        {{"--json"}, LaunchMode::Json},
        {{"--history"}, LaunchMode::History},
        {{"--history", "--json"}, LaunchMode::HistoryJson},
        {{"--json", "--history"}, LaunchMode::Misuse},
        {{"--history", "--report"}, LaunchMode::Misuse},
        {{"--history", "--json", "--json"}, LaunchMode::Misuse},
        {{"--help"}, LaunchMode::Help},
        {{"-h"}, LaunchMode::Help},
        {{"/?"}, LaunchMode::Help},
        {{"--bogus"}, LaunchMode::Misuse},
        {{"--JSON"}, LaunchMode::Misuse},
        {{"/x"}, LaunchMode::Misuse},
        {{"--json", "--report"}, LaunchMode::Misuse},
        // Not options: a dropped file, a shortcut's argument.
        {{"notes.txt"}, LaunchMode::Window},
        {{"json"}, LaunchMode::Window},
        {{""}, LaunchMode::Window},
        {{"--report", "extra"}, LaunchMode::Report},
        {{"notes.txt", "--bogus"}, LaunchMode::Misuse},
    };
    for (const auto& c : cases) {
        const LaunchRequest request = ParseCommandLine(c.arguments);
        EXPECT_EQ(c.mode, request.mode) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(c.mode == LaunchMode::Misuse, !request.problem.empty());
    }
}

TEST(CommandLineOptions, TheProblemNamesTheOffendingArgument) {
    EXPECT_EQ("Unknown option: \"--bogus\".", ParseCommandLine({"--bogus"}).problem);
    EXPECT_EQ("One option at a time: \"--report\" is one too many.", ParseCommandLine({"--json", "--report"}).problem);
}

TEST(CommandLineOptions, UsageListsEveryOption) {
    const std::string usage = UsageText();
    for (const char* option : {"--report", "--json", "--history", "--help"}) EXPECT_NE(std::string::npos, usage.find(option));
    EXPECT_EQ(0u, usage.find("Usage: Tallvox.exe"));
    EXPECT_EQ("\r\n", usage.substr(usage.size() - 2));
}
