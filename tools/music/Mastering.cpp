#include "tools/music/Mastering.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assets {

namespace {
constexpr double lookAheadSeconds = 0.004;
constexpr double releaseSeconds = 0.12;

// Minimum of v[i .. i + w - 1] for every i (van Herk / Gil-Werman: two sweeps per block).
std::vector<double> slidingMinimum(const std::vector<double>& v, size_t w)
{
    const size_t n = v.size();
    std::vector<double> prefix(n), suffix(n), out(n >= w ? n - w + 1 : 0);
    for (size_t i = 0; i < n; ++i) prefix[i] = (i % w == 0) ? v[i] : std::min(prefix[i - 1], v[i]);
    for (size_t i = n; i-- > 0;) suffix[i] = (i + 1 == n || (i + 1) % w == 0) ? v[i] : std::min(suffix[i + 1], v[i]);
    for (size_t i = 0; i < out.size(); ++i) out[i] = std::min(suffix[i], prefix[i + w - 1]);
    return out;
}
}  // namespace

void Mastering::master(Stereo& sound, double gainDb, double ceilingDb, bool loop)
{
    const size_t n = sound.frames();
    if (n == 0) return;
    // First, so that the level is set on the sound as it will be heard.
    sound.removeDc(loop);
    sound.normalize(0.0);
    const float gain = static_cast<float>(std::pow(10.0, gainDb / 20.0));
    const double ceiling = std::pow(10.0, -ceilingDb / 20.0);
    for (size_t i = 0; i < n; ++i) {
        sound.left[i] *= gain;
        sound.right[i] *= gain;
    }
    const size_t w = std::max<size_t>(1, static_cast<size_t>(lookAheadSeconds * Stereo::rate));
    // A loop is processed twice round (so the gain at its start continues from its end);
    // a piece that ends is padded with silence.
    const size_t rounds = loop ? 2 : 1;
    std::vector<double> allowed(rounds * n + 2 * w, 1.0);
    for (size_t i = 0; i < allowed.size(); ++i) {
        if (!loop && i >= n) break;
        const size_t k = i % n;
        const double peak = std::max(std::abs(sound.left[k]), std::abs(sound.right[k]));
        allowed[i] = peak > ceiling ? ceiling / peak : 1.0;
    }
    // Minimum over the coming window, then a box average of that over the past window:
    // smooth, and never above the allowed gain at a peak, since every window averaged
    // there contains the peak.
    const std::vector<double> ahead = slidingMinimum(allowed, w + 1);
    const double release = std::exp(-1.0 / (releaseSeconds * Stereo::rate));
    double g = 1.0, sum = 0.0;
    for (size_t i = 0; i < rounds * n; ++i) {
        sum += ahead[i];
        if (i >= w) sum -= ahead[i - w];
        const double target = sum / static_cast<double>(std::min(i + 1, w));
        // Instant attack (the look-ahead has ramped it already), slow release.
        g = target < g ? target : target + (g - target) * release;
        if (i + n >= rounds * n) {
            const size_t k = i % n;
            sound.left[k] = static_cast<float>(sound.left[k] * g);
            sound.right[k] = static_cast<float>(sound.right[k] * g);
        }
    }
    // Whatever the limiter let through is caught by a final normalisation.
    if (sound.peak() > ceiling) sound.normalize(ceilingDb);
}

}  // namespace assets
