// The asteroid markers' rules: the life fraction, and when the life beam shows.
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/AsteroidLifeBeam.h"
#include "overlay/AsteroidSelection.h"
#include "overlay/MarkerColor.h"

namespace {
// Runs the beam's tree update in frames of `delta` from `from` to `to` (game seconds).
void run(AsteroidLifeBeam& beam, double from, double to, double delta = 0.1)
{
    for (double t = from + delta; t <= to + 1e-9; t += delta) beam.calculate({t, delta});
}
}  // namespace

TEST(AsteroidMarkerTest, TheLifeFractionIsClampedAndNeverNaN)
{
    AsteroidLifeBeam beam(0.9);
    EXPECT_EQ(beam.getLife(), 1.0);
    beam.setLife(1.5, true);
    EXPECT_EQ(beam.getLife(), 1.0);
    beam.setLife(-0.5, true);
    EXPECT_EQ(beam.getLife(), 0.0);
    beam.setLife(std::nan(""), false);  // a life over a full life of zero
    EXPECT_EQ(beam.getLife(), 0.0);
    beam.setLife(0.25, false);
    EXPECT_EQ(beam.getLife(), 0.25);
}

TEST(AsteroidMarkerTest, AHitShowsTheBeamForTwoSecondsFromItsFrame)
{
    AsteroidLifeBeam beam(0.9);
    EXPECT_FALSE(beam.isActive());
    beam.setLife(0.5, false);
    run(beam, 0, 1);
    EXPECT_FALSE(beam.isActive()) << "a hit that need not show (from another asteroid)";

    beam.setLife(0.4, true);  // a hit in the frame at t = 1
    EXPECT_FALSE(beam.isActive()) << "shows from the next frame on";
    run(beam, 1, 1.1);
    EXPECT_TRUE(beam.isActive());
    run(beam, 1.1, 2.9);
    EXPECT_TRUE(beam.isActive());
    run(beam, 2.9, 3.0);
    EXPECT_FALSE(beam.isActive()) << "two seconds after the hit";
    run(beam, 3.0, 5.0);
    EXPECT_FALSE(beam.isActive());
}

TEST(AsteroidMarkerTest, AFurtherHitStartsTheTwoSecondsAgain)
{
    AsteroidLifeBeam beam(0.9);
    beam.setLife(0.8, true);  // at t = 0
    run(beam, 0, 1);
    beam.setLife(0.6, true);  // at t = 1
    run(beam, 1, 2.9);
    EXPECT_TRUE(beam.isActive()) << "the first hit's two seconds are over, the second's are not";
    run(beam, 2.9, 3.0);
    EXPECT_FALSE(beam.isActive());
    EXPECT_EQ(beam.getLife(), 0.6);
}

TEST(AsteroidMarkerTest, MarkersStartInactiveAndScaledToTheAsteroid)
{
    AsteroidLifeBeam beam(0.9);
    AsteroidSelection selection(0.9);
    EXPECT_FALSE(selection.isActive());
    EXPECT_TRUE(beam.isTransparent());
    EXPECT_TRUE(beam.isCullable());
    EXPECT_NEAR(beam.getScale().y(), 1.08, 1e-12);
    EXPECT_NEAR(selection.getScale().x(), 0.9, 1e-12);
    const Matrix inverse = beam.getLocalInverseMatrix();
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(std::isfinite(inverse[i])) << "a flat bar keeps an inverse";
    selection.setAlpha(0.25);
    EXPECT_EQ(selection.getAlpha(), 0.25);
    EXPECT_EQ(markerColor(0.5).alpha(), 0.25);
    EXPECT_EQ(markerColor(std::nan("")).alpha(), 0.0);
    EXPECT_EQ(markerColor(), Color(0, 1, 0, 0.5));
}
