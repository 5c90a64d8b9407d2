// The gauges' geometry: which part of its rectangle a bar covers for each orientation and
// fill, where its colours go, and how the two-sided gauge splits into mirrored halves.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "overlay/TwoSidedColorScreenBeam.h"

namespace {
const Color red(1, 0, 0, 0.3), blue(0, 0, 1, 0.9);

void expectColor(const Color& actual, const Color& expected)
{
    EXPECT_NEAR(actual.red(), expected.red(), 1e-12);
    EXPECT_NEAR(actual.green(), expected.green(), 1e-12);
    EXPECT_NEAR(actual.blue(), expected.blue(), 1e-12);
    EXPECT_NEAR(actual.alpha(), expected.alpha(), 1e-12);
}

void expectEdges(const ColorScreenBeam::Quad& q, double left, double right, double bottom, double top)
{
    EXPECT_NEAR(q.left, left, 1e-12);
    EXPECT_NEAR(q.right, right, 1e-12);
    EXPECT_NEAR(q.bottom, bottom, 1e-12);
    EXPECT_NEAR(q.top, top, 1e-12);
}
}  // namespace

TEST(ScreenBeamTest, EachOrientationShortensTheBarAtItsMovingEnd)
{
    ColorScreenBeam beam(0.1, 0.2, 0.4, 0.8, true, true, red, blue, 0.25);
    expectEdges(beam.quad(), 0.1, 0.2, 0.2, 1.0);
    beam.setFromStart(false);
    expectEdges(beam.quad(), 0.4, 0.5, 0.2, 1.0);
    beam.setHorizontal(false);
    expectEdges(beam.quad(), 0.1, 0.5, 0.8, 1.0);
    beam.setFromStart(true);
    expectEdges(beam.quad(), 0.1, 0.5, 0.2, 0.4);
}

TEST(ScreenBeamTest, TheFixedEndKeepsTheStartColourAndTheMovingEndBlendsByTheValue)
{
    const Color edge(0.5, 0, 0.5, 0.6);  // half way from red to blue
    ColorScreenBeam beam(0, 0, 1, 1, true, true, red, blue, 0.5);
    const auto corners = [&] { return beam.quad().corners; };
    // Corners run (left, bottom), (right, bottom), (right, top), (left, top).
    expectColor(corners()[0], red);
    expectColor(corners()[1], edge);
    expectColor(corners()[2], edge);
    expectColor(corners()[3], red);
    beam.setFromStart(false);
    expectColor(corners()[0], edge);
    expectColor(corners()[1], red);
    beam.setHorizontal(false);
    expectColor(corners()[0], edge);
    expectColor(corners()[2], red);
    expectColor(corners()[3], red);
    beam.setValue(1);
    expectColor(corners()[0], blue);

    ColorScreenBeam plain;
    expectColor(plain.getStartColor(), Color(0, 0, 0, 1));
    plain.setColor(blue);
    expectColor(plain.quad().corners[0], blue);
    expectColor(plain.getEndColor(), blue);
}

TEST(ScreenBeamTest, TheShieldGaugeAtHalfCoversTheInnerHalfOfItsRectangle)
{
    ColorScreenBeam life(0.01, 0.01, 0.485, 0.025, true, false, red, blue, 0.5);
    expectEdges(life.quad(), 0.2525, 0.495, 0.01, 0.035);
    expectColor(life.quad().corners[1], red);  // at x = 0.495
}

TEST(ScreenBeamTest, ValuesAndSizesOutOfRangeAreClamped)
{
    ColorScreenBeam beam(0, 0, 1, 1, true, true, red, blue, 7);
    EXPECT_EQ(beam.getValue(), 1.0);
    beam.setValue(1.5);
    expectEdges(beam.quad(), 0, 1, 0, 1);
    beam.setValue(-2);
    expectEdges(beam.quad(), 0, 0, 0, 1);
    beam.setValue(std::numeric_limits<double>::quiet_NaN());  // 0 / 0 from a gauge with no maximum
    EXPECT_EQ(beam.getValue(), 0.0);
    beam.setSize(-1, 0.02);
    EXPECT_EQ(beam.getWidth(), 0.0);
    EXPECT_EQ(beam.getHeight(), 0.02);
    beam.setSize(std::numeric_limits<double>::infinity(), 0.02);
    EXPECT_EQ(beam.getWidth(), 0.0);
}

TEST(ScreenBeamTest, TheQuadFollowsEveryChangeBeforeTheNextDraw)
{
    ColorScreenBeam beam(0, 0, 1, 1, true, true, red, blue, 1);
    beam.calculateLater({0, 0});
    beam.setPosition(0.5, 0.5);
    expectEdges(beam.quad(), 0.5, 1.5, 0.5, 1.5);
    beam.setSize(0.2, 0.1);
    expectEdges(beam.quad(), 0.5, 0.7, 0.5, 0.6);
    beam.setStartColor(blue);
    expectColor(beam.quad().corners[0], blue);
}

TEST(ScreenBeamTest, TheEnergyGaugeGrowsFromTheMiddleOutward)
{
    TwoSidedColorScreenBeam energy(0.01, 0.045, 0.98, 0.025, true, false, red, blue, 0.5);
    ColorScreenBeam& first = energy.firstHalf();
    ColorScreenBeam& second = energy.secondHalf();
    EXPECT_NEAR(first.getX(), 0.01, 1e-12);
    EXPECT_NEAR(second.getX(), 0.5, 1e-12);
    EXPECT_NEAR(first.getWidth(), 0.49, 1e-12);
    EXPECT_NEAR(second.getWidth(), 0.49, 1e-12);
    EXPECT_FALSE(first.isFromStart());
    EXPECT_TRUE(second.isFromStart());
    // Both fixed ends at x = 0.5, both filled half way outward.
    expectEdges(first.quad(), 0.255, 0.5, 0.045, 0.07);
    expectEdges(second.quad(), 0.5, 0.745, 0.045, 0.07);
    expectColor(first.quad().corners[1], red);
    expectColor(second.quad().corners[0], red);

    energy.setValue(0.2);
    EXPECT_EQ(first.getValue(), 0.2);
    EXPECT_EQ(second.getValue(), 0.2);
    EXPECT_EQ(energy.getValue(), 0.2);
    energy.setColor(blue);
    expectColor(second.getStartColor(), blue);
    expectColor(energy.getEndColor(), blue);

    energy.setFromStart(true);  // now both grow inward from the outer ends
    expectEdges(first.quad(), 0.01, 0.108, 0.045, 0.07);
    expectEdges(second.quad(), 0.892, 0.99, 0.045, 0.07);
}

TEST(ScreenBeamTest, AVerticalTwoSidedGaugeSplitsTopAndBottom)
{
    TwoSidedColorScreenBeam gauge(0.1, 0.2, 0.05, 0.6, false, false, red, blue, 1);
    EXPECT_FALSE(gauge.secondHalf().isHorizontal());
    expectEdges(gauge.firstHalf().quad(), 0.1, 0.15, 0.2, 0.5);
    expectEdges(gauge.secondHalf().quad(), 0.1, 0.15, 0.5, 0.8);
    gauge.setPosition(0, 0);
    gauge.setSize(0.1, 1);
    expectEdges(gauge.secondHalf().quad(), 0, 0.1, 0.5, 1);
    gauge.setHorizontal(true);
    expectEdges(gauge.secondHalf().quad(), 0.05, 0.1, 0, 1);
}

TEST(ScreenBeamTest, TheTwoSidedGaugeKeepsItsOwnBarEmptyAndCarriesItsHalves)
{
    TwoSidedColorScreenBeam energy(0.01, 0.045, 0.98, 0.025, true, false, red, blue, 1);
    const ColorScreenBeam::Quad& own = energy.ColorScreenBeam::quad();
    EXPECT_EQ(own.left, own.right) << "its own bar must not cover the halves";

    const auto& shown = ScreenElement::shownElements();
    EXPECT_TRUE(shown.contains(&energy.firstHalf()));
    energy.hide();
    EXPECT_FALSE(shown.contains(&energy.firstHalf()));
    EXPECT_FALSE(shown.contains(&energy.secondHalf()));
    energy.show();
    EXPECT_TRUE(shown.contains(&energy.secondHalf()));
    energy.setLayer(3);
    EXPECT_EQ(energy.firstHalf().getLayer(), 3);
    EXPECT_EQ(energy.secondHalf().getLayer(), 3);
}
