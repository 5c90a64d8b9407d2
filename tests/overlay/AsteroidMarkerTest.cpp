// The asteroid markers' rules: the life fraction, and when the life beam shows.
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/AsteroidLifeBeam.h"
#include "overlay/MarkerColor.h"

namespace {
// Runs the beam's tree update in frames of 0.1 game seconds from `from` to `to`.
void run(AsteroidLifeBeam& beam, double from, double to)
{
    for (double t = from + 0.1; t <= to + 1e-9; t += 0.1) beam.calculate({t, 0.1});
}
}  // namespace

TEST(AsteroidMarkerTest, TheLifeFractionIsClampedAndNeverNaN)
{
    AsteroidLifeBeam beam(0.9);
    beam.setLife(1.5, true);
    EXPECT_EQ(beam.getLife(), 1.0);
    beam.setLife(-0.5, true);
    EXPECT_EQ(beam.getLife(), 0.0);
    beam.setLife(std::nan(""), false);  // a life over a full life of zero
    EXPECT_EQ(beam.getLife(), 0.0);
    EXPECT_EQ(markerColor(0.5).alpha(), 0.25);
    EXPECT_EQ(markerColor(std::nan("")).alpha(), 0.0);
    const Matrix inverse = beam.getLocalInverseMatrix();
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(std::isfinite(inverse[i])) << "a flat bar keeps an inverse";
}

TEST(AsteroidMarkerTest, AHitShowsTheBeamForTwoSecondsAndAFurtherHitStartsThemAgain)
{
    AsteroidLifeBeam beam(0.9);
    beam.setLife(0.5, false);
    run(beam, 0, 1);
    EXPECT_FALSE(beam.isActive()) << "a hit that need not show (from another asteroid)";

    beam.setLife(0.4, true);  // a hit in the frame at t = 1
    EXPECT_FALSE(beam.isActive()) << "shows from the next frame on";
    run(beam, 1, 2.9);
    EXPECT_TRUE(beam.isActive());
    run(beam, 2.9, 3.0);
    EXPECT_FALSE(beam.isActive()) << "two seconds after the hit";

    beam.setLife(0.3, true);  // at t = 3
    run(beam, 3, 4);
    beam.setLife(0.2, true);  // at t = 4
    run(beam, 4, 5.9);
    EXPECT_TRUE(beam.isActive()) << "the first hit's two seconds are over, the second's are not";
    run(beam, 5.9, 6.0);
    EXPECT_FALSE(beam.isActive());
    EXPECT_EQ(beam.getLife(), 0.2);
}
