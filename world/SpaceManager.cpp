#include "world/SpaceManager.h"

#include "app/GameManager.h"
#include "app/Level.h"
#include "overlay/TargetPointer.h"
#include "scene/Selectable.h"
#include "world/Asteroid.h"
#include "world/Space.h"
#include "world/SpaceShip.h"

namespace {
constexpr double ambientLevel = 0.2;
// GLUT's codes of the arrow keys.
constexpr int arrowLeft = 100, arrowUp = 101, arrowRight = 102, arrowDown = 103;

std::unique_ptr<CombinedKey> virtualKey(unsigned char letter, int special)
{
    return std::make_unique<CombinedKey>(Key(letter, false), Key(special), CombinedKey::anyKeyDown);
}

float thrustOf(bool forward, bool backward)
{
    if (forward == backward) return 0.0f;
    return forward ? 1.0f : -1.0f;
}

Strafing strafingOf(bool left, bool right)
{
    if (left == right) return NoStrafing;
    return left ? StrafeLeft : StrafeRight;
}

FlightLimits levelLimits()
{
    const Level& level = GameManager::currentLevel();
    return {level.maxForwardSpeed, level.maxBackwardSpeed,   level.forwardAcceleration, level.backwardAcceleration,
            level.maxStrafeSpeed,  level.strafeAcceleration, level.steeringRate,        level.steeringResponse};
}
}  // namespace

SpaceManager::SpaceManager(PerformanceTimer::Counter clickClock)
    : upKey_(virtualKey('W', arrowUp)),
      downKey_(virtualKey('S', arrowDown)),
      leftKey_(virtualKey('A', arrowLeft)),
      rightKey_(virtualKey('D', arrowRight)),
      accelerationKeys_(std::make_unique<KeyPair<float>>(Key(*upKey_), Key(*downKey_), thrustOf, this)),
      strafeKeys_(std::make_unique<KeyPair<Strafing>>(Key(*leftKey_), Key(*rightKey_), strafingOf, this)),
      sceneGraph_(SceneGraph::getInstance()),
      world_(Space::getInstance()),
      control_(levelLimits()),
      ambientLight_(std::make_unique<BackgroundLight>(ambientLevel, ambientLevel, ambientLevel)),
      clickTimer_(true, std::move(clickClock))
{
    ambientLight_->activate();
    world_->setFrontEmission(0.0f, 0.0f, 0.0f);
    world_->setFrontAmbient(0.0f, 0.0f, 0.0f);
    world_->setFrontDiffuse(0.8f, 0.8f, 0.8f);
    world_->setFrontSpecular(0.0f, 0.0f, 0.0f);
    world_->setFrontShininess(50.0f);
    sceneGraph_->addChild(world_);
    sceneGraph_->setCamera(world_->getCamera());
    // The frame turns about its own axes, as a pilot does.
    world_->getShipFrame()->setRotationMode(0);
}

SpaceManager::~SpaceManager()
{
    // The world goes at once, with everything in it.
    if (Space::current() == world_) {
        world_->destroy();
        SceneGraph::deleteDestroyedObjects();
    }
}

void SpaceManager::update(TimeStep step)
{
    if (active_) {
        control_.update(step.delta, thrust_, strafing_);
        DynamicScene* frame = world_->getShipFrame();
        const Matrix place = frame->getAbsoluteMatrix();
        frame->setVelocity(control_.velocity(-place.zAxis(), -place.xAxis()));
        if (SpaceShip* ship = world_->getShip()) ship->setEngineSpeed(control_.speed());
        // Mouse right yaws right about the frame's y axis, mouse down pitches the nose down.
        const Vector turn = control_.turn();
        frame->setSpin(-turn.length(), turn.y(), turn.x(), 0.0);
        world_->getCamera()->setPosition(control_.cameraPosition());
    }
    sceneGraph_->calculate(step);
}

void SpaceManager::mouseMoved(const Pointer& pointer) { control_.aimAt(pointer.steerX(), pointer.steerY()); }

void SpaceManager::mouseButtonPressed(int button, const Pointer& pointer)
{
    SpaceShip* ship = world_->getShip();
    if (ship == nullptr) return;
    switch (button) {
        case LeftButton:
            ship->startFiringProjectiles();
            break;
        case RightButton:
            if (!paused_) ship->fireRockets(Asteroid::withNumber(pointer.rock));
            break;
        case MiddleButton:
            middleButtonDown_ = true;
            if (paused_) break;
            clickTimer_.reset(false);
            ship->startLaser();
            break;
        default:
            break;
    }
}

void SpaceManager::mouseButtonReleased(int button, const Pointer& pointer)
{
    SpaceShip* ship = world_->getShip();
    if (ship == nullptr) return;
    if (button == LeftButton) {
        ship->stopFiringProjectiles();
    } else if (button == MiddleButton) {
        middleButtonDown_ = false;
        if (paused_) return;
        if (clickTimer_.getElapsed() < clickDuration) select(Asteroid::withNumber(pointer.rock));
        ship->stopLaser();
    }
}

void SpaceManager::select(Asteroid* asteroid)
{
    // The one selected before may be gone, and another rock may even have its address now.
    if (selectedAsteroid_ != nullptr &&
        (!Asteroid::registry().contains(selectedAsteroid_) || !selectedAsteroid_->isSelected()))
        selectedAsteroid_ = nullptr;
    if (asteroid == nullptr || asteroid == selectedAsteroid_) return;
    if (selectedAsteroid_ != nullptr) selectedAsteroid_->setSelected(false);
    selectedAsteroid_ = asteroid;
    asteroid->setSelected(true);
}

Asteroid* SpaceManager::pickAsteroid(int x, int y)
{
    Selectable* picked = Selectable::pick(x, y);
    if (auto* asteroid = dynamic_cast<Asteroid*>(picked)) return asteroid;
    if (auto* pointer = dynamic_cast<TargetPointer*>(picked)) return dynamic_cast<Asteroid*>(pointer->getTarget());
    return nullptr;
}

void SpaceManager::keyPairChanged(KeyPair<float>& pair) { thrust_ = pair.value(); }

void SpaceManager::keyPairChanged(KeyPair<Strafing>& pair) { strafing_ = pair.value(); }

void SpaceManager::gameEventOccurred(GameEvent event)
{
    if (event != GameLost) return;
    MouseMoveListener::setListening(false);
    MouseButtonListener::setListening(false);
    active_ = false;
}

void SpaceManager::setPaused(bool paused)
{
    if (paused == paused_) return;
    paused_ = paused;
    clickTimer_.setPaused(paused);
    SpaceShip* ship = world_->getShip();
    if (ship == nullptr) return;
    // The laser's sound must not go on over a stopped game; a held button charges it anew.
    if (!paused && middleButtonDown_)
        ship->startLaser();
    else
        ship->stopLaser();
}
