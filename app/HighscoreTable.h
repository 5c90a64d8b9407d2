#pragma once
// HighscoreTable: the ten best results of each difficulty level, kept in a text file.
// The file lists, level by level, each entry as a name line and a score line, best first,
// and ends each level with an empty line. It is loaded on first use and rewritten after
// every new entry.
//
// The table keeps what the player has: a file that cannot be read to its end is first copied
// aside ("<file>.damaged", or ".damaged.1", ...), which the player is told on standard error
// and in the window, before the readable part, however little, is written back (a file that
// cannot be copied is left alone), a save writes a new file and then replaces the old one,
// and a name is stored as it reads back: its first line, at most 99 characters, "unknown"
// when that is empty.
#include <cstddef>
#include <string>
#include <vector>

struct HighscoreEntry {
    int score;
    std::string name;
};

class HighscoreTable {
public:
    static constexpr std::size_t maxEntries = 10;

    HighscoreTable(std::string path, std::size_t levelCount);

    bool qualifies(int level, int score);
    // Returns the rank (from 1) at which the entry went in, 0 if it did not enter.
    int add(int level, int score, const std::string& name);
    const std::vector<HighscoreEntry>& entries(int level);
    std::size_t levelCount() const { return levelCount_; }

private:
    void loadOnce();
    // Reads as many entries as the file gives; returns false if it stopped at a fault.
    bool parse(const std::string& content, std::vector<std::pair<int, HighscoreEntry>>& read) const;
    // False if the copy could not be written.
    bool keepDamagedCopy(const std::string& content) const;
    // Returns the rank as add() does.
    int insert(int level, HighscoreEntry entry);
    void save() const;
    bool validLevel(int level) const { return level >= 0 && static_cast<std::size_t>(level) < levelCount_; }

    std::string path_;
    std::size_t levelCount_;
    bool loaded_ = false;
    std::vector<std::vector<HighscoreEntry>> levels_;
};
