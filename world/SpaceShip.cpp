#include "world/SpaceShip.h"

#include <algorithm>

#include "app/GameEventListener.h"
#include "app/GameManager.h"
#include "app/Level.h"
#include "overlay/ScreenSceneObject.h"
#include "overlay/TargetPointer.h"
#include "sound/GameSounds.h"
#include "world/Asteroid.h"
#include "world/LaserGun.h"
#include "world/ProjectileGun.h"
#include "world/RocketGun.h"
#include "world/Space.h"
#include "world/VaporTrailEmitter.h"

namespace {
constexpr double shipModelScale = 10.0;
const Vector rightMuzzle(0.25, 0.0, 0.7), leftMuzzle(-0.25, 0.0, 0.7);
const Vector rightRail(0.7, 0.16, -0.45), leftRail(-0.7, 0.16, -0.45);
const Vector exhaust(0.0, 0.0, -0.5);
constexpr double projectileLightRadius = 2.0;
constexpr double trailSpacing = 0.5;  // the trail's interval times the speed squared

// The gauges: hull life to the left of the centre, the shield to the right, the energy below
// both, growing out from the centre; faint at the fixed end, strong at the moving one.
std::unique_ptr<ColorScreenBeam> beam(double x, bool fromStart, const Color& color)
{
    return std::make_unique<ColorScreenBeam>(x, 0.01, 0.485, 0.025, true, fromStart, Color(color, 0.3),
                                             Color(color, 0.9), 1.0);
}
}  // namespace

SpaceShip::SpaceShip(Scene* world)
{
    const Level& level = GameManager::currentLevel();
    setRadiusFactor(level.shipRadiusFactor);
    setMass(level.shipMass);
    setHardness(level.shipHardness);
    setImpactDamage(0.0);
    life_ = maxLife_ = level.shipLife;
    shield_ = maxShield_ = level.shipShield;
    energy_ = maxEnergy_ = level.shipEnergy;

    model_ = Model::getModel("SpaceShip");
    model_->setScale(shipModelScale);
    addChild(model_);
    projectileGun_ = new ProjectileGun(rightMuzzle, leftMuzzle, this, world);
    addChild(projectileGun_);
    rocketGun_ = new RocketGun(rightRail, leftRail, level.rocketCount, world);
    addChild(rocketGun_);

    vaporTrail_ = new VaporTrailEmitter;
    vaporTrail_->setCloudAlpha(level.shipTrail.cloudAlpha);
    vaporTrail_->setCloudScale(level.shipTrail.cloudScale);
    vaporTrail_->setCloudGrowth(level.shipTrail.cloudGrowth);
    vaporTrail_->setCloudLifetime(level.shipTrail.cloudLifetime);
    vaporTrail_->setPosition(exhaust);
    vaporTrail_->setTargetScene(world);
    addChild(vaporTrail_);
    engineSound_.play();

    lifeBeam_ = beam(0.01, false, Color(0, 1, 0));
    shieldBeam_ = beam(0.505, true, Color(0, 0, 1));
    energyBeam_ = std::make_unique<TwoSidedColorScreenBeam>(0.01, 0.045, 0.98, 0.025, true, false, Color(1, 1, 0, 0.3),
                                                            Color(1, 1, 0, 0.9), 1.0);
    laserGun_ = new LaserGun(this);
    addChild(laserGun_);
    setCullable(true);
    ScreenSceneObject::addScreenMask(this);
    TargetPointer::setShooter(this);
}

SpaceShip::~SpaceShip()
{
    raiseGameEvent(GameLost);
    engineSound_.stop();
    ScreenSceneObject::removeScreenMask(this);
    if (TargetPointer::getShooter() == this) TargetPointer::setShooter(nullptr);
}

void SpaceShip::startFiringProjectiles() { projectileGun_->startFiring(); }

void SpaceShip::stopFiringProjectiles() { projectileGun_->stopFiring(); }

void SpaceShip::startLaser() { laserGun_->start(); }

void SpaceShip::stopLaser() { laserGun_->stop(); }

bool SpaceShip::fireRockets(Asteroid* target) { return rocketGun_->fire(target); }

bool SpaceShip::hasEnergy(double amount) const { return energy_ >= amount; }

double SpaceShip::useEnergy(double amount)
{
    if (amount <= energy_) {
        energy_ -= amount;
        return amount;
    }
    const double left = energy_;
    energy_ = 0.0;
    return left;
}

void SpaceShip::setEngineSpeed(double speed)
{
    if (speed > 0.0) {
        vaporTrail_->setEmissionInterval(trailSpacing / (speed * speed));
        vaporTrail_->setEmissionVelocity(0.0, 0.0, speed);
        engineSound_.setVolume(
            static_cast<float>(fullEngineVolume * speed / GameManager::currentLevel().maxForwardSpeed));
    } else {
        vaporTrail_->setEmissionInterval(0.0);
        engineSound_.setVolume(0.0f);
    }
}

void SpaceShip::onCollision(PhysicalSceneObject* other, Vector, double damage)
{
    shield_ -= damage;
    if (shield_ < 0.0) {
        life_ = std::max(life_ + shield_, 0.0);
        shield_ = 0.0;
    }
    lifeBeam_->setValue(life_ / maxLife_);
    shieldBeam_->setValue(shield_ / maxShield_);
    if (life_ == 0.0) {
        if (!isDestroyed()) explosion3Sample().play();  // once, however often it is hit as it goes
        destroy();
    } else if (dynamic_cast<Asteroid*>(other) != nullptr) {
        explosion2Sample().play();
    }
}

void SpaceShip::calculate(TimeStep step)
{
    FlexibleSceneObject::calculate(step);
    shield_ = std::min(shield_ + step.delta * GameManager::currentLevel().shieldRegeneration, maxShield_);
    shieldBeam_->setValue(shield_ / maxShield_);
    energy_ = std::min(energy_ + step.delta * GameManager::currentLevel().energyRegeneration, maxEnergy_);
    energyBeam_->setValue(energy_ / maxEnergy_);
}

void SpaceShip::draw()
{
    Space::activateNearbyProjectileLights(this, projectileLightRadius);
    FlexibleSceneObject::draw();
    Space::deactivateProjectileLights();
}

void SpaceShip::drawSolidGeometry() { model_->drawPlainGeometry(); }

DynamicSceneObject* SpaceShip::frame() const { return dynamic_cast<DynamicSceneObject*>(getParent()); }

Vector SpaceShip::getVelocity() const
{
    const DynamicSceneObject* carrier = frame();
    return carrier != nullptr ? carrier->getVelocity() : DynamicSceneObject::getVelocity();
}

void SpaceShip::setVelocity(const Vector& velocity)
{
    DynamicSceneObject* carrier = frame();
    if (carrier != nullptr)
        carrier->setVelocity(velocity);
    else
        DynamicSceneObject::setVelocity(velocity);
}

bool SpaceShip::isMoving() const
{
    const DynamicSceneObject* carrier = frame();
    return carrier != nullptr ? carrier->isMoving() : DynamicSceneObject::isMoving();
}
