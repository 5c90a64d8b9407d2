#pragma once
// Scale: a key as a tonic and its steps, with scale degrees that run on past the octave in
// both directions (degree 7 of a seven-note scale is the tonic an octave up).
#include <vector>

namespace assets {

class Scale {
public:
    static Scale minor(int tonicPitch) { return Scale(tonicPitch, {0, 2, 3, 5, 7, 8, 10}); }
    static Scale major(int tonicPitch) { return Scale(tonicPitch, {0, 2, 4, 5, 7, 9, 11}); }
    static Scale dorian(int tonicPitch) { return Scale(tonicPitch, {0, 2, 3, 5, 7, 9, 10}); }

    Scale(int tonicPitch, std::vector<int> steps) : tonic_(tonicPitch), steps_(std::move(steps)) {}

    // MIDI pitch of a degree; degree 0 is the tonic pitch given to the constructor.
    int pitch(int degree) const
    {
        const int n = static_cast<int>(steps_.size());
        const int octave = degree >= 0 ? degree / n : -((-degree + n - 1) / n);
        return tonic_ + 12 * octave + steps_[degree - octave * n];
    }
    // The highest degree whose pitch is at or below `pitch`.
    int degreeAtOrBelow(int midi) const
    {
        int d = (midi - tonic_) * static_cast<int>(steps_.size()) / 12 + 2;
        while (pitch(d) > midi) --d;
        return d;
    }
    bool contains(int midi) const { return pitch(degreeAtOrBelow(midi)) == midi; }

private:
    int tonic_;
    std::vector<int> steps_;
};

}  // namespace assets
