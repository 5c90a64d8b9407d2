#include "app/PadTranslator.h"

#include <GL/freeglut_std.h>

#include <algorithm>
#include <cmath>

#include "app/KeyCodes.h"
#include "world/SpaceManager.h"

namespace {
// What the pad holds in a game, in the order of the outputs below.
struct HeldOutput {
    bool button;  // a mouse button, else a special key
    int code;
};
constexpr HeldOutput heldOutputs[] = {
    {true, SpaceManager::LeftButton}, {true, SpaceManager::MiddleButton}, {false, GLUT_KEY_UP},
    {false, GLUT_KEY_DOWN},           {false, GLUT_KEY_LEFT},             {false, GLUT_KEY_RIGHT},
};
enum { guns, laser };

bool beyond(double axis) { return axis > PadTranslator::pressThreshold; }

InputEvent at(InputEvent::Kind kind, int code, std::pair<int, int> pixel) { return {kind, code, pixel.first, pixel.second}; }

void pressKey(unsigned char key, std::vector<InputEvent>& out)
{
    out.push_back({InputEvent::KeyDown, key});
    out.push_back({InputEvent::KeyUp, key});
}

void click(int button, std::pair<int, int> pixel, std::vector<InputEvent>& out)
{
    out.push_back(at(InputEvent::ButtonDown, button, pixel));
    out.push_back(at(InputEvent::ButtonUp, button, pixel));
}

std::pair<int, int> pointer(const PadView& view) { return {view.pointerX, view.pointerY}; }

std::pair<int, int> entryPixel(const PadView& view, int entry)
{
    const auto [x, y] = view.entries[entry];
    return {static_cast<int>(std::lround(x * view.width)), static_cast<int>(std::lround((1.0 - y) * view.height))};
}
}  // namespace

std::pair<double, double> PadTranslator::deflection(double x, double y)
{
    const double length = std::hypot(x, y);
    if (length <= deadZone) return {0.0, 0.0};
    // Rescaled so that the edge of the dead zone is at rest and full deflection stays full; a
    // square gate's corner gives full deflection on both axes.
    const double scale = (length - deadZone) / ((1.0 - deadZone) * length);
    return {std::clamp(x * scale, -1.0, 1.0), std::clamp(y * scale, -1.0, 1.0)};
}

std::pair<int, int> PadTranslator::stickPixel(std::pair<double, double> deflection, int width, int height)
{
    const double reach = std::min(width, height) / 2.0;
    return {static_cast<int>(std::lround(width / 2.0 + deflection.first * reach)),
            static_cast<int>(std::lround(height / 2.0 + deflection.second * reach))};
}

bool PadTranslator::went(const PadState& pad, PadButton button) const { return pad.held(button) && !last_.held(button); }

std::vector<InputEvent> PadTranslator::translate(const PadState& pad, const PadView& view, std::int64_t micros)
{
    std::vector<InputEvent> out;
    deflection_ = deflection(pad.leftX, pad.leftY);
    if (view.mode != PadView::MainMenu && view.mode != PadView::GameMenu) menuDirection_ = 0;
    std::array<bool, heldCount> wanted{};
    if (view.mode == PadView::Game) {
        const double t = pressThreshold;
        wanted = {beyond(pad.rightTrigger),
                  beyond(pad.leftTrigger),
                  pad.rightY < -t || pad.held(PadButton::DpadUp),
                  pad.rightY > t || pad.held(PadButton::DpadDown),
                  pad.held(PadButton::LeftShoulder),
                  pad.held(PadButton::RightShoulder)};
        steer(view, out);
        // Start leaves the game for its menu: nothing may stay held into it.
        if (went(pad, PadButton::Start)) wanted = {};
    }
    hold(wanted, view, out);
    if (view.mode == PadView::Game)
        gameCommands(pad, view, out);
    else
        menuCommands(pad, view, micros, out);
    last_ = pad;
    lastDeflection_ = deflection_;
    lastMode_ = view.mode;
    return out;
}

std::vector<InputEvent> PadTranslator::release(const PadView& view)
{
    std::vector<InputEvent> out;
    hold({}, view, out);
    last_ = {};
    lastDeflection_ = {0.0, 0.0};
    menuDirection_ = 0;
    return out;
}

void PadTranslator::hold(const std::array<bool, heldCount>& wanted, const PadView& view, std::vector<InputEvent>& out)
{
    for (int i = 0; i < heldCount; ++i) {
        if (wanted[i] == held_[i]) continue;
        held_[i] = wanted[i];
        const HeldOutput& output = heldOutputs[i];
        if (output.button)
            out.push_back(at(wanted[i] ? InputEvent::ButtonDown : InputEvent::ButtonUp, output.code, pointer(view)));
        else
            out.push_back({wanted[i] ? InputEvent::SpecialDown : InputEvent::SpecialUp, output.code});
    }
}

void PadTranslator::steer(const PadView& view, std::vector<InputEvent>& out)
{
    const std::pair<int, int> pixel = stickPixel(deflection_, view.width, view.height);
    const bool moved = pixel != stickPixel(lastDeflection_, view.width, view.height);
    // Back from a menu where the pad left the pointer on an entry: the stick takes it back.
    const bool resumed = lastMode_ != PadView::Game && pointer(view) == lastSent_ && pixel != lastSent_;
    if (!moved && !resumed) return;
    out.push_back(at(InputEvent::PointerMove, 0, pixel));
    lastSent_ = pixel;
}

void PadTranslator::gameCommands(const PadState& pad, const PadView& view, std::vector<InputEvent>& out)
{
    if (went(pad, PadButton::South)) click(SpaceManager::RightButton, pointer(view), out);
    // A click of the middle button selects; while the trigger holds it, its release would end the laser.
    if (went(pad, PadButton::West) && !held_[laser]) click(SpaceManager::MiddleButton, pointer(view), out);
    if (went(pad, PadButton::Back)) pressKey(KeyCode::pause, out);
    if (went(pad, PadButton::Start)) pressKey(KeyCode::escape, out);
}

void PadTranslator::menuCommands(const PadState& pad, const PadView& view, std::int64_t micros,
                                 std::vector<InputEvent>& out)
{
    const bool south = went(pad, PadButton::South), east = went(pad, PadButton::East);
    const bool start = went(pad, PadButton::Start);
    switch (view.mode) {
        case PadView::MainMenu:
        case PadView::GameMenu: {
            const int entries = static_cast<int>(view.entries.size());
            const double t = pressThreshold;
            const int direction = (pad.held(PadButton::DpadDown) || pad.leftY > t ? 1 : 0) -
                                  (pad.held(PadButton::DpadUp) || pad.leftY < -t ? 1 : 0);
            bool step = false;
            if (direction != 0 && direction != menuDirection_) {
                step = true;
                nextStep_ = micros + repeatDelay;
            } else if (direction != 0 && micros >= nextStep_) {
                step = true;
                nextStep_ = micros + repeatInterval;
            }
            menuDirection_ = direction;
            if (step && entries > 0) {
                const int target = view.highlighted < 0 ? (direction > 0 ? 0 : entries - 1)
                                                        : std::clamp(view.highlighted + direction, 0, entries - 1);
                if (target != view.highlighted) {
                    lastSent_ = entryPixel(view, target);
                    out.push_back(at(InputEvent::PointerMove, 0, lastSent_));
                }
            }
            if (south && view.highlighted >= 0 && view.highlighted < entries)
                click(SpaceManager::LeftButton, entryPixel(view, view.highlighted), out);
            if ((start || east) && view.mode == PadView::GameMenu) pressKey(KeyCode::escape, out);
            break;
        }
        case PadView::Screen:
            if (east) pressKey(KeyCode::escape, out);
            if (south) pressKey(KeyCode::space, out);
            break;
        case PadView::GameOver:
            if (south || start || east) pressKey(KeyCode::escape, out);
            break;
        case PadView::NameEntry:
            if (south || start) pressKey(KeyCode::carriageReturn, out);
            break;
        default:
            break;
    }
}
