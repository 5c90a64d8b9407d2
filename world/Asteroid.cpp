#include "world/Asteroid.h"

#include "sound/GameSounds.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <memory>

#include "app/GameEventListener.h"
#include "app/GameManager.h"
#include "app/Level.h"
#include "overlay/TargetPointer.h"
#include "scene/GameError.h"
#include "world/ColorCloudFactory.h"
#include "world/Laser.h"
#include "world/Projectile.h"
#include "world/Random.h"
#include "world/Rocket.h"
#include "world/Space.h"

namespace {
constexpr double asteroidModelScale = 10.0;
constexpr double projectileLightReach = 1.0;  // beyond the collision radius
constexpr double targetPointerSize = 1.0;

// The sparks and explosions of one asteroid kind, in its colour.
struct KindClouds {
    std::unique_ptr<ColorCloudFactory> rocketHit, projectileHit, laserHit, explosion;
};

const std::vector<KindClouds>& kindClouds()
{
    static const auto* table = [] {
        auto* made = new std::vector<KindClouds>;
        for (const AsteroidKind& kind : asteroidKinds()) {
            KindClouds clouds;
            clouds.rocketHit = std::make_unique<ColorCloudFactory>(kind.color);
            clouds.rocketHit->setScale(0.2);
            clouds.rocketHit->setGrowth(0.2);
            clouds.rocketHit->setLifetime(3.0);
            clouds.projectileHit = clouds.rocketHit->clone();
            clouds.projectileHit->setScale(0.1);
            clouds.projectileHit->setGrowth(0.1);
            clouds.projectileHit->setLifetime(2.0);
            clouds.laserHit = clouds.rocketHit->clone();
            clouds.laserHit->setScale(0.1);
            clouds.laserHit->setGrowth(0.1);
            clouds.laserHit->setLifetime(0.5);
            clouds.explosion = clouds.rocketHit->clone();
            made->push_back(std::move(clouds));
        }
        return made;
    }();
    return *table;
}

// Points go to the game in progress; without a game manager nobody counts them.
void addToGameScore(double points)
{
    GameManager* manager = nullptr;
    try {
        manager = GameManager::getInstance();
    } catch (const GameError&) {
        return;
    }
    manager->addScore(points);
}

Asteroid::PointsHandler& pointsHandler()
{
    static auto* handler = new Asteroid::PointsHandler(addToGameScore);
    return *handler;
}

Vector actualVelocity(const DynamicSceneObject& object) { return object.isMoving() ? object.getVelocity() : Vector(); }
}  // namespace

Asteroid::Asteroid(double size, int kind, double graceTime)
    : Registered<Asteroid>(this), size_(size), kind_(kind), graceTime_(graceTime)
{
    const Level& level = GameManager::currentLevel();
    if (!(size >= level.minAsteroidSize && size <= level.maxAsteroidSize))
        throw GameError("Permitted asteroid size got");
    if (kind < 0 || static_cast<std::size_t>(kind) >= asteroidKinds().size() ||
        static_cast<std::size_t>(kind) >= level.asteroidCounts.size())
        throw GameError("Unknown asteroid kind");
    // Only a rock that is made takes a number.
    Space* world = Space::current();
    number_ = world != nullptr ? world->nextAsteroidNumber() : 0;
    kindClouds();
    if (graceTime > 0.0) setCollidable(false);

    setScale(size);
    setRadiusFactor(level.asteroidRadiusFactor);
    setMass(size * level.asteroidMassPerSize + level.asteroidMassBase);
    setHardness(level.asteroidCounts[kind].hardness);
    life_ = maxLife_ = size * level.asteroidLifePerSize + level.asteroidLifeBase;

    const AsteroidKind& look = asteroidKinds()[kind];
    model_ = Model::getModel(look.modelName);
    model_->setScale(asteroidModelScale);
    model_->setColor(look.color);
    addChild(model_);
    lifeBeam_ = new AsteroidLifeBeam(level.asteroidRadiusFactor);
    addChild(lifeBeam_);
    maxSpeed_ = size * level.asteroidSpeedPerSize + level.asteroidSpeedBase;
    maxSpin_ = size * level.asteroidSpinPerSize + level.asteroidSpinBase;
    setCullable(true);
    selectionMarker_ = new AsteroidSelection(level.asteroidRadiusFactor);
    addChild(selectionMarker_);
}

Asteroid::~Asteroid()
{
    // Nothing may keep pointing here: rockets fly on straight, pointers lose their target.
    Rocket::forgetTarget(this);
    TargetPointer::forgetTarget(this);
}

void Asteroid::setSelected(bool selected)
{
    if (selected == selected_ || (selected && wrecked_)) return;
    selected_ = selected;
    if (selected) {
        targetPointer_ = new TargetPointer(this, targetPointerSize, GameManager::currentLevel().projectileSpeed);
        targetPointer_->setAlpha(getAlpha());
        if (getParent() != nullptr) getParent()->addChild(targetPointer_);
        targetPointer_->calculate(lastTimeStep_);
    } else if (targetPointer_ != nullptr) {
        targetPointer_->destroy();
        targetPointer_ = nullptr;
    }
    selectionMarker_->setActive(selected);
}

void Asteroid::onCollision(PhysicalSceneObject* other, Vector point, double damage)
{
    if (wrecked_) return;
    const bool byRock = dynamic_cast<Asteroid*>(other) != nullptr;
    life_ -= damage;
    if (life_ <= 0.0) {
        wrecked_ = true;
        fadeTime_ = 0.0;
        splitPending_ = true;
        alphaAtDeath_ = getAlpha();
        lifeBeam_->destroy();
        lifeBeam_ = nullptr;
        if (targetPointer_ != nullptr) {
            targetPointer_->destroy();
            targetPointer_ = nullptr;
        }
        disableSelection();
        setCollidable(false);
        explosion1Sample().play();
        if (!byRock) pointsHandler()(getHardness() * maxLife_);
    } else {
        lifeBeam_->setLife(life_ / maxLife_, !byRock);
    }
    sparkle(other, point);
}

void Asteroid::sparkle(PhysicalSceneObject* other, const Vector& point)
{
    const KindClouds& clouds = kindClouds()[kind_];
    const Vector centre = getAbsolutePosition();
    const Vector velocity = actualVelocity(*this);
    if (dynamic_cast<Laser*>(other) != nullptr) {
        clouds.laserHit->setAlpha(getAlpha() * 0.1);
        auto* cloud = clouds.laserHit->makeCloud();
        cloud->setPosition(point);
        cloud->setVelocity(velocity + Vector(point - centre, 1.0));
        release(cloud, lastTimeStep_);
        return;
    }
    ColorCloudFactory* factory = nullptr;
    int count = 0;
    if (dynamic_cast<Rocket*>(other) != nullptr) {
        factory = clouds.rocketHit.get();
        factory->setAlpha(getAlpha() * 0.2);
        count = 30;
    } else if (dynamic_cast<Projectile*>(other) != nullptr) {
        factory = clouds.projectileHit.get();
        factory->setAlpha(getAlpha() * 0.1);
        count = 20;
    }
    for (int i = 0; i < count; ++i) {
        // Thrown off the surface, spread within 70 degrees of the way out.
        const Vector outward(point - centre, randomDouble(0, 2));
        const Vector spread = Matrix::rotation(70.0, randomBoxVector(0, 1)).apply(outward);
        auto* cloud = factory->makeCloud();
        cloud->setPosition(point);
        cloud->setVelocity(velocity + spread);
        release(cloud, lastTimeStep_);
    }
}

void Asteroid::release(SceneObject* object, TimeStep step)
{
    Scene* world = getParent();
    if (world == nullptr) {  // nowhere to go
        delete object;
        return;
    }
    world->addChild(object);
    object->calculate(step);
}

void Asteroid::calculate(TimeStep step)
{
    lastTimeStep_ = step;
    if (wrecked_) {
        if (registry().contains(this)) {
            // Its fragments must be in the registry before it leaves, or the game would be won
            // with rocks still flying.
            splitIfPending(step);
            leaveRegistry();
            Rocket::forgetTarget(this);
            Scene* world = getParent();
            if (registry().empty() && world != nullptr && !world->isDestroyed()) raiseGameEvent(GameWon);
        }
        fadeTime_ += step.delta;
        if (fadeTime_ <= fadeDuration)
            setAlpha((1.0 - fadeTime_ / fadeDuration) * alphaAtDeath_);
        else
            destroy();
    }
    if (graceTime_ > 0.0) {
        graceTime_ -= step.delta;
        if (graceTime_ <= 0.0 && !wrecked_) setCollidable(true);
    }
    DynamicSceneObject::calculate(step);
    calculateChildren(step);
}

void Asteroid::leaveRegistry() { Registered<Asteroid>::setRegistered(false); }

void Asteroid::calculateLater(TimeStep step) { splitIfPending(step); }

void Asteroid::splitIfPending(TimeStep step)
{
    if (!splitPending_) return;
    splitPending_ = false;
    octantBag_ = shuffledOctants();
    const int count = randomInt(3, 5);
    int made = 0;
    makeFragments(step, count, made);
    explode(step, count - made);
}

void Asteroid::makeFragments(TimeStep step, int count, int& made)
{
    const Level& level = GameManager::currentLevel();
    const Vector centre = getPosition();
    const Vector velocity = actualVelocity(*this);
    for (int i = 0; i < count; ++i) {
        const double size = randomDouble(0.2, 0.5) * size_;
        if (size < level.minAsteroidSize) continue;
        const Vector reach = Vector(randomBoxVector(0.2, 0.8), 1.0) * (getCollisionRadius() * 0.7);
        if (octantBag_.empty()) octantBag_ = shuffledOctants();
        const Vector signs = octantSigns(octantBag_.back());
        octantBag_.pop_back();
        const Vector offset(signs.x() * std::abs(reach.x()), signs.y() * std::abs(reach.y()),
                            signs.z() * std::abs(reach.z()));
        auto* fragment = new Asteroid(size, kind_, fragmentGraceTime);
        fragment->setPosition(centre + offset);
        fragment->setVelocity(velocity + offset * 0.7);
        // Every draw into its own name: the order of a call's arguments is left open.
        const double angle = randomDouble(0, 360);
        const Vector axis = randomBoxVector(-1, 1);
        fragment->setRotation(angle, axis);
        const double spin = randomDouble(0, size * level.asteroidSpinPerSize + level.asteroidSpinBase);
        const Vector spinAxis = randomBoxVector(-1, 1);
        fragment->setSpin(spin, spinAxis);
        release(fragment, step);
        ++made;
    }
}

void Asteroid::explode(TimeStep step, int missingFragments)
{
    const Level& level = GameManager::currentLevel();
    ColorCloudFactory& factory = *kindClouds()[kind_].explosion;
    const double alpha = getAlpha();
    const Vector centre = getPosition();
    const Vector velocity = actualVelocity(*this);
    const double radius = getCollisionRadius();

    auto* cloud = factory.makeCloud();
    cloud->setPosition(centre);
    cloud->setVelocity(velocity);
    cloud->setAlpha(alpha * level.explosionCloud.alphaFactor);
    cloud->setScale(level.explosionCloud.scalePerSize * size_);
    cloud->setGrowth(level.explosionCloud.growthPerSize * size_);
    cloud->setLifetime(level.explosionCloud.lifetime);
    release(cloud, step);

    // About five more dust clouds for every fragment too small to be made.
    const DustCount& counts = level.dustCount;
    const int dust = static_cast<int>(
        (randomDouble(-0.5, 0.5) * counts.spread + counts.perMissingFragment) * missingFragments + counts.base);
    const DustCloud& settings = level.dustCloud;
    factory.setAlpha(alpha * settings.alphaBase);
    for (int i = 0; i < dust; ++i) {
        const Vector direction = randomBoxVector(-1, 1);
        const Vector drift = Vector(direction, randomDouble(0, 1)) * radius;
        auto* puff = factory.makeCloud();
        puff->setPosition(centre + drift * level.dustPositionFactor);
        puff->setVelocity(velocity + drift * level.dustVelocityFactor);
        puff->setAlpha(randomDouble(-0.5, 0.5) * alpha * settings.alphaSpread + settings.alphaBase);
        puff->setScale((randomDouble(-0.5, 0.5) * settings.scaleSpread + settings.scaleBase) * size_);
        puff->setGrowth((randomDouble(-0.5, 0.5) * settings.growthSpread + settings.growthBase) * size_);
        puff->setLifetime(randomDouble(-0.5, 0.5) * settings.lifetimeSpread + settings.lifetimeBase);
        release(puff, step);
    }
}

Asteroid* Asteroid::withNumber(int number)
{
    if (number <= 0) return nullptr;  // the rocks made without a world share 0
    for (Asteroid* asteroid : registry())
        if (asteroid->number_ == number) return asteroid;
    return nullptr;
}

void Asteroid::setPointsHandler(PointsHandler handler)
{
    pointsHandler() = handler ? std::move(handler) : PointsHandler(addToGameScore);
}

std::vector<int> Asteroid::shuffledOctants()
{
    std::vector<int> remaining{0, 1, 2, 3, 4, 5, 6, 7};
    std::vector<int> bag;
    while (!remaining.empty()) {
        const int at = randomInt(0, static_cast<int>(remaining.size()) - 1);
        bag.push_back(remaining[at]);
        remaining.erase(remaining.begin() + at);
    }
    return bag;
}

Vector Asteroid::octantSigns(int octant)
{
    return Vector(octant & 4 ? -1 : 1, octant & 2 ? -1 : 1, octant & 1 ? -1 : 1);
}

void Asteroid::draw()
{
    if (wrecked_) glDisable(GL_DEPTH_TEST);
    Space::activateNearbyProjectileLights(this, getCollisionRadius() + projectileLightReach);
    DynamicSceneObject::draw();
    drawChildren();
    Space::deactivateProjectileLights();
    if (wrecked_) glEnable(GL_DEPTH_TEST);
}

void Asteroid::drawSolidGeometry() { model_->drawPlainGeometry(); }

void Asteroid::setVelocity(const Vector& velocity)
{
    Vector capped = velocity.isFinite() ? velocity : Vector();
    if (capped.length() > maxSpeed_) capped = Vector(capped, maxSpeed_);
    DynamicSceneObject::setVelocity(capped);
}

void Asteroid::setSpin(double speed, const Vector& axis)
{
    const double capped = std::isfinite(speed) ? std::clamp(speed, -maxSpin_, maxSpin_) : 0.0;
    DynamicSceneObject::setSpin(capped, axis);
}

void Asteroid::setTransformOrder(int order)
{
    if (order != 0) throw GameError("The multiplicity order of asteroid can not be set");
}

double Asteroid::getAlpha() { return model_->getAlpha(); }

void Asteroid::setAlpha(double alpha)
{
    model_->setAlpha(alpha);
    if (lifeBeam_ != nullptr) lifeBeam_->setAlpha(alpha);
    if (targetPointer_ != nullptr) targetPointer_->setAlpha(alpha);
    selectionMarker_->setAlpha(alpha);
}
