#pragma once
// SpaceManager: the player's control of one game. Making it makes the world (Space) and hangs
// it into the scene graph with its camera; deleting it deletes the world at once.
// Every frame (update) it moves and turns the ship frame from the keys and the mouse through
// the flight model (ShipControl), then advances the whole scene. W/S or up/down thrust, A/D or
// left/right strafe; the mouse's offset from the window centre asks for a turn rate. Mouse
// buttons: left fires the guns while held, right launches a rocket at the asteroid under the
// pointer, middle charges and fires the laser while held, and a middle click shorter than half
// a second selects the asteroid under the pointer. Which rock was under the pointer comes with
// the click (the window picks it with pickAsteroid, a replay reads it from its file). While
// paused, no rocket is launched and the laser is off. After GameLost it stops listening and
// stops steering; the scene goes on.
// Depends on Space, SpaceShip, Asteroid, ShipControl, the listeners and key pairs, the
// scene graph, picking, PerformanceTimer, Level.
#include <memory>

#include "app/CombinedKey.h"
#include "app/GameEventListener.h"
#include "app/KeyPair.h"
#include "app/KeyPairListener.h"
#include "app/MouseButtonListener.h"
#include "app/MouseMoveListener.h"
#include "app/PerformanceTimer.h"
#include "app/Strafing.h"
#include "scene/BackgroundLight.h"
#include "scene/SceneGraph.h"
#include "world/ShipControl.h"

class Asteroid;
class Space;

class SpaceManager : public virtual MouseMoveListener,
                     public virtual MouseButtonListener,
                     public virtual GameEventListener,
                     public virtual KeyPairListener<Strafing>,
                     public virtual KeyPairListener<float> {
public:
    // `clickClock` times the middle button: the game's clock of recorded steps.
    explicit SpaceManager(PerformanceTimer::Counter clickClock = PerformanceTimer::steadyCounter);
    ~SpaceManager() override;

    // One frame of the game: steer the ship frame, then advance the scene by `step`.
    virtual void update(TimeStep step);
    virtual void setPaused(bool paused);
    // The asteroid under the window position, also through its target pointer; or null.
    virtual Asteroid* pickAsteroid(int x, int y);

    void mouseMoved(const Pointer& pointer) override;
    void mouseButtonPressed(int button, const Pointer& pointer) override;
    void mouseButtonReleased(int button, const Pointer& pointer) override;
    void keyPairChanged(KeyPair<float>& pair) override;
    void keyPairChanged(KeyPair<Strafing>& pair) override;
    void gameEventOccurred(GameEvent event) override;

    Space* getWorld() const { return world_; }
    const ShipControl& getControl() const { return control_; }
    bool isActive() const { return active_; }
    bool isPaused() const { return paused_; }
    Asteroid* getSelectedAsteroid() const { return selectedAsteroid_; }

    // A middle click shorter than this selects instead of only firing.
    static constexpr double clickDuration = 0.5;
    enum Button { LeftButton = 0, MiddleButton = 1, RightButton = 2 };

private:
    void select(Asteroid* asteroid);

    std::unique_ptr<CombinedKey> upKey_, downKey_, leftKey_, rightKey_;
    std::unique_ptr<KeyPair<float>> accelerationKeys_;
    std::unique_ptr<KeyPair<Strafing>> strafeKeys_;
    double thrust_ = 0.0;
    Strafing strafing_ = NoStrafing;
    SceneGraph* sceneGraph_;
    Space* world_;
    bool active_ = true;
    ShipControl control_;
    std::unique_ptr<BackgroundLight> ambientLight_;
    bool paused_ = false;
    PerformanceTimer clickTimer_;
    Asteroid* selectedAsteroid_ = nullptr;
    bool middleButtonDown_ = false;
};
