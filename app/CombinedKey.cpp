#include "app/CombinedKey.h"

#include <algorithm>

namespace {
int nextVirtualCode = -1;
}  // namespace

CombinedKey::CombinedKey(Key first, Key second, Combine combine)
    : code_(nextVirtualCode--), keys_{first, second}, down_(keys_.size(), false), combine_(std::move(combine))
{
    state_ = combine_(down_);
}

bool CombinedKey::anyKeyDown(std::vector<bool> down)
{
    return std::ranges::any_of(down, [](bool d) { return d; });
}

void CombinedKey::keyPressed(unsigned char key)
{
    update([key](const Key& k) { return k.matchesCharacter(key); }, true);
}

void CombinedKey::keyReleased(unsigned char key)
{
    update([key](const Key& k) { return k.matchesRelease(key); }, false);
}

void CombinedKey::specialKeyPressed(int key)
{
    update([key](const Key& k) { return k.matchesSpecial(key); }, true);
}

void CombinedKey::specialKeyReleased(int key)
{
    update([key](const Key& k) { return k.matchesSpecial(key); }, false);
}

template <class Matches>
void CombinedKey::update(Matches matches, bool down)
{
    bool anyMatched = false;
    for (size_t i = 0; i < keys_.size(); ++i) {
        if (!matches(keys_[i])) continue;
        down_[i] = down;
        anyMatched = true;
    }
    if (!anyMatched) return;
    const bool combined = combine_(down_);
    if (combined == state_) return;
    state_ = combined;
    if (state_)
        dispatchSpecialKeyPressed(code_);
    else
        dispatchSpecialKeyReleased(code_);
}
