#pragma once
// LaserGun: the ship's laser. Holding the button charges it: the "Laser" sound starts at
// once, and once the charge has lasted longer than laserWarmup the beam ignites and the sound
// falls to a hum. While the beam burns it costs laserEnergy per second; when the ship cannot
// pay a frame's share, the laser stops and must be started again (with a new charge).
// Stopping, or deleting the gun while it fires, silences it.
// Depends on DynamicScene, Laser, SpaceShip (energy), the game's sounds, Level.
#include "scene/DynamicScene.h"

class Laser;
class SpaceShip;

class LaserGun : public DynamicScene {
public:
    explicit LaserGun(SpaceShip* ship);
    ~LaserGun() override;

    virtual void start();
    virtual void stop();
    bool isFiring() const { return firing_; }
    double getFiringTime() const { return firingTime_; }
    Laser* getLaser() const { return laser_; }

    // Charges, ignites and pays for the beam.
    void calculate(TimeStep step) override;

    // The sound's level while charging, and the hum while the beam burns.
    static constexpr float chargingVolume = 171.0f;
    static constexpr float burningVolume = 85.5f;

private:
    Laser* laser_;
    SpaceShip* ship_;
    bool firing_ = false;
    double firingTime_ = 0.0;
};
