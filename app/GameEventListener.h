#pragma once
// GameEventListener: told when a game is won or lost, for as long as it lives.
#include "app/GameEvent.h"

class GameEventListener {
public:
    GameEventListener();
    GameEventListener(const GameEventListener&);
    GameEventListener& operator=(const GameEventListener&) = default;
    virtual ~GameEventListener();

    virtual void gameEventOccurred(GameEvent event) = 0;
};

void raiseGameEvent(GameEvent event);
