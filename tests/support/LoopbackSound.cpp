#include "tests/support/LoopbackSound.h"

#define AL_ALEXT_PROTOTYPES
#include <AL/alext.h>

#include "scene/CalculateAlways.h"
#include "sound/OpenAlSoundDevice.h"
#include "sound/SoundSystem.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <thread>

namespace {
std::size_t indexAt(double seconds, std::size_t size)
{
    const auto index = static_cast<std::size_t>(std::llround(std::max(0.0, seconds) * LoopbackSound::rate));
    return std::min(index, size);
}
}  // namespace

LoopbackSound::LoopbackSound()
{
    device_ = alcLoopbackOpenDeviceSOFT(nullptr);
    if (device_ == nullptr) throw std::runtime_error("no OpenAL loopback device");
    const ALCint attributes[] = {
        ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT, ALC_FREQUENCY, rate, 0};
    previous_ = SoundSystem::useDevice(std::make_unique<OpenAlSoundDevice>(device_, attributes));
}

LoopbackSound::~LoopbackSound()
{
    SoundSystem::useDevice(std::move(previous_));
}

void LoopbackSound::run(double seconds, double frameSeconds)
{
    const auto frameSamples = static_cast<std::size_t>(std::llround(frameSeconds * rate));
    const double delta = static_cast<double>(frameSamples) / rate;
    const double end = now() + seconds - 0.5 / rate;
    while (now() < end) {
        CalculateAlways::calculateAll(TimeStep{now() + delta, delta});
        SoundSystem::update();
        render(frameSamples);
    }
}

void LoopbackSound::renderInRealTime(double seconds, double chunkSeconds)
{
    const auto chunkSamples = static_cast<std::size_t>(std::llround(chunkSeconds * rate));
    const auto chunkTime = std::chrono::microseconds(std::llround(1e6 * static_cast<double>(chunkSamples) / rate));
    const double end = now() + seconds - 0.5 / rate;
    while (now() < end) {
        render(chunkSamples);
        std::this_thread::sleep_for(chunkTime);
    }
}

void LoopbackSound::render(std::size_t samples)
{
    mix_.resize(samples * 2);
    alcRenderSamplesSOFT(device_, mix_.data(), static_cast<ALCsizei>(samples));
    for (std::size_t i = 0; i < samples; ++i) {
        left_.push_back(mix_[2 * i]);
        right_.push_back(mix_[2 * i + 1]);
    }
}

double LoopbackSound::toneLevel(double frequency, double from, double to, bool right) const
{
    const std::vector<float>& samples = right ? right_ : left_;
    const std::size_t begin = indexAt(from, samples.size());
    const std::size_t end = indexAt(to, samples.size());
    if (end <= begin) return 0.0;
    double re = 0.0;
    double im = 0.0;
    const double step = 2.0 * std::numbers::pi * frequency / rate;
    for (std::size_t i = begin; i < end; ++i) {
        const double phase = step * static_cast<double>(i - begin);
        re += samples[i] * std::cos(phase);
        im += samples[i] * std::sin(phase);
    }
    return 2.0 * std::hypot(re, im) / static_cast<double>(end - begin);
}

double LoopbackSound::peak(double from, double to) const
{
    double largest = 0.0;
    for (const std::vector<float>* samples : {&left_, &right_}) {
        const std::size_t end = indexAt(to, samples->size());
        for (std::size_t i = indexAt(from, samples->size()); i < end; ++i) {
            largest = std::max(largest, static_cast<double>(std::fabs((*samples)[i])));
        }
    }
    return largest;
}
