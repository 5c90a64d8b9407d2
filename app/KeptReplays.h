#pragma once
// KeptReplays: the replays kept beside the highscore table, one per table entry, as
// "<folder>/<level>-<rank>.replay" (the level's name in lower case, ranks from 1). A new entry
// moves the replays at its rank and below down one and drops the one pushed out of the table;
// an entry without a replay stays a gap. Only files are moved: whether they match the table is
// the table's business. Depends on: the standard library.
#include <cstddef>
#include <string>

class KeptReplays {
public:
    KeptReplays(std::string folder, std::size_t tableSize);

    // A new entry at `rank` of `level`: the replays of the entries at rank and below move down one,
    // the one pushed out of the table is removed, and `replayFile` is copied to rank. Creates the
    // folder when needed. Never throws: returns false if something could not be done.
    bool keep(const std::string& levelName, int rank, const std::string& replayFile);
    std::string pathOf(const std::string& levelName, int rank) const;

private:
    std::string folder_;
    std::size_t tableSize_;
};
