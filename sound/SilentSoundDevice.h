#pragma once
// SilentSoundDevice: the device of a machine without sound output (no sound card, a CI
// container, a failed start). Every call is accepted and does nothing; every id it returns is
// the empty one. Tests derive from it to watch single calls. Depends on: SoundDevice.
#include "sound/SoundDevice.h"

class SilentSoundDevice : public SoundDevice {
public:
    bool isSilent() const override { return true; }

    SampleId loadSample(const std::string&) override { return {}; }
    ChannelId playSample(SampleId, int, EffectPriority) override { return {}; }

    StreamId openStream(const std::string&, bool) override { return {}; }
    ChannelId playStream(StreamId, int) override { return {}; }
    void stopStream(StreamId) override {}
    void closeStream(StreamId) override {}

    void setVolume(ChannelId, int) override {}
    void setPaused(ChannelId, bool) override {}
    bool isActive(ChannelId) override { return false; }

    void update() override {}
};
