#include "world/LaserGun.h"

#include "app/GameManager.h"
#include "app/Level.h"
#include "sound/GameSounds.h"
#include "world/Laser.h"
#include "world/SpaceShip.h"

LaserGun::LaserGun(SpaceShip* ship) : laser_(new Laser(Vector(0, 0, 0), Vector(0, 0, 1))), ship_(ship)
{
    addChild(laser_);
    laser_->deactivate();
}

LaserGun::~LaserGun()
{
    // The sound is the program's; a gun that goes while it fires must not leave it playing.
    if (firing_) laserSound().stop(true);
}

void LaserGun::start()
{
    if (firing_) return;
    firing_ = true;
    firingTime_ = 0.0;
}

void LaserGun::stop()
{
    if (!firing_) return;
    laser_->deactivate();
    firing_ = false;
    laserSound().stop(true);
}

void LaserGun::calculate(TimeStep step)
{
    DynamicScene::calculate(step);
    if (!firing_) return;
    const Level& level = GameManager::currentLevel();
    if (firingTime_ == 0.0) {
        laserSound().setTargetVolume(chargingVolume, false);
        laserSound().play(false);
    } else if (firingTime_ > level.laserWarmup && !laser_->isActive()) {
        laserSound().setTargetVolume(burningVolume, true);
        laser_->activate();
    }
    if (laser_->isActive()) {
        const double cost = step.delta * level.laserEnergy;
        if (ship_ != nullptr && ship_->hasEnergy(cost))
            ship_->useEnergy(cost);
        else
            stop();
    }
    if (firing_) firingTime_ += step.delta;
}
