#include "world/Cloud.h"

#include <GL/gl.h>

#include <algorithm>

#include "scene/Camera.h"
#include "world/Glow.h"

void Cloud::calculate(TimeStep step)
{
    // The self-destroying part counts down in the deferred pass, after this update.
    const double remaining = getLifetime();
    DynamicSceneObject::calculate(step);
    if (remaining <= 0.0) {
        destroy();
        return;
    }
    setAlpha(std::max(0.0, getAlpha() * (1.0 - step.delta / remaining)));
}

bool Cloud::isCulled()
{
    constexpr double invisibleAlpha = 0.5 / 255.0;
    if (getAlpha() < invisibleAlpha || TransparentFlatSceneObject::isCulled()) return true;
    Camera* camera = Camera::getActive();
    if (camera == nullptr) return false;
    // The billboard keeps the object's axis scales; the largest bounds its glow in any turn.
    return !camera->maySee(getAbsolutePosition(), glowRadius * getLargestAbsoluteScale());
}

unsigned Cloud::compileGlow(const Color& rim)
{
    const unsigned list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glDepthMask(GL_FALSE);
    drawGlow(rim);
    glDepthMask(GL_TRUE);
    glEndList();
    return list;
}
