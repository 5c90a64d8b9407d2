#include "app/HighscoreScreen.h"

#include "app/PageField.h"

namespace {
enum Field { Title, LevelLine, Ranks, Names, Scores, Replays, FieldCount };

std::string rankColumn()
{
    std::string ranks;
    for (std::size_t rank = 1; rank <= HighscoreTable::maxEntries; ++rank) ranks += std::to_string(rank) + "\n";
    return ranks;
}
}  // namespace

HighscoreScreen::HighscoreScreen(HighscoreTable& table, const KeptReplays& replays, std::vector<std::string> levelNames)
    : table_(table), replays_(replays), levelNames_(std::move(levelNames))
{
}

void HighscoreScreen::show(int level)
{
    hide();
    fields_.push_back(pageField(0.0, 0.8, 1.0, 0.2, 0.1, ScreenTextPoint::Center, "Highscores"));
    fields_.push_back(pageField(0.0, 0.7, 1.0, 0.2, 0.07, ScreenTextPoint::Center, ""));
    fields_.push_back(pageField(0.1, 0.0, 0.8, 0.675, 0.05, ScreenTextPoint::TopLeft, rankColumn()));
    fields_.push_back(pageField(0.1, 0.0, 0.8, 0.675, 0.05, ScreenTextPoint::Top, ""));
    fields_.push_back(pageField(0.1, 0.0, 0.8, 0.675, 0.05, ScreenTextPoint::TopRight, ""));
    fields_.push_back(pageField(0.0, 0.01, 1.0, 0.08, 0.03, ScreenTextPoint::Center, ""));
    shownLevel_ = level;
    fillLevel();
}

void HighscoreScreen::nextPage()
{
    if (shownLevel_ < 0) return;
    shownLevel_ = (shownLevel_ + 1) % static_cast<int>(levelNames_.size());
    fillLevel();
}

void HighscoreScreen::hide()
{
    shownLevel_ = -1;
    fields_.clear();
}

void HighscoreScreen::fillLevel()
{
    if (fields_.size() != FieldCount) return;
    std::string names, scores;
    for (const HighscoreEntry& entry : table_.entries(shownLevel_)) {
        names += entry.name + "\n";
        scores += std::to_string(entry.score) + "\n";
    }
    fields_[LevelLine]->setText("for level \"" + levelNames_.at(shownLevel_) + "\"");
    fields_[Names]->setText(names);
    fields_[Scores]->setText(scores);
    const std::string& level = levelNames_.at(shownLevel_);
    fields_[Replays]->setText(names.empty() ? ""
                                            : "These games are kept as replays: rubblestorm --play " +
                                                  replays_.pathOf(level, 1) + " plays the first, -2 the second...");
}
