// The composed scores, before any sound is made: loops that fit their loop, pieces that
// differ from each other, and melodies that sit on their harmony.
#include "tools/music/Pieces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <string>

namespace {

using assets::Pieces;
using assets::Score;
using assets::ScoreNote;

const char* loops[] = {"menu", "backmusic1", "backmusic2", "backmusic3"};

// Share of the notes of `channel` that start a semitone (or a minor ninth) away from a note
// sounding at that moment on another pitched channel: the tell-tale of a line that ignores
// its chords.
double clashRate(const Score& s, int channel)
{
    int notes = 0, clashes = 0;
    for (const ScoreNote& m : s.notes) {
        if (m.channel != channel || m.length < 0.4) continue;
        ++notes;
        for (const ScoreNote& o : s.notes) {
            if (o.channel == channel || o.channel == 9) continue;
            if (o.beat > m.beat + 1e-9 || o.beat + o.length <= m.beat + 1e-9) continue;
            const int interval = std::abs(m.key - o.key) % 12;
            if (interval == 1 || interval == 11) {
                ++clashes;
                break;
            }
        }
    }
    return notes > 0 ? static_cast<double>(clashes) / notes : 1.0;
}

TEST(PiecesTest, LoopsKeepEveryNoteInsideTheLoopAndRunAMinuteOrMore)
{
    for (const char* name : loops) {
        SCOPED_TRACE(name);
        const Score s = Pieces::byName(name);
        EXPECT_TRUE(s.loop);
        const double seconds = s.seconds(s.beats);
        EXPECT_GE(seconds, 60.0);
        EXPECT_LE(seconds, 180.0);
        for (const ScoreNote& n : s.notes) {
            ASSERT_GE(n.beat, 0.0);
            ASSERT_LE(n.beat + n.length, s.beats + 1e-9) << "a note hangs over the loop point";
            ASSERT_TRUE(s.channels[n.channel].used) << "note on a channel without an instrument";
        }
    }
}

TEST(PiecesTest, EachLoopHasItsOwnTempoKeyAndBand)
{
    std::set<double> tempi;
    std::set<std::set<int>> bands;
    for (const char* name : loops) {
        const Score s = Pieces::byName(name);
        tempi.insert(s.bpm);
        std::set<int> programs;
        for (int c = 0; c < 16; ++c)
            if (s.channels[c].used) programs.insert(s.channels[c].program + 1000 * s.channels[c].bank);
        bands.insert(programs);
    }
    EXPECT_EQ(tempi.size(), std::size(loops));
    EXPECT_EQ(bands.size(), std::size(loops));
}

TEST(PiecesTest, MelodiesRarelyRubAgainstTheirChords)
{
    // Channel 0 carries the tune in every piece.
    for (const char* name : loops) {
        const Score s = Pieces::byName(name);
        // A tune that ignored its chords would rub on about one note in four; the seventh
        // chords of the menu music account for a few legitimate rubs.
        EXPECT_LT(clashRate(s, 0), 0.10) << name;
    }
}

TEST(PiecesTest, JinglesEndWithinSixSeconds)
{
    for (const char* name : {"win", "lose"}) {
        const Score s = Pieces::byName(name);
        EXPECT_FALSE(s.loop);
        EXPECT_LE(s.seconds(s.beats) + s.tail, 6.0) << name;
        EXPECT_GE(s.seconds(s.beats), 3.0) << name;
    }
}

TEST(PiecesTest, UnknownPieceIsRefused) { EXPECT_THROW(Pieces::byName("backmusic4"), std::runtime_error); }

}  // namespace
