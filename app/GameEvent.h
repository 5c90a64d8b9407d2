#pragma once
// GameEvent: what the world tells the game flow about the end of a game.

enum GameEvent {
    GameLost = 0,  // the player's ship was destroyed
    GameWon = 1,   // the last asteroid was destroyed
};
