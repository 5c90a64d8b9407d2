#include "app/Usage.h"

#include <algorithm>
#include <vector>

#ifndef RUBBLESTORM_VERSION
#error "RUBBLESTORM_VERSION must come from the CMake project"
#endif

namespace {
// One line of a section: a term (an option with its argument, a key, a file) and what it does.
struct Entry {
    const char* term;
    const char* argument;  // shown after the term, in italics on the manual page; may be empty
    const char* text;
};

struct Section {
    const char* title;
    std::vector<Entry> entries;
};

constexpr const char* summary = "a 3D space shooter among drifting asteroids";
constexpr const char* description =
    "Fly a fighter through a cube of drifting, colliding asteroids, steer with the mouse, "
    "thrust and strafe with the keys, and break the rocks apart with twin guns, homing rockets "
    "and a charge-up laser. Every game is recorded and can be watched again.";

const std::vector<Section>& sections()
{
    static const std::vector<Section> table = {
        {"Options",
         {
             {"-d", "", "let F5 switch between full screen and a 640 x 480 window"},
             {"--play", "FILE", "play back a recorded game (a replay) instead of playing"},
             {"--fast", "", "with --play: play as fast as frames can be drawn, print a summary line, end"},
             {"--seed", "N", "start every new game from seed N (0 to 4294967295), for tests"},
             {"-h, --help", "", "print this help and end"},
             {"--version", "", "print the version and end"},
         }},
        {"Controls",
         {
             {"mouse", "", "steer; in menus, highlight an entry"},
             {"left button", "", "fire the guns; in menus, choose the entry"},
             {"right button", "", "fire a homing rocket at the asteroid under the pointer"},
             {"middle button", "", "hold to charge and fire the laser; click to select an asteroid"},
             {"W, S or up, down", "", "accelerate, decelerate and fly backwards"},
             {"A, D or left, right", "", "strafe"},
             {"ESC", "", "in-game menu; leave a screen; in the main menu, quit"},
             {"P, H", "", "pause; help"},
             {"F1, F2, F3", "", "background music 1, 2, 3"},
             {"+, -, 0 to 9", "", "music louder, softer, from silent to full"},
             {"F5", "", "full screen or window (with -d)"},
         }},
        {"Files",
         {
             {"$XDG_DATA_HOME/rubblestorm", "",
              "where the rubblestorm launcher runs the game (by default ~/.local/share/rubblestorm); "
              "the game itself keeps its files in the folder it is started in"},
             {"highscores.dat", "", "the highscore tables"},
             {"last.replay", "", "the last game, recorded as it went"},
             {"replays/", "", "the games of the highscore tables, as <level>-<rank>.replay"},
             {"models/, fonts/, Sound/", "",
              "the game's data; the launcher links them to share/games/rubblestorm of the installation"},
         }},
    };
    return table;
}

std::string termOf(const Entry& entry)
{
    std::string term = entry.term;
    if (*entry.argument != '\0') term += std::string(" ") + entry.argument;
    return term;
}

// Roff reads a backslash as an escape and a hyphen as a hyphen; options need true minus signs.
std::string roff(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '\\') escaped += "\\e";
        else if (c == '-') escaped += "\\-";
        else escaped += c;
    }
    // A line may not start with a control character.
    if (!escaped.empty() && (escaped.front() == '.' || escaped.front() == '\'')) escaped.insert(0, "\\&");
    return escaped;
}

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; });
    return text;
}
}  // namespace

std::string Usage::version() { return RUBBLESTORM_VERSION; }

std::string Usage::versionText() { return "rubblestorm " + version() + "\n"; }

std::string Usage::helpText()
{
    constexpr std::size_t widestColumn = 24, lineWidth = 79;
    std::string text = "Usage: rubblestorm [OPTION]...\nRubblestorm, " + std::string(summary) + ".\n";
    for (const Section& section : sections()) {
        std::size_t column = 0;
        for (const Entry& entry : section.entries) column = std::max(column, termOf(entry).size());
        column = std::min(column, widestColumn) + 4;
        text += std::string("\n") + section.title + ":\n";
        for (const Entry& entry : section.entries) {
            std::string line = "  " + termOf(entry);
            // A term too wide for the column gets a line of its own.
            if (line.size() + 2 > column) text += line + "\n", line.clear();
            line.resize(column, ' ');
            std::size_t start = 0;
            const std::string words = entry.text;
            while (start < words.size()) {
                std::size_t end = words.size();
                if (column + end - start > lineWidth) end = words.rfind(' ', start + lineWidth - column);
                if (end == std::string::npos || end <= start) end = words.find(' ', start);
                if (end == std::string::npos) end = words.size();
                text += line + words.substr(start, end - start) + "\n";
                line.assign(column, ' ');
                start = end + 1;
            }
        }
    }
    return text;
}

std::string Usage::manualPage()
{
    std::string page = ".TH RUBBLESTORM 6 \"\" \"rubblestorm " + version() + "\" \"Games\"\n";
    page += ".SH NAME\nrubblestorm \\- " + roff(summary) + "\n";
    page += ".SH SYNOPSIS\n.B rubblestorm\n.RI [ option ]...\n";
    page += ".SH DESCRIPTION\n" + roff(description) + "\n";
    for (const Section& section : sections()) {
        page += ".SH " + upper(section.title) + "\n";
        for (const Entry& entry : section.entries) {
            page += ".TP\n";
            if (*entry.argument != '\0') page += ".BI \"" + roff(entry.term) + " \" " + roff(entry.argument) + "\n";
            else page += ".B " + roff(entry.term) + "\n";
            page += roff(entry.text) + "\n";
        }
    }
    return page;
}
