#include "tools/music/Arranger.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

namespace assets {

namespace {
constexpr double beatsPerBar = 4.0;
constexpr double step16 = 0.25;

std::vector<std::string> split(const std::string& bar)
{
    std::istringstream in(bar);
    std::vector<std::string> parts;
    for (std::string p; in >> p;) parts.push_back(p);
    return parts;
}

int accentOf(char c, int velocity)
{
    switch (c) {
    case 'X': return velocity + 18;
    case 'o': return velocity * 45 / 100;
    default: return velocity;
    }
}

bool isHit(char c) { return c == 'x' || c == 'X' || c == 'o'; }

// Length in steps of the hit at `i`: up to the end of its '-' holds.
int heldSteps(const std::string& rhythm, size_t i)
{
    size_t j = i + 1;
    while (j < rhythm.size() && rhythm[j] == '-') ++j;
    return static_cast<int>(j - i);
}
}  // namespace

Arranger::Arranger(Score& score, Scale scale, std::uint64_t seed) : score_(score), scale_(std::move(scale)), random_(seed)
{
}

Chord Arranger::chordAt(const Progression& chords, int firstBar, double beat)
{
    const double local = beat - firstBar * beatsPerBar;
    int bar = static_cast<int>(std::floor(local / beatsPerBar));
    bar = std::clamp(bar, 0, static_cast<int>(chords.size()) - 1);
    const std::vector<std::string> parts = split(chords[bar]);
    const double within = local - bar * beatsPerBar;
    const size_t index = std::min(parts.size() - 1, static_cast<size_t>(within / (beatsPerBar / parts.size())));
    return Chord::parse(parts[index]);
}

int Arranger::humanize(int velocity) { return std::clamp(velocity + random_.integer(-5, 5), 1, 127); }

void Arranger::note(int channel, double beat, double length, int key, int velocity)
{
    score_.add(channel, beat, length, key, velocity);
}

void Arranger::doubled(int from, int to, double fromBeat, double toBeat, int transpose, int velocityChange)
{
    const std::vector<ScoreNote> notes = score_.notes;
    for (const ScoreNote& n : notes)
        if (n.channel == from && n.beat >= fromBeat && n.beat < toBeat)
            score_.add(to, n.beat, n.length, n.key + transpose, std::clamp(n.velocity + velocityChange, 1, 127));
}

void Arranger::roll(int channel, double beat, double length, int key, int v0, int v1, double step)
{
    const int n = std::max(1, static_cast<int>(length / step));
    for (int i = 0; i < n; ++i)
        score_.add(channel, beat + i * step, step * 0.9, key, humanize(v0 + (v1 - v0) * i / std::max(1, n - 1)));
}

void Arranger::drums(int firstBar, int bars, const DrumPattern& pattern, int velocity, Fill fill, bool crash)
{
    for (int bar = 0; bar < bars; ++bar) {
        const double barBeat = (firstBar + bar) * beatsPerBar;
        const bool filling = fill != Fill::None && bar == bars - 1;
        for (const DrumLine& line : pattern) {
            const int steps = static_cast<int>(line.steps.size());
            for (int s = 0; s < 16; ++s) {
                if (filling && s >= 8 && line.key != 36) continue;  // the fill takes the second half
                const char c = line.steps[(bar * 16 + s) % steps];
                if (!isHit(c)) continue;
                score_.add(drumChannel, barBeat + s * step16, step16, line.key, humanize(accentOf(c, velocity)));
            }
        }
        if (filling) {
            const double from = barBeat + 2.0;
            switch (fill) {
            case Fill::Snare:
                for (int s = 0; s < 8; ++s) score_.add(drumChannel, from + s * step16, step16, 38, humanize(velocity - 20 + 4 * s));
                break;
            case Fill::Toms: {
                const int toms[8] = {50, 50, 48, 48, 47, 45, 43, 41};
                for (int s = 0; s < 8; ++s) score_.add(drumChannel, from + s * step16, step16, toms[s], humanize(velocity - 6 + 2 * s));
                break;
            }
            case Fill::Build:
                for (int s = 0; s < 16; ++s)
                    score_.add(drumChannel, from + s * step16 / 2.0, step16 / 2.0, s % 4 == 3 ? 39 : 38,
                               humanize(velocity - 35 + 3 * s));
                break;
            case Fill::None: break;
            }
        }
    }
    if (crash) {
        score_.add(drumChannel, firstBar * beatsPerBar, 2.0, 49, humanize(velocity + 10));
        score_.add(drumChannel, firstBar * beatsPerBar, 0.5, 36, humanize(velocity + 10));
    }
}

void Arranger::bass(int channel, int firstBar, const Progression& chords, const std::string& pattern, int low,
                    int velocity, double gate)
{
    const int steps = static_cast<int>(pattern.size());
    for (int bar = 0; bar < static_cast<int>(chords.size()); ++bar) {
        for (int s = 0; s < 16; ++s) {
            const char c = pattern[(bar * 16 + s) % steps];
            if (c == '.' || c == '-') continue;
            const double beat = (firstBar + bar) * beatsPerBar + s * step16;
            const Chord chord = chordAt(chords, firstBar, beat);
            const int root = chord.bassAtOrAbove(low);
            int key = root;
            if (c == 'o') key = root + 12;
            if (c == 'f') key = root + 7;
            if (c == 'a') {
                // Approach the next chord's root from a step below or above.
                const Chord next = chordAt(chords, firstBar, beat + 4.0 * step16);
                const int target = next.bassAtOrAbove(low);
                key = scale_.contains(target - 2) ? target - 2 : target - 1;
                if (random_.chance(0.4)) key = target + (scale_.contains(target + 2) ? 2 : 1);
            }
            int held = 1;
            while (s + held < 16 && pattern[(bar * 16 + s + held) % steps] == '-') ++held;
            score_.add(channel, beat, held * step16 * gate, key, humanize(c == 'R' ? velocity + 15 : velocity));
        }
    }
}

std::vector<int> Arranger::voicing(const Chord& chord, int low, int high, int voices) const
{
    // The window of `voices` consecutive chord tones in range that sits nearest the middle.
    std::vector<int> tones;
    for (int p = low; p <= high; ++p)
        if (chord.contains(p)) tones.push_back(p);
    if (static_cast<int>(tones.size()) <= voices) return tones;
    std::vector<int> best;
    double bestCost = std::numeric_limits<double>::max();
    for (size_t start = 0; start + voices <= tones.size(); ++start) {
        const double cost = std::abs((tones[start] + tones[start + voices - 1]) / 2.0 - (low + high) / 2.0);
        if (cost < bestCost) bestCost = cost, best.assign(tones.begin() + start, tones.begin() + start + voices);
    }
    return best;
}

void Arranger::pad(int channel, int firstBar, const Progression& chords, int low, int high, int velocity, int voices)
{
    std::vector<int>& previous = lastVoicing_[channel];
    for (int bar = 0; bar < static_cast<int>(chords.size()); ++bar) {
        const std::vector<std::string> parts = split(chords[bar]);
        const double length = beatsPerBar / parts.size();
        for (size_t k = 0; k < parts.size(); ++k) {
            const Chord chord = Chord::parse(parts[k]);
            // Candidates are windows of chord tones; pick the one nearest the last voicing.
            std::vector<int> tones;
            for (int p = low; p <= high; ++p)
                if (chord.contains(p)) tones.push_back(p);
            std::vector<int> best;
            double bestCost = std::numeric_limits<double>::max();
            for (size_t start = 0; start + voices <= tones.size(); ++start) {
                std::vector<int> c(tones.begin() + start, tones.begin() + start + voices);
                double cost = 0.0;
                if (previous.size() == c.size()) {
                    for (size_t i = 0; i < c.size(); ++i) cost += std::abs(c[i] - previous[i]);
                } else {
                    cost = std::abs((c.front() + c.back()) / 2.0 - (low + high) / 2.0);
                }
                if (cost < bestCost) bestCost = cost, best = c;
            }
            if (best.empty()) best = voicing(chord, low, high, std::max(1, static_cast<int>(tones.size())));
            const double beat = (firstBar + bar) * beatsPerBar + k * length;
            for (int p : best) score_.add(channel, beat, length * 0.98, p, humanize(velocity));
            previous = best;
        }
    }
}

void Arranger::chordRhythm(int channel, int firstBar, const Progression& chords, const std::string& rhythm, int low,
                           int high, int velocity, double gate, bool power)
{
    const int steps = static_cast<int>(rhythm.size());
    for (int bar = 0; bar < static_cast<int>(chords.size()); ++bar) {
        for (int s = 0; s < 16; ++s) {
            const std::string window = rhythm.substr((bar * 16 % steps) + s) + rhythm;
            const char c = window[0];
            if (!isHit(c)) continue;
            const double beat = (firstBar + bar) * beatsPerBar + s * step16;
            const Chord chord = chordAt(chords, firstBar, beat);
            const double length = heldSteps(window, 0) * step16 * gate;
            const int v = humanize(accentOf(c, velocity));
            if (power) {
                // Root, fifth and octave: the guitar's power chord.
                const int root = chord.bassAtOrAbove(low);
                for (int p : {root, root + 7, root + 12}) score_.add(channel, beat, length, p, v);
            } else {
                for (int p : voicing(chord, low, high, 3)) score_.add(channel, beat, length, p, v);
            }
        }
    }
}

void Arranger::arpeggio(int channel, int firstBar, const Progression& chords, Arp style, double step, int low, int high,
                        int velocity, double gate)
{
    const int perBar = static_cast<int>(std::lround(beatsPerBar / step));
    for (int bar = 0; bar < static_cast<int>(chords.size()); ++bar) {
        for (int i = 0; i < perBar; ++i) {
            const double beat = (firstBar + bar) * beatsPerBar + i * step;
            const Chord chord = chordAt(chords, firstBar, beat);
            std::vector<int> tones;
            for (int p = low; p <= high; ++p)
                if (chord.contains(p)) tones.push_back(p);
            if (tones.empty()) continue;
            const int n = static_cast<int>(tones.size());
            int index = 0;
            switch (style) {
            case Arp::Up: index = i % n; break;
            case Arp::Down: index = n - 1 - i % n; break;
            case Arp::UpDown: {
                const int period = std::max(1, 2 * n - 2);
                const int k = i % period;
                index = k < n ? k : period - k;
                break;
            }
            case Arp::Broken: {
                static const int shape[8] = {0, 2, 1, 3, 2, 4, 3, 1};
                index = shape[i % 8] % n;
                break;
            }
            }
            const int accent = (i % 4 == 0) ? 12 : 0;
            score_.add(channel, beat, step * gate, tones[index], humanize(velocity + accent));
        }
    }
}

void Arranger::ostinato(int channel, int firstBar, const Progression& chords, const std::vector<int>& pattern,
                        double step, int low, int velocity, double gate)
{
    const int perBar = static_cast<int>(std::lround(beatsPerBar / step));
    for (int bar = 0; bar < static_cast<int>(chords.size()); ++bar) {
        for (int i = 0; i < perBar; ++i) {
            const double beat = (firstBar + bar) * beatsPerBar + i * step;
            const Chord chord = chordAt(chords, firstBar, beat);
            const int base = chord.bassAtOrAbove(low);
            int key = base, index = pattern[(bar * perBar + i) % pattern.size()];
            for (int p = base + 1; index > 0; ++p)
                if (chord.contains(p)) key = p, --index;
            score_.add(channel, beat, step * gate, key, humanize(velocity + ((i % 4 == 0) ? 10 : 0)));
        }
    }
}

Arranger::Motif Arranger::makeMotif(Random& random, const MelodyStyle& style) const
{
    Motif m;
    for (int bar = 0; bar < 2; ++bar) {
        const auto& cell = style.cells[random.integer(0, static_cast<int>(style.cells.size()) - 1)];
        for (const Rhythm& r : cell) m.notes.push_back({{r.beat + bar * beatsPerBar, r.length}, 0});
    }
    // An arch: the line tends to rise through the first half and fall back in the second.
    int step = 0;
    for (size_t i = 0; i < m.notes.size(); ++i) {
        if (i > 0) {
            const bool rising = i < m.notes.size() / 2;
            int move = random.integer(1, style.maxStep);
            if (random.chance(0.55)) move = 1;
            const bool up = random.chance(rising ? 0.7 : 0.3);
            if (random.chance(0.12)) move = 0;
            step += up ? move : -move;
            step = std::clamp(step, -4, 6);
        }
        m.notes[i].second = step;
    }
    return m;
}

int Arranger::melody(int channel, int firstBar, const Progression& chords, const MelodyStyle& style, int low, int high,
                     int velocity, std::uint64_t motifSeed, int startPitch)
{
    Random motifs(motifSeed);
    const Motif a = makeMotif(motifs, style), b = makeMotif(motifs, style);
    int previous = startPitch > 0 ? startPitch : (low + high) / 2;
    const int units = static_cast<int>(chords.size()) / 2;
    for (int u = 0; u < units; ++u) {
        const int bar = firstBar + 2 * u;
        const char form = "AABC"[u % 4];
        const Motif& m = form == 'B' ? b : a;
        const Chord first = chordAt(chords, firstBar, bar * beatsPerBar);
        // Anchor on the chord tone nearest the previous note: the line continues smoothly.
        const int anchorPitch = first.nearestTone(previous);
        const int anchor = scale_.degreeAtOrBelow(anchorPitch);
        for (const auto& [rhythm, step] : m.notes) {
            const bool cadence = form == 'C' && rhythm.beat >= beatsPerBar;
            if (cadence && rhythm.beat > beatsPerBar) continue;  // the cadence bar holds one note
            const double beat = bar * beatsPerBar + rhythm.beat;
            const Chord chord = chordAt(chords, firstBar, beat);
            int key = scale_.pitch(anchor + step);
            const bool strong = std::fmod(rhythm.beat, 2.0) == 0.0;
            if (strong || cadence) key = chord.nearestTone(key);
            // A semitone rub against a chord tone sounds wrong in this music: resolve it.
            for (int d : {-1, 1})
                if (!chord.contains(key) && chord.contains(key + d)) {
                    key += d;
                    break;
                }
            while (key > high) key -= 12;
            while (key < low) key += 12;
            const double length = cadence ? style.cadenceBeats : rhythm.length * style.gate;
            const int accent = strong ? 8 : 0;
            score_.add(channel, beat, length, key, humanize(velocity + accent));
            previous = key;
        }
    }
    return previous;
}

}  // namespace assets
