#pragma once
// ScriptedPilot: flies a game through the input the window hands the game manager (so the
// game is recorded like any other), on a script that depends only on the frame number and the
// world: the guns held all the time, thrust and strafing in turns, a slow weave of the mouse,
// a rocket every second at the rock nearest the crosshair, and the laser charged and fired in
// long bursts (too long to count as a click).
// It aims with the active camera; it does not notice a lost ship (the game stops listening
// then) and never opens a menu. Depends on GameManager (its input), Camera and Asteroid.
#include <set>

class ScriptedPilot {
public:
    // The window size in pixels, for the mouse.
    ScriptedPilot(int width, int height);

    // The inputs of one frame; frames come at framesPerSecond.
    void fly(int frame);
    // Releases every key and button still held.
    void letGo();

    // The start of a battle: every rock of the new world gathered in a box ahead of the ship,
    // so that fragments, sparks, dust and rocket trails fill the view (GameManager's special
    // start "battle").
    static void gatherRocksAhead();

    static constexpr int framesPerSecond = 60;

private:
    struct Point {
        int x, y;
    };

    void steer(int frame);
    void throttle(int phase);
    void fire(int frame, int phase);
    Point rocketTarget() const;
    void holdKey(unsigned char key, bool down);
    void holdButton(int button, bool down);

    int width_, height_;
    Point pointer_;
    std::set<unsigned char> heldKeys_;
    std::set<int> heldButtons_;
};
