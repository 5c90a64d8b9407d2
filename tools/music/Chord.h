#pragma once
// Chord: a chord written the way a lead sheet writes it ("Em", "C", "F#m7", "Bbmaj7",
// "Dsus4", "A5", "C/E"), as a root pitch class, its intervals and its bass note.
// Unknown symbols throw std::runtime_error: a typo in a progression must not go unnoticed.
#include <string>
#include <vector>

namespace assets {

struct Chord {
    int root = 0;  // pitch class, C = 0
    int bass = 0;  // pitch class of the lowest note (the root unless written with a slash)
    std::vector<int> intervals;  // semitones above the root, starting with 0

    static Chord parse(const std::string& symbol);
    bool contains(int pitch) const;
    // The chord tone nearest to `pitch`, ties going down.
    int nearestTone(int pitch) const;
    // The bass note at or above `low`.
    int bassAtOrAbove(int low) const;
};

}  // namespace assets
