#pragma once
// GameManager: the singleton that owns the game flow: the window, the frame loop with its
// real-time and game-time steps, and everything the flow shows.
// It must be created with initialize(); getInstance() before that throws GameError.
#include <string>

#include "app/GameState.h"
#include "app/PerformanceTimer.h"

struct Level;

class GameManager {
public:
    virtual ~GameManager() = default;

public:
    // Creates the singleton once; later calls do nothing.
    static void initialize(int* argc, char** argv);
    static GameManager* getInstance();
    // Enters the window's event loop (never returns with a real window); nothing without a
    // singleton.
    static void run();
    // The one tuning record of the game; it holds the "Easy" values until a level is chosen.
    // Needs no singleton.
    static Level& currentLevel();
    // Resets the record to its defaults and applies the named level (see app/Level.h).
    static void selectLevel(const std::string& name);

    // The per-frame update: real-time objects first, then the world while a game runs.
    void frame();
    // Points of a destroyed asteroid, counted only while a game runs, times the level's score
    // factor.
    virtual void addScore(double points);
    GameState getState() const { return state_; }
    int getScore() const { return score_; }

    GameManager(const GameManager&) = delete;
    GameManager& operator=(const GameManager&) = delete;

private:
    GameManager(int* argc, char** argv);

    GameState state_ = GameState::Uninitialized;
    PerformanceTimer timer_{true};
    double lastRealTime_ = 0.0;
    int score_ = 0;
};
