#include "app/RumbleWatch.h"

#include "world/Asteroid.h"
#include "world/Space.h"
#include "world/SpaceShip.h"

RumbleWatch::Pulse RumbleWatch::look(Space* world)
{
    const bool sameWorld = world != nullptr && world == world_;
    world_ = world;
    if (world == nullptr) {
        nearRocks_.clear();
        return None;
    }
    SpaceShip* ship = world->getShip();
    const double life = ship != nullptr ? ship->getLife() : 0.0;
    Pulse pulse = None;
    if (sameWorld && life < life_) pulse = Strong;
    if (sameWorld && pulse == None) {
        for (int number : nearRocks_) {
            const Asteroid* rock = Asteroid::withNumber(number);
            if (rock == nullptr || rock->isDestroyedByDamage()) pulse = Weak;
        }
    }
    life_ = life;
    nearRocks_.clear();
    if (ship == nullptr) return pulse;
    const Vector centre = world->getShipFrame()->getAbsolutePosition();
    Asteroid::registry().forEach([&](Asteroid* rock) {
        if ((rock->getAbsolutePosition() - centre).length() <= nearDistance) nearRocks_.push_back(rock->getNumber());
    });
    return pulse;
}
