#include "world/Rocket.h"

#include <algorithm>
#include <cmath>

#include "app/GameManager.h"
#include "app/Level.h"
#include "scene/Model.h"
#include "world/VaporTrailEmitter.h"

namespace {
constexpr double trailOffset = -0.25;  // the exhaust, behind the rocket's centre

// Any direction across `heading`.
Vector across(const Vector& heading)
{
    const Vector candidate = heading.cross(Vector(1, 0, 0));
    return candidate.squaredLength() > 1e-12 * heading.squaredLength() ? candidate : heading.cross(Vector(0, 1, 0));
}
}  // namespace

Model* Rocket::makeModel()
{
    Model* model = Model::getModel("Rocket");
    model->setScale(0.2);
    model->setRotation(180.0, 0.0, 1.0, 0.0);  // the model's nose points along -z
    return model;
}

Rocket::Rocket(SceneObject* target, Scene* world)
    : Registered<Rocket>(this), trail_(new VaporTrailEmitter), target_(target)
{
    const Level& level = GameManager::currentLevel();
    setLifetime(level.rocketLifetime);
    setRadiusFactor(level.rocketRadiusFactor);
    setMass(level.rocketMass);
    setImpactDamage(level.rocketDamage);
    setHardness(0.0);

    addChild(makeModel());

    trail_->setCloudAlpha(level.rocketTrail.cloudAlpha);
    trail_->setCloudScale(level.rocketTrail.cloudScale);
    trail_->setCloudGrowth(level.rocketTrail.cloudGrowth);
    trail_->setCloudLifetime(level.rocketTrail.cloudLifetime);
    trail_->setPosition(0.0, 0.0, trailOffset);
    trail_->setTargetScene(world);
    addChild(trail_);
    setCullable(true);
}

Rocket::~Rocket() = default;

void Rocket::setTarget(SceneObject* target)
{
    target_ = target;
    setSpin(0.0, Vector(0, 0, 0));
}

void Rocket::forgetTarget(const SceneObject* target)
{
    registry().forEach([target](Rocket* rocket) {
        if (rocket->getTarget() == target) rocket->setTarget(nullptr);
    });
}

void Rocket::onCollision(PhysicalSceneObject*, Vector, double) { destroy(); }

void Rocket::calculate(TimeStep step)
{
    FlexibleSceneObject::calculate(step);
    if (step.delta == 0.0) return;
    const Level& level = GameManager::currentLevel();
    Vector heading = getLocalMatrix().zAxis();
    if (target_ != nullptr) heading = steer(heading, step.delta * level.rocketTurnRate, step.delta);
    Vector velocity = (isMoving() ? getVelocity() : Vector()) + Vector(heading, level.rocketThrust);
    if (velocity.length() > level.rocketMaxSpeed) velocity = Vector(velocity, level.rocketMaxSpeed);
    setVelocity(velocity);
    const double speed = velocity.length();
    if (speed > 0.0) {
        trail_->setEmissionInterval(1.0 / (speed * speed));
        trail_->setEmissionVelocity(0.0, 0.0, speed);
    } else {
        trail_->setEmissionInterval(0.0);
    }
}

Vector Rocket::steer(const Vector& heading, double maxTurn, double delta)
{
    const Vector toTarget = target_->getAbsolutePosition() - getAbsolutePosition();
    const double angle = heading.angleToDegrees(toTarget);
    if (!std::isfinite(angle) || angle == 0.0) {  // at the target, or heading straight for it
        setSpin(0.0, Vector(0, 0, 0));
        return heading;
    }
    Vector axis = heading.cross(toTarget);
    if (axis.squaredLength() <= 1e-24 * heading.squaredLength() * toTarget.squaredLength()) axis = across(heading);
    const double turn = std::clamp(angle, -maxTurn, maxTurn);
    setSpin(turn / delta, axis);
    return Matrix::rotation(turn, axis).apply(heading);
}
