#pragma once
// Biquad: a second-order filter (the usual audio cookbook forms) at 44.1 kHz, in direct form
// II transposed with double state. Coefficients may be changed between samples for sweeps;
// keep the Q moderate (under about 10) while sweeping fast, or it rings.
#include <algorithm>
#include <cmath>
#include <numbers>

namespace assets {

class Biquad {
public:
    enum class Type { LowPass, HighPass, BandPass, Peak };

    Biquad() = default;
    Biquad(Type type, double frequency, double q, double gainDb = 0.0) { set(type, frequency, q, gainDb); }

    void set(Type type, double frequency, double q, double gainDb = 0.0)
    {
        constexpr double rate = 44100.0;
        frequency = std::clamp(frequency, 10.0, rate * 0.45);
        const double w = 2.0 * std::numbers::pi * frequency / rate;
        const double cw = std::cos(w), sw = std::sin(w), alpha = sw / (2.0 * q);
        const double a = std::pow(10.0, gainDb / 40.0);
        double b0 = 0, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
        switch (type) {
        case Type::LowPass:
            b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2, a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
            break;
        case Type::HighPass:
            b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2, a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
            break;
        case Type::BandPass:  // peak gain 1
            b0 = alpha, b1 = 0, b2 = -alpha, a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
            break;
        case Type::Peak:
            b0 = 1 + alpha * a, b1 = -2 * cw, b2 = 1 - alpha * a, a0 = 1 + alpha / a, a1 = -2 * cw, a2 = 1 - alpha / a;
            break;
        }
        b0_ = b0 / a0, b1_ = b1 / a0, b2_ = b2 / a0, a1_ = a1 / a0, a2_ = a2 / a0;
    }

    float process(float x)
    {
        const double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b2_ * x - a2_ * y;
        return static_cast<float>(y);
    }

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double z1_ = 0, z2_ = 0;
};

}  // namespace assets
