#pragma once
// GameEventListener: told when a game is won or lost, for as long as it lives.
#include "app/GameEvent.h"

#include "scene/Registered.h"

class GameEventListener : public Registered<GameEventListener> {
public:
    GameEventListener() : Registered(this) {}
    virtual ~GameEventListener() = default;

    virtual void gameEventOccurred(GameEvent event) = 0;
};

void raiseGameEvent(GameEvent event);
