// The switch and the use of a light: enable on every change into shining (on and active),
// disable on every change out of it, and nothing else.
#include "scene/LightSource.h"

#include <gtest/gtest.h>

namespace {
class CountingLight : public LightSource {
public:
    int enables = 0, disables = 0;

protected:
    void enable() override { ++enables; }
    void disable() override { ++disables; }
};
}  // namespace

TEST(LightSourceTest, ShinesOnlyWhileOnAndActive)
{
    CountingLight light;
    EXPECT_TRUE(light.isOn());
    EXPECT_FALSE(light.isActive());
    light.activate();
    EXPECT_EQ(light.enables, 1);
    light.activate();
    EXPECT_EQ(light.enables, 1) << "already active";
    light.switchOff();
    EXPECT_EQ(light.disables, 1);
    light.switchOn();
    EXPECT_EQ(light.enables, 2);
    light.deactivate();
    EXPECT_EQ(light.disables, 2);
    light.toggle();  // off, not active: only the flag
    EXPECT_FALSE(light.isOn());
    light.deactivate();
    EXPECT_EQ(light.disables, 2);
    light.toggle();
    EXPECT_TRUE(light.isOn());
    EXPECT_EQ(light.enables, 2);
}

TEST(LightSourceTest, ALightSwitchedOffBeforeUseStaysDark)
{
    CountingLight light;
    light.switchOff();
    light.activate();
    EXPECT_TRUE(light.isActive());
    EXPECT_EQ(light.enables, 0);
    light.deactivate();
    EXPECT_EQ(light.disables, 0);
}
