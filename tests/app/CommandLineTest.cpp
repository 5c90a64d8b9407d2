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

using Strings = std::vector<std::string>;
}  // namespace

TEST(CommandLineTest, ReadsEachOptionAndKeepsTheRestAsUnknown)
{
    const struct {
        Strings arguments;
        bool windowToggle;
        std::string replay;
        bool fast;
        std::optional<std::uint32_t> seed;
        Strings unknown;
    } cases[] = {
        {{}, false, "", false, std::nullopt, {}},
        {{"-d"}, true, "", false, std::nullopt, {}},
        {{"-dx", "d"}, false, "", false, std::nullopt, {"-dx", "d"}},
        {{"--play", "a.replay", "--fast"}, false, "a.replay", true, std::nullopt, {}},
        {{"--play"}, false, "", false, std::nullopt, {"--play"}},
        {{"--seed", "4294967295", "-d"}, true, "", false, 4294967295u, {}},
        {{"--seed", "4294967296"}, false, "", false, std::nullopt, {"--seed", "4294967296"}},
        {{"-display", ":3", "-sync", "--frobnicate"}, false, "", false, std::nullopt, {"--frobnicate"}},
        {{"--help", "-h", "--version", "--helpme"}, false, "", false, std::nullopt, {"--helpme"}},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse(c.arguments);
        const std::string what = testing::PrintToString(c.arguments);
        EXPECT_EQ(line.windowToggle, c.windowToggle) << what;
        EXPECT_EQ(line.replay, c.replay) << what;
        EXPECT_EQ(line.fast, c.fast) << what;
        EXPECT_EQ(line.seed, c.seed) << what;
        EXPECT_EQ(line.unknown, c.unknown) << what;
    }
    EXPECT_TRUE(parse({"-h"}).help && parse({"--help"}).help && parse({"--version"}).version);
}

// The help text's "Options:" section, as a player reads it, lists exactly the options the game
// accepts.
TEST(CommandLineTest, HelpListsExactlyTheOptionsTheGameAccepts)
{
    std::istringstream help(Usage::helpText());
    Strings names;
    bool inOptions = false;
    for (std::string line; std::getline(help, line);) {
        if (line.empty() || line[0] != ' ') inOptions = line == "Options:";
        if (!inOptions || line.rfind("  -", 0) != 0) continue;
        std::istringstream words(line.substr(0, line.find("  ", 2)));
        Strings arguments;
        for (std::string word; words >> word;) {
            if (word.back() == ',') word.pop_back();
            if (word[0] == '-') {
                names.push_back(word);
                arguments = {word};
            } else {
                arguments.push_back(word == "N" ? "7" : "x.replay");
            }
        }
        EXPECT_TRUE(parse(arguments).unknown.empty()) << line << " is listed but not accepted";
    }
    EXPECT_EQ(names, (Strings{"-d", "--play", "--fast", "--seed", "-h", "--help", "--version"}));
    EXPECT_EQ(Usage::versionText(), "rubblestorm " + Usage::version() + "\n");
}
