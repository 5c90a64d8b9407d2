// The arranger's parts: what each writes must stay in its range, on its chords, and move the
// way an arranger would (pads by small steps, bass approaching the next root, fills in the
// last half bar).
#include "tools/music/Arranger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

using assets::Arranger;
using assets::Chord;
using assets::Scale;
using assets::Score;
using assets::ScoreNote;

namespace {
std::vector<ScoreNote> onChannel(const Score& s, int channel)
{
    std::vector<ScoreNote> out;
    for (const ScoreNote& n : s.notes)
        if (n.channel == channel) out.push_back(n);
    return out;
}

const Arranger::Progression progression = {"Em", "C", "G", "D", "Em", "C", "Am", "B"};
}  // namespace

TEST(ArrangerTest, PadVoicesMoveBySmallStepsAndStayOnTheChord)
{
    Score s;
    Arranger a(s, Scale::minor(64), 1);
    a.pad(4, 0, progression, 55, 76, 80, 4);
    std::map<double, std::vector<int>> chords;
    for (const ScoreNote& n : onChannel(s, 4)) chords[n.beat].push_back(n.key);
    ASSERT_EQ(chords.size(), progression.size());
    std::vector<int> previous;
    for (auto& [beat, keys] : chords) {
        std::sort(keys.begin(), keys.end());
        const Chord chord = Arranger::chordAt(progression, 0, beat);
        for (int k : keys) {
            EXPECT_TRUE(chord.contains(k)) << "beat " << beat;
            EXPECT_GE(k, 55);
            EXPECT_LE(k, 76);
        }
        if (!previous.empty()) {
            int motion = 0;
            for (size_t i = 0; i < keys.size(); ++i) motion += std::abs(keys[i] - previous[i]);
            EXPECT_LE(motion, 8) << "voices should not leap between chords, beat " << beat;
        }
        previous = keys;
    }
}

TEST(ArrangerTest, BassPlaysRootsAndApproachesTheNextOne)
{
    Score s;
    Arranger a(s, Scale::minor(64), 2);
    a.bass(3, 0, progression, "r.r.r.r.r.r.o.a.", 28, 90);
    const auto notes = onChannel(s, 3);
    ASSERT_EQ(notes.size(), 8u * progression.size());
    for (const ScoreNote& n : notes) {
        const double inBar = std::fmod(n.beat, 4.0);
        const Chord chord = Arranger::chordAt(progression, 0, n.beat);
        if (inBar == 3.5) {
            const Chord next = Arranger::chordAt(progression, 0, n.beat + 1.0);
            const int target = next.bassAtOrAbove(28);
            EXPECT_LE(std::abs(n.key - target), 2) << "approach note at beat " << n.beat;
            EXPECT_NE(n.key, target);
        } else {
            EXPECT_EQ((n.key - chord.root + 120) % 12, 0) << "beat " << n.beat;
            EXPECT_GE(n.key, 28);
        }
    }
}

TEST(ArrangerTest, ArpeggiosAndOstinatosUseOnlyChordTonesInRange)
{
    Score s;
    Arranger a(s, Scale::minor(64), 3);
    a.arpeggio(5, 0, progression, Arranger::Arp::UpDown, 0.25, 64, 83, 70);
    a.ostinato(1, 0, progression, {0, 0, 2, 0, 1, 0, 2, 3}, 0.25, 55, 80);
    EXPECT_EQ(onChannel(s, 5).size(), 16u * progression.size());
    for (const ScoreNote& n : s.notes) {
        EXPECT_TRUE(Arranger::chordAt(progression, 0, n.beat).contains(n.key)) << "beat " << n.beat;
        if (n.channel == 5) {
            EXPECT_TRUE(n.key >= 64 && n.key <= 83);
        }
    }
}

TEST(ArrangerTest, MelodyStaysInRangeRepeatsItsIdeaAndClosesOnTheChord)
{
    Score s;
    Arranger a(s, Scale::minor(64), 4);
    const Arranger::MelodyStyle style{{{{0, 1}, {1, 0.5}, {1.5, 0.5}, {2, 1}, {3, 1}}, {{0, 2}, {2, 2}}}, 0.9, 3, 3.0};
    a.melody(0, 0, progression, style, 64, 84, 90, 77);
    const auto notes = onChannel(s, 0);
    ASSERT_FALSE(notes.empty());
    for (const ScoreNote& n : notes) {
        EXPECT_GE(n.key, 64);
        EXPECT_LE(n.key, 84);
        if (std::fmod(n.beat, 2.0) == 0.0) {
            EXPECT_TRUE(Arranger::chordAt(progression, 0, n.beat).contains(n.key));
        }
    }
    // Bars 1-2 and 3-4 state the same idea: the same rhythm.
    std::vector<double> first, second;
    for (const ScoreNote& n : notes) {
        if (n.beat < 8.0) first.push_back(n.beat);
        else if (n.beat < 16.0) second.push_back(n.beat - 8.0);
    }
    EXPECT_EQ(first, second);
    // The phrase ends on one long note from the last bar's downbeat.
    EXPECT_EQ(notes.back().beat, 28.0);
    EXPECT_EQ(notes.back().length, 3.0);
}

TEST(ArrangerTest, FillTakesOverTheSecondHalfOfTheLastBar)
{
    Score s;
    Arranger a(s, Scale::minor(64), 5);
    a.drums(0, 2, {{36, "x...x...x...x..."}, {42, "x.x.x.x.x.x.x.x."}}, 100, Arranger::Fill::Toms, true);
    int hatsInSecondHalf = 0, toms = 0, crashes = 0;
    for (const ScoreNote& n : s.notes) {
        if (n.key == 42 && n.beat >= 6.0) ++hatsInSecondHalf;
        if (n.key >= 41 && n.key <= 50 && n.key != 42 && n.key != 44 && n.key != 46 && n.key != 49) ++toms;
        if (n.key == 49) ++crashes;
    }
    EXPECT_EQ(hatsInSecondHalf, 0);
    EXPECT_EQ(toms, 8);
    EXPECT_EQ(crashes, 1);
}
