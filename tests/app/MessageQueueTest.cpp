// The messages waiting for the player: their order, and which input dismisses them.
#include "app/MessageQueue.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {
using E = InputEvent;

std::vector<std::string> shownWhileTaking(MessageQueue& queue, const std::vector<E>& input)
{
    std::vector<std::string> taken;
    for (const E& event : input) {
        const std::string shown = queue.isEmpty() ? "" : queue.current().text;
        if (queue.takeInput(event)) taken.push_back(shown);
    }
    return taken;
}
}  // namespace

TEST(MessageQueueTest, MessagesShowInTurnEachOnceDismissedByAPressOrClick)
{
    MessageQueue queue;
    queue.push("Error", "first");
    queue.push("Error", "second");
    queue.push("Error", "first");
    EXPECT_EQ(queue.current().text, "first");
    EXPECT_EQ(shownWhileTaking(queue, {{E::KeyDown, 'x'}, {E::KeyDown, 'y'}, {E::KeyDown, 'z'}}),
              (std::vector<std::string>{"first", "second"}))
        << "the repeat of a waiting message is not queued, and an empty queue takes no input";
    EXPECT_TRUE(queue.isEmpty());

    // A press or click dismisses, and its release goes with it.
    const std::vector<std::pair<std::vector<E>, std::vector<bool>>> inputAndTaken = {
        {{{E::KeyDown, 'W'}, {E::KeyUp, 'w'}, {E::KeyUp, 'w'}}, {true, true, false}},
        {{{E::SpecialDown, GLUT_KEY_F1}, {E::SpecialUp, GLUT_KEY_F1}}, {true, true}},
        {{{E::ButtonDown, GLUT_MIDDLE_BUTTON}, {E::ButtonUp, GLUT_LEFT_BUTTON}, {E::ButtonUp, GLUT_MIDDLE_BUTTON}},
         {true, false, true}},
        {{{E::SpecialDown, GLUT_KEY_SHIFT_L}, {E::PointerMove, 0, 5, 5}, {E::KeyUp, 'a'}}, {false, false, false}},
        {{{E::SpecialDown, GLUT_KEY_NUM_LOCK}, {E::WindowSize, 0, 640, 480}}, {false, false}},
    };
    for (const auto& [input, expected] : inputAndTaken) {
        MessageQueue queue;
        queue.push("Error", "message");
        std::vector<bool> taken;
        for (const E& event : input) taken.push_back(queue.takeInput(event));
        EXPECT_EQ(taken, expected) << "input starting with kind " << int(input[0].kind);
    }
}
