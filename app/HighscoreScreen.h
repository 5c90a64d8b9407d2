#pragma once
// HighscoreScreen: the highscore table of one level, with rank, name and score in three
// columns of one field (left, centre and right aligned). Paging moves on to the next level,
// from the last back to the first; the ranks always show 1 to 10. Below a table with entries
// a line tells where their games are kept as replays and how to play them.
#include <memory>
#include <string>
#include <vector>

#include "app/HighscoreTable.h"
#include "app/KeptReplays.h"
#include "overlay/ScreenTextField.h"

class HighscoreScreen {
public:
    HighscoreScreen(HighscoreTable& table, const KeptReplays& replays, std::vector<std::string> levelNames);

    void show(int level);
    void nextPage();
    void hide();
    // The level shown, or -1.
    int shownLevel() const { return shownLevel_; }
    const std::vector<std::unique_ptr<ScreenTextField>>& fields() const { return fields_; }

private:
    void fillLevel();

    HighscoreTable& table_;
    const KeptReplays& replays_;
    std::vector<std::string> levelNames_;
    int shownLevel_ = -1;
    std::vector<std::unique_ptr<ScreenTextField>> fields_;  // title, level, ranks, names, scores, replays
};
