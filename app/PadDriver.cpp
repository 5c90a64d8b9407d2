#include "app/PadDriver.h"

#include "app/GameManager.h"
#include "app/KeyCodes.h"
#include "scene/Platform.h"
#include "world/Space.h"

namespace {
PadView::Mode modeOf(GameState state)
{
    switch (state) {
        case GameState::Running:
        case GameState::Paused:
            return PadView::Game;
        case GameState::Lost:
        case GameState::Won:
            return PadView::GameOver;
        case GameState::MainMenu:
            return PadView::MainMenu;
        case GameState::GameMenu:
            return PadView::GameMenu;
        case GameState::Help:
        case GameState::Highscores:
        case GameState::Credits:
            return PadView::Screen;
        case GameState::NameEntry:
            return PadView::NameEntry;
        case GameState::Uninitialized:
            break;
    }
    return PadView::None;
}
}  // namespace

PadDriver::PadDriver(GameManager& game, std::unique_ptr<GamePads> pads) : game_(game), pads_(std::move(pads)) {}

PadView PadDriver::view() const
{
    PadView view;
    view.mode = modeOf(game_.getState());
    const Pointer window = game_.inputWindow();
    view.width = window.width;
    view.height = window.height;
    view.pointerX = game_.lastPointer().x;
    view.pointerY = game_.lastPointer().y;
    const Menu* menu = view.mode == PadView::MainMenu ? game_.getMainMenu()
                       : view.mode == PadView::GameMenu ? game_.getGameMenu()
                                                        : nullptr;
    if (menu == nullptr || !menu->isActive()) return view;
    for (const auto& entry : menu->getEntries()) {
        if (entry.get() == menu->getHighlighted()) view.highlighted = static_cast<int>(view.entries.size());
        view.entries.emplace_back(entry->getX(), entry->getY());
    }
    return view;
}

void PadDriver::beforeFrame(std::int64_t wallMicros)
{
    pads_->pump();
    const PadView shown = view();
    std::vector<InputEvent> events;
    if (pads_->takeDriverLost()) {
        events = translator_.release(shown);
        // As on consoles: the game waits for its pilot.
        if (game_.getState() == GameState::Running) {
            events.push_back({InputEvent::KeyDown, KeyCode::pause});
            events.push_back({InputEvent::KeyUp, KeyCode::pause});
        }
    } else if (!Platform::get().hasFocus()) {
        events = translator_.release(shown);
    } else {
        events = translator_.translate(pads_->driverState(), shown, wallMicros);
    }
    for (const InputEvent& event : events) game_.receive(event);
}

void PadDriver::afterFrame()
{
    if (game_.isPlayingBack()) return;
    switch (rumble_.look(Space::current())) {
        case RumbleWatch::Strong:
            pads_->rumble(hitStrength, hitStrength, hitMillis);
            break;
        case RumbleWatch::Weak:
            pads_->rumble(breakStrength, breakStrength, breakMillis);
            break;
        case RumbleWatch::None:
            break;
    }
}
