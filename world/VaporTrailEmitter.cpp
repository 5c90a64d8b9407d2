#include "world/VaporTrailEmitter.h"

namespace {
// The ship's trail; rockets change them.
constexpr double defaultAlpha = 0.2, defaultScale = 0.1, defaultGrowth = 0.15, defaultLifetime = 1.0;
}  // namespace

VaporTrailEmitter::VaporTrailEmitter()
    : SceneObjectEmitter(nullptr, nullptr), cloudFactory_(std::make_unique<WhiteCloudFactory>())
{
    setFactory(cloudFactory_.get());
    setAlignRotation(false);
    setCloudAlpha(defaultAlpha);
    setCloudScale(defaultScale);
    setCloudGrowth(defaultGrowth);
    setCloudLifetime(defaultLifetime);
}
