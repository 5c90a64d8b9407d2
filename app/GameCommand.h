#pragma once
// GameCommand: every input that changes what the player sees becomes one of these, and the
// game manager decides from its state what happens.

enum class GameCommand {
    Initialize = 0,
    Resume = 1,          // menu entry "resume"
    StartGame = 2,       // menu entry "start"
    Back = 3,            // ESC
    TogglePause = 4,     // P, while running or paused
    Exit = 5,            // menu entry "exit"
    GameLost = 6,        // the ship was destroyed
    GameWon = 7,         // the last asteroid was destroyed
    ShowHighscores = 8,  // menu entry "highscores"; paging in the highscore display
    FinishGame = 9,      // menu entry "finish"
    NameEntered = 10,    // Enter or Return during name entry
    ShowHelp = 11,       // menu entry "help", H; paging in the help screen
    ShowCredits = 12,    // menu entry "credits"
};
