#include "overlay/AsteroidLifeBeam.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

AsteroidLifeBeam::AsteroidLifeBeam(double size)
{
    setTransparent(true);
    // The bar is flat; its depth scale only keeps the matrix invertible.
    setScale(size, 1.2 * size, size);
}

void AsteroidLifeBeam::setLife(double fraction, bool show)
{
    life_ = std::isnan(fraction) ? 0.0 : std::clamp(fraction, 0.0, 1.0);
    if (show) showRequested_ = true;
}

void AsteroidLifeBeam::calculate(TimeStep step)
{
    DynamicSceneObject::calculate(step);
    if (showRequested_) {
        // The hit came after last frame's tree update, so this frame's delta already counts.
        showRequested_ = false;
        setActive(true);
        showTime_ = showDuration;
    } else if (showTime_ <= 0.0) {
        return;
    }
    showTime_ -= step.delta;
    if (showTime_ <= 0.0) setActive(false);
}

void AsteroidLifeBeam::drawElement()
{
    applyColor();
    const double right = 2.0 * life_ - 1.0;
    glBegin(GL_QUADS);
    glVertex3d(right, 1.0, 0.0);
    glVertex3d(-1.0, 1.0, 0.0);
    glVertex3d(-1.0, 0.9, 0.0);
    glVertex3d(right, 0.9, 0.0);
    glEnd();
}
