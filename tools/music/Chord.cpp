#include "tools/music/Chord.h"

#include <cstdlib>
#include <map>
#include <stdexcept>

namespace assets {

namespace {
int pitchClassOf(const std::string& s, size_t& at)
{
    static const std::map<char, int> letters = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
    if (at >= s.size() || letters.count(s[at]) == 0) throw std::runtime_error("bad chord symbol: " + s);
    int pc = letters.at(s[at++]);
    if (at < s.size() && s[at] == '#') pc += 1, ++at;
    else if (at < s.size() && s[at] == 'b') pc -= 1, ++at;
    return (pc + 12) % 12;
}
}  // namespace

Chord Chord::parse(const std::string& symbol)
{
    static const std::map<std::string, std::vector<int>> qualities = {
        {"", {0, 4, 7}},           {"m", {0, 3, 7}},          {"7", {0, 4, 7, 10}},     {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}},     {"sus2", {0, 2, 7}},       {"sus4", {0, 5, 7}},      {"5", {0, 7}},
        {"dim", {0, 3, 6}},        {"add9", {0, 4, 7, 14}},   {"madd9", {0, 3, 7, 14}}, {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},      {"m9", {0, 3, 7, 10, 14}}, {"maj9", {0, 4, 7, 11, 14}}, {"7sus4", {0, 5, 7, 10}},
    };
    Chord c;
    size_t at = 0;
    c.root = pitchClassOf(symbol, at);
    const size_t slash = symbol.find('/', at);
    const std::string quality = symbol.substr(at, slash == std::string::npos ? std::string::npos : slash - at);
    const auto found = qualities.find(quality);
    if (found == qualities.end()) throw std::runtime_error("unknown chord quality: " + symbol);
    c.intervals = found->second;
    c.bass = c.root;
    if (slash != std::string::npos) {
        size_t b = slash + 1;
        c.bass = pitchClassOf(symbol, b);
    }
    return c;
}

bool Chord::contains(int pitch) const
{
    for (int i : intervals)
        if (((pitch - root - i) % 12 + 12) % 12 == 0) return true;
    return false;
}

int Chord::nearestTone(int pitch) const
{
    for (int d = 0; d < 12; ++d) {
        if (contains(pitch - d)) return pitch - d;
        if (contains(pitch + d)) return pitch + d;
    }
    return pitch;
}

int Chord::bassAtOrAbove(int low) const
{
    int p = low;
    while (((p - bass) % 12 + 12) % 12 != 0) ++p;
    return p;
}

}  // namespace assets
