#include "world/Projectile.h"

#include <GL/gl.h>

#include "app/GameManager.h"
#include "app/Level.h"
#include "world/Glow.h"

namespace {
const Color& projectileColor() { return GameManager::currentLevel().projectileColor; }

struct GlowLists {
    unsigned opaque;  // sets its own white centre
    unsigned bare;    // the caller sets the centre colour
};

const GlowLists& glowLists()
{
    static const GlowLists lists = [] {
        GlowLists made{glGenLists(1), glGenLists(1)};
        glNewList(made.opaque, GL_COMPILE);
        glColor4d(1, 1, 1, 1);
        drawGlow(Color(projectileColor(), 0.0));
        glEndList();
        glNewList(made.bare, GL_COMPILE);
        drawGlow(Color(projectileColor(), 0.0));
        glEndList();
        return made;
    }();
    return lists;
}
}  // namespace

Projectile::Projectile()
    : SceneLightSource(static_cast<float>(projectileColor().red()), static_cast<float>(projectileColor().green()),
                       static_cast<float>(projectileColor().blue())),
      PositionalSceneLightSource(static_cast<float>(projectileColor().red()),
                                 static_cast<float>(projectileColor().green()),
                                 static_cast<float>(projectileColor().blue())),
      Registered<Projectile>(this)
{
    const Level& level = GameManager::currentLevel();
    setRadiusFactor(level.projectileRadius / scale);
    setMass(level.projectileMass);
    setImpactDamage(level.projectileDamage);
    setHardness(0.0);
    setScale(scale);
    const Color light(projectileColor(), 0.0);
    setDiffuse(light);
    setSpecular(light);
    setConstantAttenuation(1.0f);
    setLinearAttenuation(1.0f);
    setQuadraticAttenuation(0.0f);
    setLifetime(level.projectileLifetime);
    setCullable(true);
    glowLists();
}

void Projectile::onCollision(PhysicalSceneObject*, Vector, double) { destroy(); }

void Projectile::calculateLater(TimeStep step)
{
    SelfDestroyingSceneObject::calculateLater(step);
    SceneLightSource::calculateLater(step);
}

void Projectile::drawTransparentGeometry()
{
    const double remaining = getLifetime();
    if (remaining < 1.0) {
        glColor4d(1, 1, 1, remaining);  // the last second fades out
        glCallList(glowLists().bare);
    } else {
        glCallList(glowLists().opaque);
    }
}
