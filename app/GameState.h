#pragma once
// GameState: where the game flow stands; it decides what is shown, whether game time runs
// and whether the world advances.

enum class GameState {
    Uninitialized = 0,
    MainMenu = 1,
    GameMenu = 2,  // the in-game menu over the stopped game
    Running = 3,
    Paused = 4,
    Lost = 5,  // "GAME OVER" while the world keeps moving
    Won = 6,
    Highscores = 7,
    NameEntry = 8,
    Help = 9,
    Credits = 10,
};
