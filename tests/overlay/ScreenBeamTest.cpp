// The gauges' geometry and colours, and when the asteroid's life beam shows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "overlay/AsteroidLifeBeam.h"
#include "overlay/MarkerColor.h"
#include "overlay/TwoSidedColorScreenBeam.h"
#include "tests/support/Expect.h"

namespace {
const Color faint(1, 0, 0, 0.3), strong(0, 0, 1, 0.9), halfWay(0.5, 0, 0.5, 0.6);

void expectQuad(ColorScreenBeam& beam, double left, double right, double bottom, double top)
{
    const ColorScreenBeam::Quad& q = beam.quad();
    EXPECT_NEAR(q.left, left, 1e-12);
    EXPECT_NEAR(q.right, right, 1e-12);
    EXPECT_NEAR(q.bottom, bottom, 1e-12);
    EXPECT_NEAR(q.top, top, 1e-12);
}

// Runs the beam's tree update in frames of 0.1 game seconds from `from` to `to`.
void run(AsteroidLifeBeam& beam, double from, double to)
{
    for (double t = from + 0.1; t <= to + 1e-9; t += 0.1) beam.calculate({t, 0.1});
}
}  // namespace

TEST(ScreenBeamTest, EachOrientationShortensTheBarAtItsMovingEndAndShadesItFromTheFixedEnd)
{
    ColorScreenBeam beam(0.1, 0.2, 0.4, 0.8, true, true, faint, strong, 0.5);
    struct Case {
        bool horizontal, fromStart;
        double left, right, bottom, top;
        int fixedCorner, movingCorner;  // corners run (l, b), (r, b), (r, t), (l, t)
    };
    const Case cases[] = {{true, true, 0.1, 0.3, 0.2, 1.0, 0, 1},
                          {true, false, 0.3, 0.5, 0.2, 1.0, 1, 0},
                          {false, true, 0.1, 0.5, 0.2, 0.6, 0, 3},
                          {false, false, 0.1, 0.5, 0.6, 1.0, 3, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.horizontal << c.fromStart);
        beam.setHorizontal(c.horizontal);
        beam.setFromStart(c.fromStart);
        expectQuad(beam, c.left, c.right, c.bottom, c.top);
        EXPECT_TRUE(near(beam.quad().corners[c.fixedCorner], faint));
        EXPECT_TRUE(near(beam.quad().corners[c.movingCorner], halfWay));
    }
    beam.setValue(1);
    EXPECT_TRUE(near(beam.quad().corners[0], strong));  // a full bar ends in the end colour
    beam.setPosition(0, 0);
    beam.setSize(0.2, 0.1);
    expectQuad(beam, 0, 0.2, 0, 0.1);
}

TEST(ScreenBeamTest, ValuesAndSizesOutOfRangeAreClamped)
{
    ColorScreenBeam beam(0, 0, 1, 1, true, true, faint, strong, 7);
    EXPECT_EQ(beam.getValue(), 1.0);
    beam.setValue(-2);
    expectQuad(beam, 0, 0, 0, 1);
    beam.setValue(std::numeric_limits<double>::quiet_NaN());  // 0 / 0 from a gauge without maximum
    EXPECT_EQ(beam.getValue(), 0.0);
    beam.setSize(std::numeric_limits<double>::infinity(), 0.02);
    EXPECT_EQ(beam.getWidth(), 0.0);
}

TEST(ScreenBeamTest, TheEnergyGaugesHalvesMirrorEachOther)
{
    TwoSidedColorScreenBeam energy(0.01, 0.045, 0.98, 0.025, true, false, faint, strong, 0.5);
    ColorScreenBeam& first = energy.firstHalf();
    ColorScreenBeam& second = energy.secondHalf();
    expectQuad(first, 0.255, 0.5, 0.045, 0.07);  // both grow outward from x = 0.5
    expectQuad(second, 0.5, 0.745, 0.045, 0.07);
    EXPECT_TRUE(near(second.quad().corners[0], faint));
    const ColorScreenBeam::Quad& own = energy.ColorScreenBeam::quad();
    EXPECT_EQ(own.left, own.right) << "its own bar must not cover the halves";

    energy.setValue(0.2);
    energy.setColor(strong);
    EXPECT_EQ(second.getValue(), 0.2);
    EXPECT_TRUE(near(second.getStartColor(), strong));
    energy.setFromStart(true);  // both grow inward from the outer ends
    expectQuad(first, 0.01, 0.108, 0.045, 0.07);
    expectQuad(second, 0.892, 0.99, 0.045, 0.07);
    energy.setHorizontal(false);
    energy.setSize(0.1, 1);
    expectQuad(second, 0.01, 0.11, 0.945, 1.045);  // the upper half grows down from the top

    const auto& shown = ScreenElement::shownElements();
    energy.hide();
    EXPECT_FALSE(shown.contains(&first) || shown.contains(&second));
}

TEST(AsteroidMarkerTest, TheLifeFractionIsClampedAndNeverNaN)
{
    AsteroidLifeBeam beam(0.9);
    beam.setLife(1.5, true);
    EXPECT_EQ(beam.getLife(), 1.0);
    beam.setLife(-0.5, true);
    EXPECT_EQ(beam.getLife(), 0.0);
    beam.setLife(std::nan(""), false);  // a life over a full life of zero
    EXPECT_EQ(beam.getLife(), 0.0);
    EXPECT_EQ(markerColor(std::nan("")).alpha(), 0.0);
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
