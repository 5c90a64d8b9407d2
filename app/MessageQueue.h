#pragma once
// MessageQueue: the messages the player is to read in the window (a damaged picture or
// highscore file, a replay that cannot be played), shown one at a time in the order they
// came, each until the player dismisses it. A message equal to one still waiting is not
// queued again. While a message is shown, the next key press or mouse click dismisses it,
// and that press and its release are the queue's alone (takeInput); modifier keys, pointer
// moves, window sizes and the releases of keys held before are not.
// The program's queue (forPlayer) is filled by the window and emptied by the game manager.
// Depends on InputEvent and Key; it draws nothing and knows nothing of replays.
#include <deque>
#include <optional>
#include <string>

#include "app/InputEvent.h"

class MessageQueue {
public:
    struct Message {
        std::string title;
        std::string text;
        bool operator==(const Message&) const = default;
    };

    static MessageQueue& forPlayer();

    void push(const std::string& title, const std::string& text);
    bool isEmpty() const { return waiting_.empty(); }
    // The message shown now; the queue must not be empty.
    const Message& current() const { return waiting_.front(); }
    // Returns whether `event` dismissed the message shown or was the release of the press
    // that did; such an event must go nowhere else.
    bool takeInput(const InputEvent& event);

private:
    static bool dismisses(const InputEvent& event);
    bool releasesDismissingPress(const InputEvent& event) const;

    std::deque<Message> waiting_;
    std::optional<InputEvent> dismissingPress_;
};
