#include "app/MessageQueue.h"

#include <algorithm>

#include "app/Key.h"

MessageQueue& MessageQueue::forPlayer()
{
    static auto* queue = new MessageQueue;
    return *queue;
}

void MessageQueue::push(const std::string& title, const std::string& text)
{
    Message message{title, text};
    if (std::ranges::find(waiting_, message) == waiting_.end()) waiting_.push_back(std::move(message));
}

bool MessageQueue::takeInput(const InputEvent& event)
{
    if (releasesDismissingPress(event)) {
        dismissingPress_.reset();
        return true;
    }
    if (isEmpty() || !dismisses(event)) return false;
    waiting_.pop_front();
    dismissingPress_ = event;
    return true;
}

bool MessageQueue::dismisses(const InputEvent& event)
{
    switch (event.kind) {
        case InputEvent::KeyDown:
        case InputEvent::ButtonDown:
            return true;
        case InputEvent::SpecialDown:
            return !Key::isModifier(event.code);
        default:
            return false;
    }
}

bool MessageQueue::releasesDismissingPress(const InputEvent& event) const
{
    if (!dismissingPress_) return false;
    const InputEvent& press = *dismissingPress_;
    switch (event.kind) {
        case InputEvent::KeyUp:
            // Shift let go first brings the key back as its other character.
            return press.kind == InputEvent::KeyDown && Key(static_cast<unsigned char>(press.code), true)
                                                            .matchesRelease(static_cast<unsigned char>(event.code));
        case InputEvent::SpecialUp:
            return press.kind == InputEvent::SpecialDown && press.code == event.code;
        case InputEvent::ButtonUp:
            return press.kind == InputEvent::ButtonDown && press.code == event.code;
        default:
            return false;
    }
}
