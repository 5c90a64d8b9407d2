#include "tools/music/FluidRenderer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace assets {

namespace {
struct Event {
    long frame;
    bool on;
    int channel, key, velocity;
    bool operator<(const Event& o) const
    {
        // At the same instant a note ends before the next one starts, so repeated notes sound.
        return std::tie(frame, on, channel, key) < std::tie(o.frame, o.on, o.channel, o.key);
    }
};

struct SettingsDeleter {
    void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
};
}  // namespace

Stereo FluidRenderer::render(const Score& score, const std::string& soundFont)
{
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
    fluid_settings_t* s = settings.get();
    fluid_settings_setnum(s, "synth.sample-rate", Stereo::rate);
    fluid_settings_setnum(s, "synth.gain", 0.5);
    fluid_settings_setint(s, "synth.polyphony", 256);
    fluid_settings_setint(s, "synth.cpu-cores", 1);
    // Only the instruments a piece uses are read from the 148 MB font.
    fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(s, "synth.reverb.active", 1);
    fluid_settings_setint(s, "synth.chorus.active", 1);
    fluid_settings_setnum(s, "synth.reverb.room-size", score.reverbRoom);
    fluid_settings_setnum(s, "synth.reverb.damp", 0.35);
    fluid_settings_setnum(s, "synth.reverb.width", 0.9);
    fluid_settings_setnum(s, "synth.reverb.level", score.reverbLevel);
    std::unique_ptr<fluid_synth_t, SynthDeleter> synthHolder(new_fluid_synth(s));
    fluid_synth_t* synth = synthHolder.get();
    if (synth == nullptr) throw std::runtime_error("cannot start FluidSynth");
    const int font = fluid_synth_sfload(synth, soundFont.c_str(), 1);
    if (font == FLUID_FAILED) throw std::runtime_error("cannot load sound font " + soundFont);

    for (int ch = 0; ch < 16; ++ch) {
        const ScoreChannel& c = score.channels[ch];
        if (!c.used) continue;
        const int bank = ch == 9 && c.bank == 0 ? 128 : c.bank;
        if (fluid_synth_program_select(synth, ch, font, bank, c.program) != FLUID_OK)
            throw std::runtime_error("instrument missing from the sound font");
        fluid_synth_cc(synth, ch, 7, c.volume);
        fluid_synth_cc(synth, ch, 10, c.pan);
        fluid_synth_cc(synth, ch, 91, c.reverb);
        fluid_synth_cc(synth, ch, 93, c.chorus);
    }

    const long loopFrames = std::lround(score.seconds(score.beats) * Stereo::rate);
    const long totalFrames = loopFrames + std::lround(score.tail * Stereo::rate);
    std::vector<Event> events;
    for (const ScoreNote& n : score.notes) {
        long start = std::lround(score.seconds(n.beat) * Stereo::rate);
        long end = std::lround(score.seconds(n.beat + n.length) * Stereo::rate);
        if (score.loop) end = std::min(end, loopFrames);  // nothing may hang over the loop point
        if (start >= end) continue;
        events.push_back({start, true, n.channel, n.key, n.velocity});
        events.push_back({end, false, n.channel, n.key, 0});
    }
    std::sort(events.begin(), events.end());

    Stereo out(static_cast<size_t>(totalFrames));
    long position = 0;
    auto renderTo = [&](long frame) {
        while (position < frame) {
            const int n = static_cast<int>(std::min<long>(frame - position, 4096));
            fluid_synth_write_float(synth, n, out.left.data() + position, 0, 1, out.right.data() + position, 0, 1);
            position += n;
        }
    };
    for (const Event& e : events) {
        renderTo(e.frame);
        if (e.on)
            fluid_synth_noteon(synth, e.channel, e.key, e.velocity);
        else
            fluid_synth_noteoff(synth, e.channel, e.key);
    }
    renderTo(totalFrames);

    if (!score.loop) return out;
    Stereo loop(static_cast<size_t>(loopFrames));
    for (long i = 0; i < loopFrames; ++i) {
        loop.left[i] = out.left[i];
        loop.right[i] = out.right[i];
    }
    for (long i = loopFrames; i < totalFrames; ++i) {
        // Tails may be longer than the loop itself in a very short piece: keep wrapping.
        loop.left[(i - loopFrames) % loopFrames] += out.left[i];
        loop.right[(i - loopFrames) % loopFrames] += out.right[i];
    }
    return loop;
}

}  // namespace assets
