#include "world/Space.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

#include "app/GameManager.h"
#include "app/Level.h"
#include "scene/Background.h"
#include "world/Asteroid.h"
#include "world/Laser.h"
#include "world/Projectile.h"
#include "world/Random.h"
#include "world/Rocket.h"
#include "world/ShipControl.h"
#include "world/SpaceShip.h"

namespace {
Space* instance = nullptr;

constexpr double keepOutMargin = 1.2;  // around the ship, times the two radii
// Covers the rounding of the exact test's square root and sum, so that no pair it would
// find touching is ever left out.
constexpr double apartMargin = 1.0 + 1e-9;

// A collider's sphere as the collision pass finds it: the pass changes velocities, never
// places or sizes, and the exact test reads the same cached values.
struct Sphere {
    Vector centre;
    double radius;
};

Sphere sphereOf(CollidableSceneObject* object) { return {object->getAbsolutePosition(), object->getCollisionRadius()}; }

// True only where the exact sphere test could not find a touch; it saves the rock pairs,
// whose number grows with the square of the rocks, the exact test's virtual calls.
bool clearlyApart(const Sphere& a, const Sphere& b)
{
    const double reach = a.radius + b.radius;
    return (b.centre - a.centre).squaredLength() > reach * reach * apartMargin;
}

// FNV-1a over 64-bit words, byte by byte from the lowest, so that the sum does not depend on
// the machine's byte order.
class Fnv1a {
public:
    void add(std::uint64_t word)
    {
        for (int byte = 0; byte < 8; ++byte) {
            hash_ ^= (word >> (8 * byte)) & 0xffu;
            hash_ *= 0x100000001b3u;
        }
    }
    void add(double value) { add(std::bit_cast<std::uint64_t>(value)); }
    void add(int value) { add(static_cast<std::uint64_t>(static_cast<std::int64_t>(value))); }
    void add(bool value) { add(static_cast<std::uint64_t>(value)); }
    void add(const Vector& vector)
    {
        add(vector.x());
        add(vector.y());
        add(vector.z());
    }
    void add(const Matrix& matrix)
    {
        for (int i = 0; i < 16; ++i) add(matrix[i]);
    }
    // The place and motion of a moving object, all read from its stored state.
    void addMotion(const DynamicSceneObject& object)
    {
        add(object.getPosition());
        add(object.getRotation());
        add(object.getScale());
        add(object.isMoving());
        add(object.getVelocity());
        add(object.getSpinSpeed());
        add(object.getSpinAxis());
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325u;
};
}  // namespace

Space* Space::getInstance()
{
    if (instance == nullptr) new Space;  // the constructor registers it before filling it
    return instance;
}

Space* Space::current() { return instance; }

Space::Space()
{
    instance = this;
    fill();
}

Space::~Space()
{
    if (instance == this) instance = nullptr;
}

void Space::fill()
{
    const Level& level = GameManager::currentLevel();
    for (std::size_t kind = 0; kind < level.asteroidCounts.size(); ++kind) {
        for (int i = 0; i < level.asteroidCounts[kind].count; ++i) {
            const double size = randomDouble(level.minInitialAsteroidSize, level.maxAsteroidSize);
            auto* asteroid = new Asteroid(size, static_cast<int>(kind), 0.0);
            const double keepOut = (size * level.asteroidRadiusFactor + level.shipRadiusFactor) * keepOutMargin;
            double at[3];
            for (double& coordinate : at) coordinate = randomDouble(keepOut, level.worldHalfSize);
            for (double& coordinate : at) coordinate *= randomInt(0, 1) * 2 - 1;
            asteroid->setPosition(at[0], at[1], at[2]);
            // Every draw into its own name: the order of a call's arguments is left open.
            const double angle = randomDouble(0, 360);
            const Vector axis = randomBoxVector(-1, 1);
            asteroid->setRotation(angle, axis);
            const double maxSpin = size * level.asteroidSpinPerSize + level.asteroidSpinBase;
            const double spin = randomDouble(0, maxSpin);
            const Vector spinAxis = randomBoxVector(-1, 1);
            asteroid->setSpin(spin, spinAxis);
            const double speed = size * level.asteroidSpeedPerSize + level.asteroidSpeedBase;
            asteroid->setVelocity(Vector(randomBoxVector(-1, 1), speed));
            addChild(asteroid);
        }
    }
    shipFrame_ = new DynamicScene;
    ship_ = new SpaceShip(this);
    ship_->setRotation(180.0, 0.0, 1.0, 0.0);  // the ship's nose is its +z, the frame flies along -z
    shipFrame_->addChild(ship_);
    camera_ = new Camera;
    camera_->setPosition(0.0, 0.0, ShipControl::cameraDistance);
    shipFrame_->addChild(camera_);
    addChild(shipFrame_);

    // The sun of the sky box shines from the box's +z, so the light turns with the sky.
    sunlight_ = new DirectionalSceneLightSource(1.0f, 1.0f, 1.0f);
    sunlight_->setRotation(Background::getOrientationAngle(), Background::getOrientationAxis());
    sunlight_->activate();
    addChild(sunlight_);
}

std::uint64_t Space::checksum() const
{
    Fnv1a sum;
    for (const Asteroid* asteroid : Asteroid::registry()) {
        sum.add(asteroid->getNumber());
        sum.addMotion(*asteroid);
        sum.add(asteroid->getSize());
        sum.add(asteroid->getLife());
    }
    // The frame hangs straight under the world, so its own place is its absolute one.
    sum.addMotion(*shipFrame_);
    sum.add(ship_ != nullptr);
    if (ship_ != nullptr) {
        sum.add(ship_->getLife());
        sum.add(ship_->getShield());
        sum.add(ship_->getEnergy());
    }
    sum.add(Projectile::registry().size());
    sum.add(Rocket::registry().size());
    sum.add(Laser::registry().size());
    return sum.value();
}

double Space::wrapCoordinate(double value, double halfSize)
{
    if (!std::isfinite(value)) return value < 0.0 ? -halfSize : halfSize;
    if (std::abs(value) <= halfSize) return value;
    // The place whole cube widths back inside; one that lands on a face counts as inside on
    // the side it came from, as stepping back a width at a time would leave it.
    const double full = 2.0 * halfSize;
    if (value > halfSize) {
        const double past = std::fmod(value - halfSize, full);
        return past > 0.0 ? std::min(past - halfSize, halfSize) : halfSize;
    }
    const double past = std::fmod(-halfSize - value, full);
    return past > 0.0 ? std::max(halfSize - past, -halfSize) : -halfSize;
}

double Space::fadeAlpha(const Vector& position, double halfSize, double margin)
{
    const double inner = halfSize - margin;
    const double beyond = std::max({std::abs(position.x()), std::abs(position.y()), std::abs(position.z())}) - inner;
    if (!(beyond > 0.0)) return 1.0;
    if (!(margin > 0.0)) return 0.0;
    return std::clamp(1.0 - beyond / margin, 0.0, 1.0);
}

void Space::calculateLater(TimeStep)
{
    wrapAndFade();
    checkCollisions();
}

void Space::wrapAndFade()
{
    const Level& level = GameManager::currentLevel();
    const double half = level.worldHalfSize;
    Asteroid::registry().forEach([&](Asteroid* asteroid) {
        const Vector at = asteroid->getPosition();
        const Vector wrapped(wrapCoordinate(at.x(), half), wrapCoordinate(at.y(), half), wrapCoordinate(at.z(), half));
        if (wrapped.x() != at.x() || wrapped.y() != at.y() || wrapped.z() != at.z()) {
            asteroid->setPosition(wrapped);
            Rocket::forgetTarget(asteroid);  // it vanished from where the rocket was heading
        }
        asteroid->setAlpha(fadeAlpha(wrapped, half, level.fadeMargin));
    });
}

void Space::checkCollisions()
{
    const std::vector<Asteroid*> asteroids = Asteroid::registry().snapshot();
    const std::vector<Projectile*> projectiles = Projectile::registry().snapshot();
    const std::vector<Rocket*> rockets = Rocket::registry().snapshot();
    const std::vector<Laser*> lasers = Laser::registry().snapshot();
    std::vector<Sphere> spheres;
    spheres.reserve(asteroids.size());
    for (Asteroid* asteroid : asteroids) spheres.push_back(sphereOf(asteroid));
    // A shot that has hit something is spent, even though it stays until the frame ends.
    const auto live = [](SceneObject* object) { return !object->isDestroyed(); };
    for (std::size_t i = 0; i < asteroids.size(); ++i) {
        Asteroid* asteroid = asteroids[i];
        for (Projectile* projectile : projectiles)
            if (live(projectile)) PhysicalSceneObject::collidePair(projectile, asteroid);
        for (Rocket* rocket : rockets)
            if (live(rocket)) PhysicalSceneObject::collidePair(rocket, asteroid);
        // The beam's own test must run: it is the testing side of the pair.
        for (Laser* laser : lasers) PhysicalSceneObject::collidePair(asteroid, laser);
        for (std::size_t j = i + 1; j < asteroids.size(); ++j)
            if (!clearlyApart(spheres[i], spheres[j])) PhysicalSceneObject::collidePair(asteroids[j], asteroid);
        if (ship_ != nullptr) PhysicalSceneObject::collidePair(ship_, asteroid);
    }
    for (Rocket* rocket : rockets) {
        for (Projectile* projectile : projectiles)
            if (live(projectile) && live(rocket)) PhysicalSceneObject::collidePair(projectile, rocket);
        if (ship_ != nullptr && live(rocket)) PhysicalSceneObject::collidePair(ship_, rocket);
    }
}

void Space::gameEventOccurred(GameEvent event)
{
    if (event == GameLost) ship_ = nullptr;
}

void Space::activateNearbyProjectileLights(SceneObject* object, double radius)
{
    const Vector here = object->getAbsolutePosition();
    Projectile::registry().forEach([&](Projectile* projectile) {
        if ((projectile->getAbsolutePosition() - here).length() < radius) projectile->activate();
    });
}

void Space::deactivateProjectileLights()
{
    Projectile::registry().forEach([](Projectile* projectile) { projectile->deactivate(); });
}
