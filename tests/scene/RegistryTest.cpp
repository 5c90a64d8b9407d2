// The registry's walks: members that leave during a walk are skipped, and newcomers (even at
// a departed member's address) wait for the next walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "scene/Registry.h"

namespace {
// The members a walk visits, sorted: the order of a registry carries no meaning.
std::vector<int*> walked(const Registry<int>& registry)
{
    std::vector<int*> seen;
    registry.forEach([&](int* member) { seen.push_back(member); });
    std::sort(seen.begin(), seen.end());
    return seen;
}

std::vector<int*> sorted(std::vector<int*> members)
{
    std::sort(members.begin(), members.end());
    return members;
}
}  // namespace

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
    EXPECT_EQ(walked(registry), sorted({&first, &third, &newcomer}));
    EXPECT_FALSE(registry.contains(&second));
}
