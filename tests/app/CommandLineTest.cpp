#include "app/CommandLine.h"
#include "app/Usage.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {
CommandLine parse(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "rubblestorm");
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    return CommandLine::parse(static_cast<int>(arguments.size()), argv.data());
}

// The options the help text lists, each with its argument word ("FILE", "N") or nothing,
// read from the "Options:" section as a player reads it.
std::vector<std::pair<std::string, std::string>> listedOptions()
{
    std::vector<std::pair<std::string, std::string>> options;
    std::istringstream help(Usage::helpText());
    std::string line;
    bool inOptions = false;
    while (std::getline(help, line)) {
        if (line.empty() || line[0] != ' ') inOptions = line == "Options:";
        if (!inOptions || line.rfind("  -", 0) != 0) continue;
        std::istringstream words(line.substr(0, line.find("   ", 2)));
        std::string word;
        while (words >> word) {
            if (word.back() == ',') word.pop_back();
            if (word[0] == '-')
                options.push_back({word, ""});
            else
                options.back().second = word;
        }
    }
    return options;
}

struct Case {
    std::vector<std::string> arguments;
    bool windowToggle;
    std::string replay;
    bool fast;
    std::optional<std::uint32_t> seed;
    std::vector<std::string> unknown;
};
}  // namespace

TEST(CommandLineTest, ReadsEachOptionAndKeepsTheRestAsUnknown)
{
    const std::vector<Case> cases = {
        {{}, false, "", false, std::nullopt, {}},
        {{"-d"}, true, "", false, std::nullopt, {}},
        {{"-dx", "d"}, false, "", false, std::nullopt, {"-dx", "d"}},
        {{"--play", "a.replay", "--fast"}, false, "a.replay", true, std::nullopt, {}},
        {{"--play"}, false, "", false, std::nullopt, {"--play"}},
        {{"--seed", "4294967295", "-d"}, true, "", false, 4294967295u, {}},
        {{"--seed", "4294967296"}, false, "", false, std::nullopt, {"--seed", "4294967296"}},
        {{"--seed", "12x"}, false, "", false, std::nullopt, {"--seed", "12x"}},
        {{"-display", ":3", "-sync", "--frobnicate"}, false, "", false, std::nullopt, {"--frobnicate"}},
        {{"--help", "-h", "--version", "--helpme"}, false, "", false, std::nullopt, {"--helpme"}},
    };
    for (const Case& c : cases) {
        const CommandLine line = parse(c.arguments);
        const std::string what = testing::PrintToString(c.arguments);
        EXPECT_EQ(line.windowToggle, c.windowToggle) << what;
        EXPECT_EQ(line.replay, c.replay) << what;
        EXPECT_EQ(line.fast, c.fast) << what;
        EXPECT_EQ(line.seed, c.seed) << what;
        EXPECT_EQ(line.unknown, c.unknown) << what;
    }
}

TEST(CommandLineTest, HelpListsExactlyTheOptionsTheGameAccepts)
{
    const auto options = listedOptions();
    std::vector<std::string> names;
    for (const auto& [name, argument] : options) {
        names.push_back(name);
        std::vector<std::string> arguments = {name};
        if (!argument.empty()) arguments.push_back(argument == "N" ? "7" : "x.replay");
        EXPECT_TRUE(parse(arguments).unknown.empty()) << name << " is listed but not accepted";
    }
    EXPECT_EQ(names, (std::vector<std::string>{"-d", "--play", "--fast", "--seed", "-h", "--help", "--version"}));
    EXPECT_TRUE(parse({"-h"}).help && parse({"--help"}).help && parse({"--version"}).version);
}

TEST(CommandLineTest, TextsFitATerminalAndTheManualSaysTheSame)
{
    std::istringstream help(Usage::helpText());
    for (std::string line; std::getline(help, line);) EXPECT_LE(line.size(), 79u) << line;
    EXPECT_EQ(Usage::versionText(), "rubblestorm " + Usage::version() + "\n");

    const std::string manual = Usage::manualPage();
    EXPECT_EQ(manual.rfind(".TH RUBBLESTORM 6 ", 0), 0u);
    EXPECT_NE(manual.find(Usage::version()), std::string::npos);
    for (const auto& [name, argument] : listedOptions()) {
        std::string roff;
        for (const char c : name) roff += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(manual.find(roff), std::string::npos) << name << " is missing from the manual page";
    }
}
