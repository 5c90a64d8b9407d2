#pragma once
// Space: the world of one game, a cube of space around the origin. It is filled with the
// level's asteroids when it is made, carries the player's ship and camera on a moving frame,
// and every frame (in the deferred pass) wraps each asteroid that left the cube around to the
// opposite face, fades asteroids out towards the faces, and runs the collision pass between
// asteroids, projectiles, rockets, laser beams and the ship.
// There is at most one Space; getInstance makes it on first use (SpaceManager does, when a
// game starts), and deleting it lets the next getInstance make a fresh one. It forgets the
// ship when the ship is lost (GameLost). Its children belong to the scene tree.
// It numbers the asteroids made while it stands, from 1, and sums up the state that decides
// the game's course in a checksum, for replays to compare.
// Depends on the scene engine, Asteroid, SpaceShip, Projectile, Rocket, Laser, Level.
#include <cstdint>

#include "app/GameEventListener.h"
#include "scene/CalculateLater.h"
#include "scene/Camera.h"
#include "scene/DirectionalSceneLightSource.h"
#include "scene/DynamicScene.h"
#include "scene/MaterialScene.h"

class SpaceShip;

class Space : public virtual MaterialScene, public virtual CalculateLater, public virtual GameEventListener {
public:
    // The one world, made and filled if there is none.
    static Space* getInstance();
    // The world if there is one, without making one.
    static Space* current();
    ~Space() override;

    Camera* getCamera() const { return camera_; }
    DynamicScene* getShipFrame() const { return shipFrame_; }
    // Null once the ship was lost.
    SpaceShip* getShip() const { return ship_; }
    DirectionalSceneLightSource* getSunlight() const { return sunlight_; }

    // The number of the next asteroid made in this world: 1, 2, 3...
    int nextAsteroidNumber() { return ++asteroidsNumbered_; }
    // FNV-1a (64 bits) over the bit patterns of what decides the game's course, in registry
    // order: each asteroid's number, position, velocity, rotation, spin, size and life; the
    // ship frame's place, rotation and velocity; the ship's hull, shield and energy; and the
    // numbers of projectiles, rockets and laser beams. Two runs agree on it, frame by frame,
    // exactly when they agree on all of these. It reads only, and no cache.
    std::uint64_t checksum() const;

    // Wrap-around and fading of the asteroids, then the collision pass.
    void calculateLater(TimeStep step) override;
    virtual void checkCollisions();
    void gameEventOccurred(GameEvent event) override;

    // Projectiles are lights, but GL has only a few: each is switched on only while an object
    // closer than `radius` to it is drawn.
    static void activateNearbyProjectileLights(SceneObject* object, double radius);
    static void deactivateProjectileLights();

    // A coordinate that left [-halfSize, halfSize] brought back by whole cube widths (2 *
    // halfSize); one exactly on a face stays. A coordinate that is not finite goes to the face
    // on its side (NaN to +halfSize), where a rock is invisible and wraps on.
    static double wrapCoordinate(double value, double halfSize);
    // 1 inside the inner cube (halfSize - margin), falling linearly to 0 at the faces.
    static double fadeAlpha(const Vector& position, double halfSize, double margin);

private:
    Space();
    void fill();
    void wrapAndFade();

    Camera* camera_ = nullptr;
    DynamicScene* shipFrame_ = nullptr;
    SpaceShip* ship_ = nullptr;
    DirectionalSceneLightSource* sunlight_ = nullptr;
    int asteroidsNumbered_ = 0;
};
