#include "tools/sound/Reverb.h"

#include <array>
#include <vector>

namespace assets {

namespace {
class Comb {
public:
    explicit Comb(size_t length) : buffer_(length, 0.0f) {}
    float process(float x, float feedback, float damping)
    {
        const float y = buffer_[index_];
        filter_ = y * (1.0f - damping) + filter_ * damping;
        buffer_[index_] = x + filter_ * feedback;
        index_ = (index_ + 1) % buffer_.size();
        return y;
    }

private:
    std::vector<float> buffer_;
    size_t index_ = 0;
    float filter_ = 0.0f;
};

class AllPass {
public:
    explicit AllPass(size_t length) : buffer_(length, 0.0f) {}
    float process(float x)
    {
        const float delayed = buffer_[index_];
        const float y = -x + delayed;
        buffer_[index_] = x + delayed * 0.5f;
        index_ = (index_ + 1) % buffer_.size();
        return y;
    }

private:
    std::vector<float> buffer_;
    size_t index_ = 0;
};

std::vector<float> channel(const std::vector<float>& left, const std::vector<float>& right, size_t spread, float feedback,
                           float damping)
{
    static constexpr std::array<size_t, 8> combLengths = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static constexpr std::array<size_t, 4> allPassLengths = {556, 441, 341, 225};
    std::vector<Comb> combs;
    for (size_t l : combLengths) combs.emplace_back(l + spread);
    std::vector<AllPass> allPasses;
    for (size_t l : allPassLengths) allPasses.emplace_back(l + spread);
    std::vector<float> out(left.size());
    for (size_t i = 0; i < left.size(); ++i) {
        const float input = (left[i] + right[i]) * 0.015f;
        float sum = 0.0f;
        for (Comb& c : combs) sum += c.process(input, feedback, damping);
        for (AllPass& a : allPasses) sum = a.process(sum);
        out[i] = sum;
    }
    return out;
}
}  // namespace

void Reverb::apply(Stereo& sound, double size, double damping, double wet)
{
    const float feedback = static_cast<float>(0.7 + 0.28 * size);
    const float damp = static_cast<float>(damping * 0.4);
    const std::vector<float> l = channel(sound.left, sound.right, 0, feedback, damp);
    const std::vector<float> r = channel(sound.left, sound.right, 23, feedback, damp);
    for (size_t i = 0; i < sound.frames(); ++i) {
        sound.left[i] += static_cast<float>(wet) * l[i];
        sound.right[i] += static_cast<float>(wet) * r[i];
    }
}

}  // namespace assets
