#pragma once
// Cloud: one puff of an effect (hit sparks, explosion and dust, vapor trails): a camera-facing
// glow, blended, that drifts with its velocity, grows at a constant rate and fades linearly
// to nothing at the moment its lifetime runs out, when it removes itself.
// Subclasses hold the colour and draw the glow. A cloud without a lifetime (0) has no time to
// fade over and is gone at its first update. Depends on the self-destroying and transparent
// flat scene objects.
#include "scene/Color.h"
#include "scene/SelfDestroyingSceneObject.h"
#include "scene/TransparentFlatSceneObject.h"

class Cloud : public virtual SelfDestroyingSceneObject,
              public virtual CalculateLater,
              public virtual TransparentFlatSceneObject {
public:
    virtual void setAlpha(double alpha) = 0;
    virtual double getAlpha() = 0;

    // Drift and growth, then the fade over the lifetime that was left before this frame.
    void calculate(TimeStep step) override;
    void draw() override { TransparentFlatSceneObject::draw(); }
    // Drawing only: also culled while its alpha is below half a step of an 8-bit colour channel
    // (blending it changes no pixel) or while its glow lies wholly outside the active camera's
    // view. Late in their fade, and behind the ship, clouds are many and show nothing.
    bool isCulled() override;

    // The glow both factories compile: an octagon whose edges lie 1 from the centre, opaque
    // in the current colour at the centre and `rim` (alpha 0) at its edge, drawn without
    // depth writes so that overlapping clouds blend. Returns the new display list.
    static unsigned compileGlow(const Color& rim);
};
