#pragma once
// Stereo: two channels of float samples at 44.1 kHz, and the finishing steps every sound
// goes through (peak normalising, fades, loop seams, interleaving for the file writers).
#include <cstddef>
#include <vector>

namespace assets {

struct Stereo {
    static constexpr int rate = 44100;
    std::vector<float> left, right;

    Stereo() = default;
    explicit Stereo(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
    static Stereo ofSeconds(double seconds) { return Stereo(static_cast<size_t>(seconds * rate + 0.5)); }
    size_t frames() const { return left.size(); }
    double seconds() const { return static_cast<double>(frames()) / rate; }

    // Adds `value` to both channels, panned (-1 left .. +1 right, equal power).
    void add(size_t frame, float value, float pan = 0.0f);
    void mixIn(const Stereo& other, size_t at, float gain = 1.0f);

    float peak() const;
    // Scales so that the largest sample is `decibels` below full scale.
    void normalize(double decibels);
    void fadeIn(double seconds);
    void fadeOut(double seconds);
    // Makes the end flow into the start: the last `overlap` seconds are cross-faded into the
    // beginning and cut off, so that playing it in a loop has no seam. With `equalPower` the
    // fade keeps the level of uncorrelated material (noise); without, of correlated
    // material (the same tone in both places).
    void closeLoop(double overlap, bool equalPower);
    // Left and right interleaved, or their mean for one channel.
    std::vector<float> interleaved(int channels) const;
};

}  // namespace assets
