#pragma once
// SoundStats: measurements of a sound file read through libsndfile (WAV or MP3): length,
// peak and RMS level, and how smoothly its end joins its start when it is looped. The seam is
// judged against the sound itself: the step across the wrap compared with the largest steps
// between neighbouring samples elsewhere, and the level just before the end compared with
// the level just after the start.
#include <string>
#include <vector>

namespace assets {

struct SoundStats {
    bool readable = false;
    std::string error;
    int channels = 0, rate = 0;
    long frames = 0;
    double seconds = 0.0;
    double peakDb = -200.0, rmsDb = -200.0;
    double seamStep = 0.0;          // largest |last - first| over the channels, full scale 1
    double typicalStep = 0.0;       // 99.9th percentile of |x[i+1] - x[i]|
    double seamLevelRatioDb = 0.0;  // RMS of the last 20 ms over the first 20 ms

    // Samples, interleaved, as floats in [-1, 1].
    std::vector<float> samples;

    static SoundStats of(const std::string& path);
};

}  // namespace assets
