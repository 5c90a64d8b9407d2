#pragma once
// LoopbackSound: puts the game's sound system on an OpenAL loopback device for the length of
// one test and renders the real mix into memory, faster than real time. run() plays the game
// loop: every frame first advances the real-time pass (CalculateAlways, which drives the fades)
// with its TimeStep, then SoundSystem::update(), then mixes that frame's sound.
// The mix is float stereo at 44100 Hz, so silence is exactly 0 (no dither); volume, pause and
// stop changes are still smoothed by OpenAL over a few milliseconds, so measure from about
// 30 ms after a change. Sound objects made during the test must not outlive it.
// renderInRealTime() mixes instead as a sound card would, at the pace of the clock, while the
// game's side calls nothing: what plays then is kept up by the device's own refill thread.
// SoundTest is the fixture of the sound tests: a fresh Sound/ folder and a loopback device.
#include "sound/SoundDevice.h"
#include "tests/support/TemporarySoundFolder.h"

#include <AL/alc.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

class LoopbackSound {
public:
    static constexpr int rate = 44100;
    static constexpr double frameTime = 1.0 / 60.0;

    LoopbackSound();
    LoopbackSound(const LoopbackSound&) = delete;
    LoopbackSound& operator=(const LoopbackSound&) = delete;
    ~LoopbackSound();

    // Runs whole frames of `frameSeconds` until at least `seconds` more have been mixed.
    void run(double seconds, double frameSeconds = frameTime);
    // Mixes `seconds` in chunks of `chunkSeconds`, waiting a chunk's time after each, so it
    // never runs ahead of real time (a late wake-up only makes it slower). Nothing else runs:
    // no fades, no SoundSystem::update().
    void renderInRealTime(double seconds, double chunkSeconds);
    // Seconds mixed so far; the time of the next frame.
    double now() const { return static_cast<double>(left_.size()) / rate; }

    // Amplitude of the sine at `frequency` in [from, to) seconds (left channel, or right): its
    // peak value, 1 being full scale. Exact when the window holds whole periods, as windows of
    // a multiple of 0.1 s do for frequencies that are multiples of 10 Hz.
    double toneLevel(double frequency, double from, double to, bool right = false) const;
    // Largest absolute value in [from, to), both channels.
    double peak(double from, double to) const;

    const std::vector<float>& left() const { return left_; }
    const std::vector<float>& right() const { return right_; }

private:
    void render(std::size_t samples);

    ALCdevice* device_ = nullptr;
    std::unique_ptr<SoundDevice> previous_;
    std::vector<float> left_;
    std::vector<float> right_;
    std::vector<float> mix_;  // one interleaved chunk
};

class SoundTest : public ::testing::Test {
protected:
    // The level of a tone of `amplitude` played at a channel volume of 0..255: the channel
    // gets whole steps.
    static double levelAt(double volume, double amplitude = 0.5)
    {
        return amplitude * static_cast<int>(volume + 0.5) / 255.0;
    }
    // The level of `frequency` over the tenth of a second from `from`.
    double tone(double frequency, double from) const { return sound.toneLevel(frequency, from, from + 0.1); }

    TemporarySoundFolder folder;
    LoopbackSound sound;
};
