#include "tools/sound/SoundEffects.h"

#include "tools/common/Random.h"
#include "tools/sound/Biquad.h"
#include "tools/sound/Reverb.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assets {

namespace {
constexpr double rate = Stereo::rate;
constexpr double twoPi = 2.0 * std::numbers::pi;

double decay(double t, double tau) { return t < 0.0 ? 0.0 : std::exp(-t / tau); }
double rise(double t, double seconds) { return std::clamp(t / seconds, 0.0, 1.0); }

// Gentle saturation: denser explosions without hard clipping.
float saturate(float x, float drive) { return static_cast<float>(std::tanh(x * drive) / std::tanh(drive)); }

// Without its slow wander first: the deep rumble's noise reaches below hearing, and an offset
// there would tip the curve to one side, clipping one half of the wave early and, once the offset
// is gone, leaving the other half short of the ceiling: headroom lost for nothing audible.
void saturate(Stereo& s, float drive)
{
    s.removeDc(false);
    for (size_t i = 0; i < s.frames(); ++i) {
        s.left[i] = saturate(s.left[i], drive);
        s.right[i] = saturate(s.right[i], drive);
    }
}

// The last steps of every effect: no click at the end, no DC offset (which costs headroom and
// thumps where the sound starts and stops), and its level.
void finishOneShot(Stereo& s, double fadeSeconds, double headroomDb)
{
    s.fadeOut(fadeSeconds);
    s.centre();
    s.normalize(headroomDb);
}

void finishLoop(Stereo& s, double headroomDb)
{
    s.removeDc(true);
    s.normalize(headroomDb);
}

// One blast of filtered noise with a falling cutoff and a sub-bass thump, the core of every
// explosion; `size` scales its length and weight.
void blast(Stereo& out, double start, double size, unsigned seed, double gain)
{
    Random random(seed);
    Biquad lowL, lowR, bodyL, bodyR;
    double phase = 0.0;
    double brownL = 0.0, brownR = 0.0;
    const size_t first = static_cast<size_t>(start * rate);
    // Long enough for every layer to have died away, and faded over its last third anyway,
    // so that a blast never stops with a click.
    const double length = 1.5 + 5.0 * size;
    for (size_t i = 0; first + i < out.frames() && i < static_cast<size_t>(length * rate); ++i) {
        const double t = i / rate;
        const double tail = std::min(1.0, (length - t) / (length / 3.0));
        if (i % 32 == 0) {
            const double cutoff = 180.0 + (3500.0 + 3000.0 * size) * decay(t, 0.12 + 0.25 * size);
            lowL.set(Biquad::Type::LowPass, cutoff, 0.9);
            lowR.set(Biquad::Type::LowPass, cutoff * 1.07, 0.9);
            bodyL.set(Biquad::Type::LowPass, 160.0 + 60.0 * decay(t, 0.3), 0.7);
            bodyR.set(Biquad::Type::LowPass, 170.0 + 60.0 * decay(t, 0.3), 0.7);
        }
        const double envelope = rise(t, 0.004) * (0.65 * decay(t, 0.10 + 0.30 * size) + 0.35 * decay(t, 0.4 + 0.9 * size));
        const float nl = lowL.process(static_cast<float>(random.uniform(-1, 1)));
        const float nr = lowR.process(static_cast<float>(random.uniform(-1, 1)));
        brownL = brownL * 0.995 + random.uniform(-1, 1) * 0.1;
        brownR = brownR * 0.995 + random.uniform(-1, 1) * 0.1;
        const double rumble = decay(t, 0.5 + 1.1 * size) * rise(t, 0.02);
        const float rl = bodyL.process(static_cast<float>(brownL)), rr = bodyR.process(static_cast<float>(brownR));
        // Thump: a sine falling from about 90 to 35 Hz.
        phase += twoPi * (35.0 + 60.0 * decay(t, 0.08 + 0.1 * size)) / rate;
        const double thump = std::sin(phase) * rise(t, 0.003) * decay(t, 0.12 + 0.2 * size);
        // Rumble and thump are felt more than heard; the filtered noise carries the blast on
        // small speakers, so it leads.
        out.left[first + i] += static_cast<float>(gain * tail * (1.3 * nl * envelope + 1.2 * rl * rumble + 0.6 * thump));
        out.right[first + i] += static_cast<float>(gain * tail * (1.3 * nr * envelope + 1.2 * rr * rumble + 0.6 * thump));
    }
}

// The sharp crack at the very start of a blast.
void crack(Stereo& out, double start, unsigned seed, double gain)
{
    Random random(seed);
    Biquad high(Biquad::Type::HighPass, 900.0, 0.7);
    const size_t first = static_cast<size_t>(start * rate);
    for (size_t i = 0; i < static_cast<size_t>(0.05 * rate); ++i) {
        const double t = i / rate;
        const float v = high.process(static_cast<float>(random.uniform(-1, 1))) * static_cast<float>(gain * decay(t, 0.008));
        out.add(first + i, v, static_cast<float>(random.uniform(-0.3, 0.3)));
    }
}

// Fragments flying: short, bright clicks thinning out over time, scattered across the field.
void debris(Stereo& out, double start, double spread, int count, unsigned seed, double gain, double brightness)
{
    Random random(seed);
    for (int k = 0; k < count; ++k) {
        // Exponentially thinning arrivals, redrawn rather than clamped so none pile up.
        double delay = -spread * std::log(1.0 - random.uniform() * 0.999);
        while (delay > spread * 3.0) delay = -spread * std::log(1.0 - random.uniform() * 0.999);
        const double when = start + delay;
        const double frequency = (700.0 + random.uniform() * 3500.0) * brightness;
        Biquad band(Biquad::Type::BandPass, frequency, 2.0 + random.uniform() * 4.0);
        const double level = gain * random.uniform(0.2, 1.0) * decay(when - start, spread * 1.3);
        const float pan = static_cast<float>(random.uniform(-0.9, 0.9));
        const double tau = 0.002 + random.uniform() * 0.01;
        const size_t first = static_cast<size_t>(when * rate);
        for (size_t i = 0; i < static_cast<size_t>(tau * 6 * rate); ++i) {
            const float v = band.process(static_cast<float>(random.uniform(-1, 1))) * static_cast<float>(level * decay(i / rate, tau) * 4.0);
            out.add(first + i, v, pan);
        }
    }
}

// A struck metal plate: damped partials at the ratios of a free bar.
void clang(Stereo& out, double start, double fundamental, double tau, double gain, float pan)
{
    const double ratios[] = {1.0, 2.76, 5.40, 8.93, 13.34};
    const size_t first = static_cast<size_t>(start * rate);
    for (size_t i = 0; i < static_cast<size_t>(tau * 6 * rate); ++i) {
        const double t = i / rate;
        double v = 0.0;
        for (int k = 0; k < 5; ++k)
            v += std::sin(twoPi * fundamental * ratios[k] * t + k) * decay(t, tau / (1.0 + 0.6 * k)) / (1.0 + k);
        out.add(first + i, static_cast<float>(gain * v * rise(t, 0.001)), pan);
    }
}

// Filtered noise that repeats seamlessly over `seconds`.
Stereo loopedNoise(double seconds, unsigned seed, Biquad::Type type, double frequency, double q, double brownLeak)
{
    const double overlap = 0.25;
    Stereo s = Stereo::ofSeconds(seconds + overlap);
    Random random(seed);
    Biquad fl(type, frequency, q), fr(type, frequency * 1.03, q);
    double bl = 0.0, br = 0.0;
    for (size_t i = 0; i < s.frames(); ++i) {
        double l = random.uniform(-1, 1), r = random.uniform(-1, 1);
        if (brownLeak > 0.0) {
            bl = bl * brownLeak + l * 0.1;
            br = br * brownLeak + r * 0.1;
            l = bl;
            r = br;
        }
        s.left[i] = fl.process(static_cast<float>(l));
        s.right[i] = fr.process(static_cast<float>(r));
    }
    // Drop the filter's start-up so the loop does not begin with a swell.
    s.closeLoop(overlap, true);
    return s;
}
}  // namespace

Stereo SoundEffects::asteroidExplosion()
{
    Stereo s = Stereo::ofSeconds(2.6);
    crack(s, 0.0, 11, 0.8);
    blast(s, 0.0, 0.45, 12, 1.0);
    debris(s, 0.02, 0.35, 60, 13, 0.35, 1.0);
    Reverb::apply(s, 0.55, 0.5, 0.25);
    saturate(s, 1.6f);
    finishOneShot(s, 0.4, 1.2);
    return s;
}

Stereo SoundEffects::shipExplosion()
{
    Stereo s = Stereo::ofSeconds(5.0);
    crack(s, 0.0, 21, 1.0);
    blast(s, 0.0, 1.0, 22, 1.0);
    // Secondary detonations as the fuel and the rockets go up.
    blast(s, 0.38, 0.45, 23, 0.55);
    crack(s, 0.38, 24, 0.4);
    blast(s, 0.95, 0.6, 25, 0.5);
    blast(s, 1.6, 0.3, 26, 0.3);
    debris(s, 0.03, 0.7, 140, 27, 0.35, 0.8);
    clang(s, 0.42, 190.0, 0.5, 0.10, -0.4f);
    clang(s, 1.05, 260.0, 0.4, 0.07, 0.5f);
    Reverb::apply(s, 0.8, 0.45, 0.35);
    saturate(s, 2.0f);
    finishOneShot(s, 1.0, 1.2);
    return s;
}

Stereo SoundEffects::shipHit()
{
    Stereo s = Stereo::ofSeconds(1.3);
    Random random(31);
    Biquad crunchL(Biquad::Type::BandPass, 900.0, 0.8), crunchR(Biquad::Type::BandPass, 1000.0, 0.8);
    double phase = 0.0;
    for (size_t i = 0; i < s.frames(); ++i) {
        const double t = i / rate;
        // The hull's thud, then the crunch of rock on metal.
        phase += twoPi * (45.0 + 70.0 * decay(t, 0.05)) / rate;
        const double thud = std::sin(phase) * rise(t, 0.002) * decay(t, 0.14);
        const double grain = random.uniform(-1, 1) * (random.chance(0.3) ? 1.0 : 0.3);
        const double crunch = decay(t, 0.07) * rise(t, 0.002);
        s.left[i] += static_cast<float>(0.9 * thud + 0.8 * crunch * crunchL.process(static_cast<float>(grain)));
        s.right[i] += static_cast<float>(0.9 * thud + 0.8 * crunch * crunchR.process(static_cast<float>(random.uniform(-1, 1))));
    }
    clang(s, 0.004, 320.0, 0.20, 0.30, -0.15f);
    clang(s, 0.012, 447.0, 0.15, 0.18, 0.2f);
    debris(s, 0.01, 0.12, 25, 32, 0.25, 1.2);
    Reverb::apply(s, 0.45, 0.4, 0.2);
    saturate(s, 1.5f);
    finishOneShot(s, 0.3, 1.2);
    return s;
}

Stereo SoundEffects::laserLoop()
{
    // Every tone has a whole number of cycles in the loop's two seconds, so the loop is
    // seamless for them by construction; only the crackle needs a cross-fade.
    constexpr double seconds = 2.0;
    Stereo s = Stereo::ofSeconds(seconds);
    const double hum = 110.0;
    for (size_t i = 0; i < s.frames(); ++i) {
        const double t = i / rate;
        double l = 0.0, r = 0.0;
        for (int n = 1; n <= 14; ++n) {
            const double a = 1.0 / std::pow(n, 1.1) * (n % 2 ? 1.0 : 0.6);
            l += a * std::sin(twoPi * hum * n * t + 0.3 * n);
            r += a * std::sin(twoPi * hum * n * t + 0.3 * n + 0.15 * n);
        }
        const double throb = 0.78 + 0.22 * std::sin(twoPi * 8.0 * t);
        // A singing edge above the hum, wavering four times a second.
        const double whine = 0.18 * std::sin(twoPi * 1760.0 * t + 2.5 * std::sin(twoPi * 4.0 * t));
        const double beat = 0.12 * std::sin(twoPi * 880.5 * t);
        s.left[i] = static_cast<float>(0.25 * l * throb + whine + beat);
        s.right[i] = static_cast<float>(0.25 * r * throb + whine * 0.9 + beat);
    }
    Stereo crackle = loopedNoise(seconds, 41, Biquad::Type::BandPass, 3200.0, 0.9, 0.0);
    Random random(42);
    // Sparse sparks in the crackle: the same pattern in both channels, periodic in the loop.
    std::vector<float> sparks(crackle.frames(), 0.0f);
    for (int k = 0; k < 60; ++k) {
        const size_t at = static_cast<size_t>(random.uniform() * crackle.frames());
        const double level = random.uniform(0.3, 1.0);
        for (size_t j = 0; j < 800; ++j) sparks[(at + j) % sparks.size()] += static_cast<float>(level * decay(j / rate, 0.004));
    }
    for (size_t i = 0; i < s.frames(); ++i) {
        const float g = 0.12f + 0.9f * sparks[i];
        s.left[i] += crackle.left[i] * g;
        s.right[i] += crackle.right[i] * g;
    }
    finishLoop(s, 2.0);
    return s;
}

Stereo SoundEffects::laserHit()
{
    Stereo s = Stereo::ofSeconds(0.75);
    Random random(51);
    Biquad highL(Biquad::Type::HighPass, 2500.0, 0.7), highR(Biquad::Type::HighPass, 2600.0, 0.7);
    Biquad burn(Biquad::Type::LowPass, 500.0, 0.8);
    double phase = 0.0, grainL = 0.0, grainR = 0.0;
    for (size_t i = 0; i < s.frames(); ++i) {
        const double t = i / rate;
        // Spitting sizzle: noise gated by random grains.
        if (i % 64 == 0) {
            grainL = random.chance(0.45) ? random.uniform(0.4, 1.0) : 0.1;
            grainR = random.chance(0.45) ? random.uniform(0.4, 1.0) : 0.1;
        }
        const double sizzle = rise(t, 0.003) * decay(t, 0.22);
        phase += twoPi * (650.0 + 1300.0 * decay(t, 0.09)) / rate;
        const double tone = 0.28 * std::sin(phase) * decay(t, 0.12);
        const double low = burn.process(static_cast<float>(random.uniform(-1, 1))) * decay(t, 0.18) * 1.4;
        s.left[i] = static_cast<float>(highL.process(static_cast<float>(random.uniform(-1, 1))) * grainL * sizzle + tone + low);
        s.right[i] = static_cast<float>(highR.process(static_cast<float>(random.uniform(-1, 1))) * grainR * sizzle + tone + low);
    }
    Reverb::apply(s, 0.3, 0.5, 0.15);
    finishOneShot(s, 0.15, 2.0);
    return s;
}

Stereo SoundEffects::rocketLaunch()
{
    Stereo s = Stereo::ofSeconds(1.8);
    Random random(61);
    Biquad bandL, bandR, rumble(Biquad::Type::LowPass, 140.0, 0.7);
    Biquad topL(Biquad::Type::LowPass, 9000.0, 0.7), topR(Biquad::Type::LowPass, 9000.0, 0.7);
    double phase = 0.0, brown = 0.0;
    for (size_t i = 0; i < s.frames(); ++i) {
        const double t = i / rate;
        // The roar brightens as the motor lights, then drops in pitch as the rocket leaves.
        const double centre = (500.0 + 2200.0 * rise(t, 0.22)) * (1.0 - 0.55 * rise(t - 0.35, 1.1));
        if (i % 32 == 0) {
            bandL.set(Biquad::Type::BandPass, centre, 1.1);
            bandR.set(Biquad::Type::BandPass, centre * 1.05, 1.1);
        }
        const double roar = rise(t, 0.03) * (t < 0.35 ? 1.0 : decay(t - 0.35, 0.42));
        brown = brown * 0.996 + random.uniform(-1, 1) * 0.1;
        const double low = rumble.process(static_cast<float>(brown)) * 2.5 * rise(t, 0.01) * decay(t, 0.35);
        phase += twoPi * (220.0 + 380.0 * rise(t, 0.25) - 180.0 * rise(t - 0.4, 1.0)) / rate;
        const double whistle = 0.10 * std::sin(phase) * roar;
        const double ignition = random.uniform(-1, 1) * decay(t, 0.012) * 0.8;
        s.left[i] = topL.process(static_cast<float>(bandL.process(static_cast<float>(random.uniform(-1, 1))) * roar * 1.6 + low + whistle + ignition));
        s.right[i] = topR.process(static_cast<float>(bandR.process(static_cast<float>(random.uniform(-1, 1))) * roar * 1.6 + low + whistle + ignition));
    }
    Reverb::apply(s, 0.5, 0.5, 0.2);
    saturate(s, 1.3f);
    finishOneShot(s, 0.5, 1.5);
    return s;
}

Stereo SoundEffects::rocketDenied()
{
    Stereo s = Stereo::ofSeconds(0.30);
    Biquad soften(Biquad::Type::LowPass, 1500.0, 0.7);
    // Two short, falling buzzes: the universal "no".
    const struct {
        double start, length, pitch;
    } beeps[] = {{0.0, 0.095, 175.0}, {0.13, 0.13, 131.0}};
    for (size_t i = 0; i < s.frames(); ++i) {
        const double t = i / rate;
        double v = 0.0;
        for (const auto& b : beeps) {
            const double local = t - b.start;
            if (local < 0.0 || local > b.length) continue;
            const double envelope = rise(local, 0.004) * std::min(1.0, (b.length - local) / 0.012);
            const double square = std::sin(twoPi * b.pitch * local) >= 0.0 ? 1.0 : -1.0;
            const double square2 = std::sin(twoPi * b.pitch * 1.012 * local) >= 0.0 ? 1.0 : -1.0;
            v += envelope * 0.5 * (square + square2);
        }
        const float out = soften.process(static_cast<float>(v));
        s.left[i] = s.right[i] = out;
    }
    finishOneShot(s, 0.02, 4.0);
    return s;
}

Stereo SoundEffects::gunShot()
{
    // Heard ten times a second: short, round and low, a soft "thup" with a touch of zap
    // rather than a bright crack that would tire the ear.
    Stereo s = Stereo::ofSeconds(0.11);
    Random random(71);
    Biquad click(Biquad::Type::BandPass, 2600.0, 0.9), soften(Biquad::Type::LowPass, 5000.0, 0.7);
    double body = 0.0, zap = 0.0;
    for (size_t i = 0; i < s.frames(); ++i) {
        const double t = i / rate;
        body += twoPi * (95.0 + 240.0 * decay(t, 0.016)) / rate;
        zap += twoPi * (480.0 + 1000.0 * decay(t, 0.011)) / rate;
        const double v = std::sin(body) * rise(t, 0.0015) * decay(t, 0.030) +
                         0.22 * (std::sin(zap) + 0.25 * std::sin(3.0 * zap)) * decay(t, 0.018) +
                         0.35 * click.process(static_cast<float>(random.uniform(-1, 1))) * decay(t, 0.0025);
        s.left[i] = s.right[i] = soften.process(static_cast<float>(v));
    }
    finishOneShot(s, 0.02, 3.0);
    return s;
}

Stereo SoundEffects::engineLoop()
{
    constexpr double seconds = 2.0;
    Stereo s = loopedNoise(seconds, 81, Biquad::Type::LowPass, 170.0, 0.8, 0.996);
    Stereo air = loopedNoise(seconds, 82, Biquad::Type::BandPass, 1100.0, 0.6, 0.0);
    {
        float p = std::max(s.peak(), 1e-6f);
        for (size_t i = 0; i < s.frames(); ++i) s.left[i] /= p, s.right[i] /= p;
        p = std::max(air.peak(), 1e-6f);
        for (size_t i = 0; i < air.frames(); ++i) air.left[i] /= p, air.right[i] /= p;
    }
    for (size_t i = 0; i < s.frames(); ++i) {
        const double t = i / rate;
        // Tones with whole cycles in two seconds: hum, its harmonics, a turbine whine.
        const double pulse = 0.85 + 0.15 * std::sin(twoPi * 3.0 * t);
        // The upper harmonics and the whine let small speakers, which drop the deep hum,
        // still carry the engine.
        const double hum = (std::sin(twoPi * 55.0 * t) + 0.5 * std::sin(twoPi * 110.0 * t + 0.4) +
                            0.3 * std::sin(twoPi * 165.0 * t + 1.1) + 0.22 * std::sin(twoPi * 220.0 * t + 2.0) +
                            0.12 * std::sin(twoPi * 330.0 * t + 0.7)) * pulse;
        const double whine = 0.07 * std::sin(twoPi * 1320.0 * t) * (0.7 + 0.3 * std::sin(twoPi * 0.5 * t)) +
                             0.035 * std::sin(twoPi * 1980.5 * t);
        s.left[i] = static_cast<float>(0.5 * s.left[i] + 0.35 * hum + whine + 0.14 * air.left[i]);
        s.right[i] = static_cast<float>(0.5 * s.right[i] + 0.35 * hum + whine * 0.9 + 0.14 * air.right[i]);
    }
    finishLoop(s, 3.0);
    return s;
}

Stereo SoundEffects::menuSelect()
{
    Stereo s = Stereo::ofSeconds(0.16);
    double phase = 0.0;
    for (size_t i = 0; i < s.frames(); ++i) {
        const double t = i / rate;
        // A glassy blip that steps up a fifth.
        const double f = t < 0.035 ? 1046.5 : 1046.5 + (1568.0 - 1046.5) * rise(t - 0.035, 0.008);
        phase += twoPi * f / rate;
        const double v = (std::sin(phase) + 0.18 * std::sin(2.0 * phase) + 0.06 * std::sin(3.0 * phase)) * rise(t, 0.002) *
                         decay(t, 0.05);
        s.left[i] = s.right[i] = static_cast<float>(v);
    }
    Reverb::apply(s, 0.3, 0.6, 0.12);
    finishOneShot(s, 0.03, 6.0);
    return s;
}

}  // namespace assets
