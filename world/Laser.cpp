#include "world/Laser.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "app/GameManager.h"
#include "app/Level.h"
#include "scene/Camera.h"

Laser::Laser(const Vector& start, const Vector& direction)
    : Registered<Laser>(this),
      range_(GameManager::currentLevel().laserRange),
      hitLight_(new PositionalSceneLightSource(1.0f, 0.0f, 0.0f)),
      start_(start),
      direction_(direction)
{
    const Level& level = GameManager::currentLevel();
    hitLight_->setPosition(Vector(direction, range_));
    hitLight_->setConstantAttenuation(1.0f);
    hitLight_->setLinearAttenuation(1.0f);
    hitLight_->setQuadraticAttenuation(0.0f);
    addChild(hitLight_);
    setRay(start, direction, range_);
    setWidth(level.laserWidth);
    setColor(level.laserColor);
    setRadiusFactor(level.laserWidth / 2.0);
    setMass(0.0);
    setMovable(false);
    setHardness(0.0);
    setCullable(false);
    Registered<Laser>::setRegistered(false);
    activate();
}

Laser::~Laser() { Registered<Laser>::setRegistered(false); }

void Laser::activate()
{
    Registered<Laser>::setRegistered(true);
    active_ = true;
}

void Laser::deactivate()
{
    Registered<Laser>::setRegistered(false);
    active_ = false;
    hitLight_->deactivate();
}

void Laser::setRoot(SceneGraph* root)
{
    Scene::setRoot(root);
    updateTransparentRegistration();
}

void Laser::calculate(TimeStep step)
{
    DynamicSceneObject::calculate(step);
    Scene::calculate(step);
    const Level& level = GameManager::currentLevel();
    range_ = level.laserRange;
    setRay(start_, direction_, range_);
    target_ = nullptr;
    hitLight_->deactivate();
    setImpactDamage(step.delta * level.laserDamage);
}

Collision Laser::testCollision(CollidableSceneObject* other)
{
    if (!isCollidable() || !other->isCollidable()) return {};
    const Matrix absolute = getAbsoluteMatrix();
    const Vector a = absolute.apply(start_);
    const Vector along = absolute.apply(start_ + direction_) - a;
    const Vector toOther = other->getAbsolutePosition() - a;
    const double distance = toOther.length();
    const double angle = along.angleTo(toOther);
    // A beam without a direction goes nowhere; an object at the very start lies on the beam.
    if (along.isZero()) return {};
    const double cosine = distance == 0.0 ? 1.0 : std::cos(angle);
    const double sine = distance == 0.0 ? 0.0 : std::sin(angle);
    if (!(cosine >= 0.0)) return {};  // behind the start
    const double perpendicular = std::abs(sine * distance);
    const double ahead = std::abs(cosine * distance);
    if (ahead > GameManager::currentLevel().laserRange) return {};
    const double reach = other->getCollisionRadius() + getCollisionRadius();
    if (reach - perpendicular < 0.0) return {};
    double hitDistance = ahead - std::sqrt(reach * reach + perpendicular * perpendicular);
    if (hitDistance < 0.0) hitDistance = 0.1;
    if (hitDistance < range_) {
        target_ = other;
        range_ = hitDistance;
        setRay(start_, direction_, range_);
    }
    return {true, this, other, a + Vector(along, hitDistance)};
}

void Laser::onCollision(PhysicalSceneObject* other, Vector, double)
{
    if (other != target_) return;
    hitLight_->setPosition(Vector(direction_, range_));
    hitLight_->calculate({0.0, 0.0});
    hitLight_->activate();
}

void Laser::drawTransparentGeometry()
{
    if (!active_) return;
    const Matrix absolute = getAbsoluteMatrix();
    const Vector a = absolute.apply(getStart()), b = absolute.apply(getEnd());
    Camera* camera = Camera::getActive();
    const Vector eye = camera != nullptr ? camera->getAbsolutePosition() : Vector();
    // Across the beam and across the line of sight, so that the band faces the viewer.
    const Vector across((eye - a).cross(b - a), GameManager::currentLevel().laserWidth / 2.0);
    if (!a.isFinite() || !b.isFinite() || !across.isFinite() || across.isZero()) return;

    const Color& color = GameManager::currentLevel().laserColor;
    const Color edge(color, 0.0);
    const bool lit = glIsEnabled(GL_LIGHTING);
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glLoadIdentity();
    // From this edge to the other the band turns its front to the eye (back faces are culled).
    glBegin(GL_QUAD_STRIP);
    edge.apply();
    (a - across).emitVertex();
    (b - across).emitVertex();
    color.apply();
    a.emitVertex();
    b.emitVertex();
    edge.apply();
    (a + across).emitVertex();
    (b + across).emitVertex();
    glEnd();
    glPopMatrix();
    if (lit) glEnable(GL_LIGHTING);
}
