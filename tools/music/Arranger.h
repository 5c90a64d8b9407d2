#pragma once
// Arranger: writes the parts of a piece into a Score, bar by bar: drum patterns with fills
// and crashes, bass lines, pads that move by the smallest steps from chord to chord, power
// chords and stabs on a rhythm, arpeggios, ostinatos and melodies.
//
// Progressions are given one string per bar, "Em" or two chords per bar "C D" (the second
// from beat 3). Rhythms are strings of sixteenth steps per bar: 'x' a hit, 'X' an accent,
// 'o' a ghost note, '-' holds the previous hit, '.' is silence.
//
// Melodies are built from short motifs: a two-bar idea is stated, restated over the next
// chords, answered by a second idea and closed by a cadence on a chord tone; notes on strong
// beats, and any note a semitone off the harmony, move onto the chord. All choices come
// from the arranger's own seeded random numbers.
#include "tools/common/Random.h"
#include "tools/music/Chord.h"
#include "tools/music/Scale.h"
#include "tools/music/Score.h"

#include <string>
#include <utility>
#include <vector>

namespace assets {

class Arranger {
public:
    using Progression = std::vector<std::string>;
    static constexpr int drumChannel = 9;

    struct DrumLine {
        int key;
        std::string steps;  // 16 or 32 steps
    };
    using DrumPattern = std::vector<DrumLine>;
    enum class Fill { None, Snare, Toms, Build };

    struct Rhythm {
        double beat, length;
    };
    struct MelodyStyle {
        std::vector<std::vector<Rhythm>> cells;  // one-bar rhythm cells to draw from
        double gate = 0.9;                       // sounding part of each note
        int maxStep = 3;                         // largest move in scale degrees
        double cadenceBeats = 3.0;               // the closing note's length
    };
    enum class Arp { Up, Down, UpDown, Broken };

    Arranger(Score& score, Scale scale, std::uint64_t seed);

    void drums(int firstBar, int bars, const DrumPattern& pattern, int velocity, Fill fill = Fill::None,
               bool crash = false);
    void bass(int channel, int firstBar, const Progression& chords, const std::string& pattern, int low, int velocity,
              double gate = 0.9);
    void pad(int channel, int firstBar, const Progression& chords, int low, int high, int velocity, int voices = 4);
    void chordRhythm(int channel, int firstBar, const Progression& chords, const std::string& rhythm, int low, int high,
                     int velocity, double gate, bool power = false);
    void arpeggio(int channel, int firstBar, const Progression& chords, Arp style, double step, int low, int high,
                  int velocity, double gate = 0.8);
    // Chord tones by index above the bass (0 = bass note, 1 = next chord tone up, ...).
    void ostinato(int channel, int firstBar, const Progression& chords, const std::vector<int>& pattern, double step,
                  int low, int velocity, double gate = 0.6);
    // Returns the last pitch played, to continue a line in the next section.
    int melody(int channel, int firstBar, const Progression& chords, const MelodyStyle& style, int low, int high,
               int velocity, std::uint64_t motifSeed, int startPitch = -1);
    void note(int channel, double beat, double length, int key, int velocity);
    // Copies the notes of one channel between two beats onto another, transposed.
    void doubled(int from, int to, double fromBeat, double toBeat, int transpose, int velocityChange);
    // A drum or timpani roll: notes every `step` beats, swelling from v0 to v1.
    void roll(int channel, double beat, double length, int key, int v0, int v1, double step = 0.125);

    // The chord sounding at a beat of a progression that starts at firstBar.
    static Chord chordAt(const Progression& chords, int firstBar, double beat);

private:
    struct Motif {
        std::vector<std::pair<Rhythm, int>> notes;  // rhythm and step from the anchor
    };
    Motif makeMotif(Random& random, const MelodyStyle& style) const;
    int humanize(int velocity);
    std::vector<int> voicing(const Chord& chord, int low, int high, int voices) const;

    Score& score_;
    Scale scale_;
    Random random_;
    std::vector<int> lastVoicing_[16];
};

}  // namespace assets
