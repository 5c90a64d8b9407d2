#include "app/CommandLine.h"

#include <gtest/gtest.h>

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
