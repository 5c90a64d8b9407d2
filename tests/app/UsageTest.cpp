#include "app/CommandLine.h"
#include "app/Usage.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {
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
            if (word[0] == '-') options.push_back({word, ""});
            else options.back().second = word;
        }
    }
    return options;
}

CommandLine parse(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "rubblestorm");
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    return CommandLine::parse(static_cast<int>(arguments.size()), argv.data());
}
}  // namespace

TEST(UsageTest, HelpListsExactlyTheOptionsTheGameAccepts)
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

TEST(UsageTest, TextsFitATerminalAndTheManualSaysTheSame)
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
