// Chord symbols and scale degrees: the composer's vocabulary. Mistakes here put whole
// pieces in the wrong key, so the edge cases (accidentals, slash chords, negative degrees)
// are pinned down.
#include "tools/music/Chord.h"
#include "tools/music/Scale.h"

#include <gtest/gtest.h>

#include <stdexcept>

using assets::Chord;
using assets::Scale;

TEST(ChordTest, ReadsRootsQualitiesAndSlashBasses)
{
    const Chord fSharpMinor7 = Chord::parse("F#m7");
    EXPECT_EQ(fSharpMinor7.root, 6);
    EXPECT_EQ(fSharpMinor7.intervals, (std::vector<int>{0, 3, 7, 10}));
    EXPECT_EQ(Chord::parse("Bb").root, 10);
    EXPECT_EQ(Chord::parse("Cb").root, 11) << "flats wrap below C";
    const Chord slash = Chord::parse("F/C");
    EXPECT_EQ(slash.root, 5);
    EXPECT_EQ(slash.bass, 0);
    EXPECT_THROW(Chord::parse("H7"), std::runtime_error);
    EXPECT_THROW(Chord::parse("Cmaj13"), std::runtime_error);
}

TEST(ChordTest, FindsChordTonesInAnyOctave)
{
    const Chord eMinor = Chord::parse("Em");
    EXPECT_TRUE(eMinor.contains(64));
    EXPECT_TRUE(eMinor.contains(43));
    EXPECT_FALSE(eMinor.contains(65));
    EXPECT_EQ(eMinor.nearestTone(65), 64) << "ties go down";
    EXPECT_EQ(eMinor.nearestTone(66), 67);
    EXPECT_EQ(Chord::parse("A/C#").bassAtOrAbove(40), 49);
}

TEST(ScaleTest, DegreesRunOnAcrossOctavesBothWays)
{
    const Scale eMinor = Scale::minor(64);
    EXPECT_EQ(eMinor.pitch(0), 64);
    EXPECT_EQ(eMinor.pitch(2), 67);
    EXPECT_EQ(eMinor.pitch(7), 76);
    EXPECT_EQ(eMinor.pitch(-1), 62);
    EXPECT_EQ(eMinor.pitch(-7), 52);
    EXPECT_EQ(eMinor.pitch(-8), 50);
    for (int degree = -20; degree <= 20; ++degree) {
        EXPECT_EQ(eMinor.degreeAtOrBelow(eMinor.pitch(degree)), degree);
        EXPECT_TRUE(eMinor.contains(eMinor.pitch(degree)));
    }
    EXPECT_FALSE(eMinor.contains(65)) << "F natural is not in E minor";
    EXPECT_EQ(eMinor.degreeAtOrBelow(65), 0) << "F lies between E (degree 0) and F# (degree 1)";
}
