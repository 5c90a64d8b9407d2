#pragma once
// Score: what the composer writes and the renderer plays: notes in beats on sixteen MIDI
// channels (channel 9 is percussion, as in General MIDI), each channel's instrument and mix
// settings, the tempo and the length. A looping score's notes all end by its length; the
// renderer folds the release and reverb tails back onto the start.
#include <algorithm>
#include <array>
#include <vector>

namespace assets {

struct ScoreNote {
    double beat, length;
    int channel, key, velocity;
};

struct ScoreChannel {
    bool used = false;
    int bank = 0, program = 0;
    int volume = 100, pan = 64, reverb = 40, chorus = 0;
};

struct Score {
    double bpm = 120.0;
    double beats = 0.0;     // length; the loop point for looping pieces
    bool loop = true;
    double tail = 4.0;      // seconds rendered after the last beat for releases and reverb
    double reverbRoom = 0.6, reverbLevel = 0.55;
    std::array<ScoreChannel, 16> channels{};
    std::vector<ScoreNote> notes;

    void instrument(int channel, int program, int volume, int pan = 64, int reverb = 40, int chorus = 0, int bank = 0)
    {
        channels[channel] = ScoreChannel{true, bank, program, volume, pan, reverb, chorus};
    }
    void add(int channel, double beat, double length, int key, int velocity)
    {
        if (velocity <= 0 || key < 0 || key > 127 || length <= 0.0) return;
        notes.push_back({beat, length, channel, key, velocity > 127 ? 127 : velocity});
    }
    double seconds(double beat) const { return beat * 60.0 / bpm; }
    // Shortens notes that would ring past the loop point (a harp let ring, say): the loop's
    // own start plays them again.
    void trimToLength()
    {
        for (ScoreNote& n : notes) n.length = std::min(n.length, beats - n.beat);
        std::erase_if(notes, [](const ScoreNote& n) { return n.length <= 0.0; });
    }
};

}  // namespace assets
