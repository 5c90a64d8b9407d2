#include "tools/music/PianoRoll.h"

#include <algorithm>
#include <cmath>

namespace assets {

Image PianoRoll::draw(const Score& score, int pixelsPerBeat, int pixelsPerKey)
{
    int low = 127, high = 0;
    for (const ScoreNote& n : score.notes)
        if (n.channel != 9) low = std::min(low, n.key), high = std::max(high, n.key);
    low = std::max(0, low - 2);
    high = std::min(127, high + 2);
    const int drumRows = 12;
    const int width = static_cast<int>(std::ceil(score.beats)) * pixelsPerBeat + 1;
    const int height = (high - low + 1) * pixelsPerKey + drumRows * 3 + 4;
    Image image(width, height, Rgb{0.06f, 0.06f, 0.08f});
    for (int key = low; key <= high; ++key) {
        if (key % 12 != 0) continue;
        const int y = (high - key) * pixelsPerKey + pixelsPerKey - 1;
        for (int x = 0; x < width; ++x) image.at(x, y) = Rgb{0.16f, 0.16f, 0.2f};
    }
    for (int beat = 0; beat <= score.beats; beat += 4)
        for (int y = 0; y < height; ++y) image.at(std::min(width - 1, beat * pixelsPerBeat), y) = Rgb{0.22f, 0.22f, 0.28f};
    const Rgb colours[16] = {{1.0f, 0.85f, 0.2f}, {0.3f, 0.8f, 1.0f},  {1.0f, 0.4f, 0.3f},  {0.4f, 1.0f, 0.5f},
                             {0.8f, 0.5f, 1.0f},  {1.0f, 0.6f, 0.9f},  {0.6f, 0.6f, 0.6f},  {1.0f, 1.0f, 1.0f},
                             {0.9f, 0.7f, 0.5f},  {0.7f, 0.7f, 0.7f},  {0.5f, 0.9f, 0.9f},  {0.9f, 0.9f, 0.5f},
                             {0.5f, 0.5f, 1.0f},  {1.0f, 0.5f, 0.5f},  {0.5f, 1.0f, 0.5f},  {0.9f, 0.9f, 0.9f}};
    for (const ScoreNote& n : score.notes) {
        const int x0 = static_cast<int>(n.beat * pixelsPerBeat);
        const int x1 = std::max(x0 + 1, static_cast<int>((n.beat + n.length) * pixelsPerBeat) - 1);
        int y0, y1;
        if (n.channel == 9) {
            y0 = (high - low + 1) * pixelsPerKey + 4 + (n.key % drumRows) * 3;
            y1 = y0 + 2;
        } else {
            y0 = (high - n.key) * pixelsPerKey;
            y1 = y0 + pixelsPerKey - 1;
        }
        const float level = 0.4f + 0.6f * n.velocity / 127.0f;
        for (int y = y0; y < y1 && y < height; ++y)
            for (int x = x0; x < x1 && x < width; ++x) image.at(x, y) = colours[n.channel] * level;
    }
    return image;
}

}  // namespace assets
