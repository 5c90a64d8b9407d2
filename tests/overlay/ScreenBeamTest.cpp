// The gauges' geometry: the part of its rectangle a bar covers for each orientation and
// fill, where its colours go, and how the two-sided gauge splits into mirrored halves.
#include <gtest/gtest.h>

#include <limits>

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

TEST(ScreenBeamTest, TheLifeGaugeAtHalfCoversTheHalfNextToTheCentre)
{
    ColorScreenBeam life(0.01, 0.01, 0.485, 0.025, true, false, faint, strong, 0.5);
    expectQuad(life, 0.2525, 0.495, 0.01, 0.035);
    EXPECT_TRUE(near(life.quad().corners[1], faint));  // the start colour at x = 0.495
}

TEST(ScreenBeamTest, ValuesAndSizesOutOfRangeAreClamped)
{
    ColorScreenBeam beam(0, 0, 1, 1, true, true, faint, strong, 7);
    EXPECT_EQ(beam.getValue(), 1.0);
    beam.setValue(-2);
    expectQuad(beam, 0, 0, 0, 1);
    beam.setValue(std::numeric_limits<double>::quiet_NaN());  // 0 / 0 from a gauge without maximum
    EXPECT_EQ(beam.getValue(), 0.0);
    beam.setSize(-1, 0.02);
    EXPECT_EQ(beam.getWidth(), 0.0);
    beam.setSize(std::numeric_limits<double>::infinity(), 0.02);
    EXPECT_EQ(beam.getWidth(), 0.0);
}

TEST(ScreenBeamTest, TheEnergyGaugesHalvesMirrorEachOther)
{
    TwoSidedColorScreenBeam energy(0.01, 0.045, 0.98, 0.025, true, false, faint, strong, 0.5);
    ColorScreenBeam& first = energy.firstHalf();
    ColorScreenBeam& second = energy.secondHalf();
    EXPECT_NEAR(second.getX(), 0.5, 1e-12);
    EXPECT_NEAR(first.getWidth(), 0.49, 1e-12);
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
    energy.show();
    energy.setLayer(3);
    EXPECT_TRUE(shown.contains(&second));
    EXPECT_EQ(first.getLayer(), 3);
}
