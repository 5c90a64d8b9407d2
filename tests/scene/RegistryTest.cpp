// The registry's walks: members come in joining order, those that leave during a walk are
// skipped, and newcomers (even at a departed member's address) wait for the next walk.
#include <gtest/gtest.h>

#include <vector>

#include "scene/Registry.h"

namespace {
std::vector<int*> walked(const Registry<int>& registry)
{
    std::vector<int*> seen;
    registry.forEach([&](int* member) { seen.push_back(member); });
    return seen;
}
}  // namespace

TEST(RegistryTest, MembersComeInJoiningOrderAndARejoinerGoesLast)
{
    // The array puts the addresses in the opposite order to the joining.
    int at[4] = {};
    Registry<int> registry;
    for (int* member : {&at[3], &at[1], &at[2], &at[0]}) registry.insert(member);
    registry.insert(&at[1]);  // already there: stays where it is
    EXPECT_EQ(walked(registry), (std::vector<int*>{&at[3], &at[1], &at[2], &at[0]}));
    registry.erase(&at[3]);
    registry.insert(&at[3]);
    const std::vector<int*> expected{&at[1], &at[2], &at[0], &at[3]};
    EXPECT_EQ(walked(registry), expected);
    EXPECT_EQ(registry.snapshot(), expected);
    EXPECT_EQ(std::vector<int*>(registry.begin(), registry.end()), expected);
}

TEST(RegistryTest, AWalkSkipsWhoLeftAndLeavesNewcomersToTheNextWalk)
{
    int first = 0, second = 0, third = 0, newcomer = 0;
    Registry<int> registry;
    for (int* member : {&first, &second, &third}) registry.insert(member);
    std::vector<int*> seen;
    registry.forEach([&](int* member) {
        seen.push_back(member);
        if (member != &first) return;
        registry.erase(&second);
        registry.erase(&third);
        registry.insert(&third);  // the same address, a new member
        registry.insert(&newcomer);
    });
    EXPECT_EQ(seen, std::vector<int*>{&first});
    EXPECT_EQ(walked(registry), (std::vector<int*>{&first, &third, &newcomer}));
    EXPECT_FALSE(registry.contains(&second));
}
