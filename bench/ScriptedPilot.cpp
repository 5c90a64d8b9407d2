#include "bench/ScriptedPilot.h"

#include <GL/freeglut_std.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "app/GameManager.h"
#include "scene/Camera.h"
#include "world/Asteroid.h"
#include "world/Random.h"

namespace {
constexpr int fps = ScriptedPilot::framesPerSecond;
// One round of the script; the phases below are frames into it.
constexpr int roundLength = 8 * fps;
constexpr int thrustEnd = 2 * fps, brakeStart = 5 * fps, brakeEnd = 5 * fps + fps / 2;
constexpr int strafeLeftStart = 2 * fps + fps / 2, strafeLeftEnd = 4 * fps;
constexpr int strafeRightStart = 6 * fps, strafeRightEnd = 7 * fps + fps / 2;
constexpr int laserStart = fps, laserEnd = 3 * fps + fps / 2;
constexpr int rocketInterval = fps, rocketOffset = fps / 2;
// The weave: the pointer's offset from the centre as a fraction of the window, and its periods.
constexpr double weaveWidth = 0.06, weaveHeight = 0.04;
constexpr double weavePeriodX = 10.0 * fps, weavePeriodY = 7.0 * fps;

// Where the battle's rocks are gathered: a box ahead of the ship, which looks along -z.
constexpr double battleHalfWidth = 10.0, battleNear = 12.0, battleFar = 35.0;

double wave(int frame, double period) { return std::sin(2.0 * std::numbers::pi * frame / period); }

void send(InputEvent::Kind kind, int code, int x = 0, int y = 0)
{
    GameManager::getInstance()->receive({kind, code, x, y, 0});
}
}  // namespace

ScriptedPilot::ScriptedPilot(int width, int height) : width_(width), height_(height), pointer_{width / 2, height / 2} {}

void ScriptedPilot::fly(int frame)
{
    const int phase = frame % roundLength;
    steer(frame);
    throttle(phase);
    fire(frame, phase);
}

void ScriptedPilot::steer(int frame)
{
    pointer_ = {static_cast<int>(width_ * (0.5 + weaveWidth * wave(frame, weavePeriodX))),
                static_cast<int>(height_ * (0.5 + weaveHeight * wave(frame, weavePeriodY)))};
    send(InputEvent::PointerMove, 0, pointer_.x, pointer_.y);
}

void ScriptedPilot::throttle(int phase)
{
    holdKey('w', phase < thrustEnd);
    holdKey('s', phase >= brakeStart && phase < brakeEnd);
    holdKey('a', phase >= strafeLeftStart && phase < strafeLeftEnd);
    holdKey('d', phase >= strafeRightStart && phase < strafeRightEnd);
}

void ScriptedPilot::fire(int frame, int phase)
{
    holdButton(GLUT_LEFT_BUTTON, true);
    holdButton(GLUT_MIDDLE_BUTTON, phase >= laserStart && phase < laserEnd);
    if (frame % rocketInterval != rocketOffset) return;
    const Point target = rocketTarget();
    send(InputEvent::ButtonDown, GLUT_RIGHT_BUTTON, target.x, target.y);
    send(InputEvent::ButtonUp, GLUT_RIGHT_BUTTON, target.x, target.y);
}

// The rock in view nearest the crosshair, where a player would click; the pointer if none.
ScriptedPilot::Point ScriptedPilot::rocketTarget() const
{
    Camera* camera = Camera::getActive();
    if (camera == nullptr) return pointer_;
    const Matrix view = camera->getViewMatrix();
    const Matrix viewProjection = camera->getViewProjectionMatrix();
    Point best = pointer_;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (Asteroid* asteroid : Asteroid::registry()) {
        const Vector at = asteroid->getAbsolutePosition();
        if (view.apply(at).z() >= 0.0) continue;  // behind the eye
        const Vector onScreen = viewProjection.apply(at);
        if (std::abs(onScreen.x()) > 1.0 || std::abs(onScreen.y()) > 1.0) continue;
        const Point point{static_cast<int>((onScreen.x() + 1.0) / 2.0 * width_),
                          static_cast<int>((1.0 - onScreen.y()) / 2.0 * height_)};
        const double distance = std::hypot(point.x - width_ / 2, point.y - height_ / 2);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = point;
        }
    }
    return best;
}

void ScriptedPilot::holdKey(unsigned char key, bool down)
{
    if (down == (heldKeys_.count(key) != 0)) return;
    if (down) {
        heldKeys_.insert(key);
        send(InputEvent::KeyDown, key);
    } else {
        heldKeys_.erase(key);
        send(InputEvent::KeyUp, key);
    }
}

void ScriptedPilot::holdButton(int button, bool down)
{
    if (down == (heldButtons_.count(button) != 0)) return;
    if (down) {
        heldButtons_.insert(button);
        send(InputEvent::ButtonDown, button, pointer_.x, pointer_.y);
    } else {
        heldButtons_.erase(button);
        send(InputEvent::ButtonUp, button, pointer_.x, pointer_.y);
    }
}

void ScriptedPilot::letGo()
{
    for (unsigned char key : std::set<unsigned char>(heldKeys_)) holdKey(key, false);
    for (int button : std::set<int>(heldButtons_)) holdButton(button, false);
}

void ScriptedPilot::gatherRocksAhead()
{
    for (Asteroid* asteroid : Asteroid::registry().snapshot()) {
        const double x = randomDouble(-battleHalfWidth, battleHalfWidth);
        const double y = randomDouble(-battleHalfWidth, battleHalfWidth);
        asteroid->setPosition(x, y, -randomDouble(battleNear, battleFar));
    }
}
