#pragma once
// SpaceShip: the player's fighter on the world's ship frame: its model, the twin guns, the
// rocket rails, the laser, the engine's vapor trail and hum, and three overlay gauges (hull
// life, shield, weapon energy). Hits take the shield first and the excess from the hull; the
// shield and the energy regenerate over time. When the hull is gone the ship destroys itself;
// its destructor tells the game (GameLost).
// Its velocity is the frame's: collisions push the frame that carries it, and a stopped frame
// counts as at rest. While it exists it names itself the target pointers' shooter and masks
// them where it lies in front.
// Depends on the scene engine, PhysicalSceneObject, the guns, VaporTrailEmitter, the overlay
// beams, the game's sounds, Level; needs a current GL context.
#include <memory>

#include "overlay/ColorScreenBeam.h"
#include "overlay/TwoSidedColorScreenBeam.h"
#include "scene/FlexibleSceneObject.h"
#include "scene/Model.h"
#include "scene/SelectableSceneObject.h"
#include "sound/Stream.h"
#include "world/PhysicalSceneObject.h"

class Asteroid;
class LaserGun;
class ProjectileGun;
class RocketGun;
class VaporTrailEmitter;

class SpaceShip : public virtual FlexibleSceneObject,
                  public virtual PhysicalSceneObject,
                  public virtual SelectableSceneObject {
public:
    // Shots, rockets and trails go into `world`.
    explicit SpaceShip(Scene* world);
    ~SpaceShip() override;

    virtual void startFiringProjectiles();
    virtual void stopFiringProjectiles();
    virtual void startLaser();
    virtual void stopLaser();
    // A rocket at `target` (null: straight on); false, with "RocketError", when none can go.
    virtual bool fireRockets(Asteroid* target);
    virtual bool hasEnergy(double amount) const;
    // Takes `amount`, or what is left when that is less; returns what was taken.
    virtual double useEnergy(double amount);
    // The trail and the engine's hum follow the forward speed; none at rest or backwards.
    virtual void setEngineSpeed(double speed);

    // The shield takes the damage first, the hull the rest.
    void onCollision(PhysicalSceneObject* other, Vector point, double damage) override;
    // Moves, then regenerates shield and energy.
    void calculate(TimeStep step) override;
    // Lit by the projectiles near it.
    void draw() override;
    void drawSolidGeometry() override;
    using DynamicSceneObject::setVelocity;
    // These act on the frame that carries the ship, if there is one.
    Vector getVelocity() const override;
    void setVelocity(const Vector& velocity) override;
    bool isMoving() const override;

    double getLife() const { return life_; }
    double getMaxLife() const { return maxLife_; }
    double getShield() const { return shield_; }
    double getMaxShield() const { return maxShield_; }
    double getEnergy() const { return energy_; }
    double getMaxEnergy() const { return maxEnergy_; }
    ProjectileGun* getProjectileGun() const { return projectileGun_; }
    RocketGun* getRocketGun() const { return rocketGun_; }
    LaserGun* getLaserGun() const { return laserGun_; }
    VaporTrailEmitter* getVaporTrail() const { return vaporTrail_; }
    const ColorScreenBeam& getLifeBeam() const { return *lifeBeam_; }
    const ColorScreenBeam& getShieldBeam() const { return *shieldBeam_; }
    const TwoSidedColorScreenBeam& getEnergyBeam() const { return *energyBeam_; }
    const Stream& getEngineSound() const { return engineSound_; }

    // The engine's hum at full forward speed.
    static constexpr float fullEngineVolume = 127.5f;

private:
    DynamicSceneObject* frame() const;

    ProjectileGun* projectileGun_;
    RocketGun* rocketGun_;
    LaserGun* laserGun_;
    VaporTrailEmitter* vaporTrail_;
    std::unique_ptr<ColorScreenBeam> lifeBeam_;
    std::unique_ptr<ColorScreenBeam> shieldBeam_;
    std::unique_ptr<TwoSidedColorScreenBeam> energyBeam_;
    double life_, maxLife_;
    double shield_, maxShield_;
    double energy_, maxEnergy_;
    Model* model_;
    Stream engineSound_{"Engine", 60.0f, true};
};
