#pragma once
// Stereo: two channels of float samples at 44.1 kHz, and the finishing steps every sound
// goes through (DC removal, peak normalising, fades, loop seams, interleaving for the file
// writers).
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
    // Takes out the DC offset and any wander of it below hearing: a first-order high-pass at
    // 5 Hz (-0.1 dB at 35 Hz, the lowest thump). A loop is filtered round twice, so that the
    // filter enters it in the state it leaves it: the seam stays closed and the mean comes out
    // zero. Its small phase shift tilts flat-topped (clipped) waves, which raises their peaks:
    // use it before a sound is squeezed, not after.
    void removeDc(bool loop);
    // Makes the mean of a sound that ends zero without touching its waveform: the mean is taken
    // out as one raised-cosine bump over the whole sound, which keeps its first and last samples
    // where they were (no step at start or stop).
    void centre();
    // Left and right interleaved, or their mean for one channel.
    std::vector<float> interleaved(int channels) const;
};

}  // namespace assets
