#pragma once
// GameManager: the singleton that owns the game flow. It builds the window and everything the
// flow shows (menus, help, credits, highscores, the game-over message, the crosshair, score
// and clock, the name entry), runs the frame loop with its real-time and game-time steps, and
// turns every input that changes what the player sees into a command of its state machine
// (handleCommand). It owns the world of the game in progress.
// It must be created with initialize(); getInstance() before that throws GameError.
// Its clock (game time, the middle button's click time) is the steady clock unless the caller
// hands it another: the timedemo replays frames at a fixed step on a counter of its own.
#include <memory>
#include <string>

#include "app/CreditsScreen.h"
#include "app/GameCommand.h"
#include "app/GameEventListener.h"
#include "app/GameState.h"
#include "app/HelpScreen.h"
#include "app/HighscoreScreen.h"
#include "app/HighscoreTable.h"
#include "app/KeyPair.h"
#include "app/KeyboardListener.h"
#include "app/Menu.h"
#include "app/MenuEventListener.h"
#include "app/MouseButtonListener.h"
#include "app/PerformanceTimer.h"

struct Level;
class Adjustable;
class CrosshairCursor;
class ScreenCounter;
class ScreenTextPoint;
class ScreenTimer;
class SpaceManager;

class GameManager : public virtual MenuEventListener,
                    public virtual KeyboardListener,
                    public virtual MouseButtonListener,
                    public virtual GameEventListener,
                    public virtual KeyPairListener<int> {
public:
    // Creates the singleton once, on `clock` (nanoseconds); later calls do nothing.
    static void initialize(int* argc, char** argv, PerformanceTimer::Counter clock = PerformanceTimer::steadyCounter);
    static GameManager* getInstance();
    // Enters the window's event loop (never returns with a real window); nothing without a
    // singleton.
    static void run();
    // The one tuning record of the game; it holds the "Easy" values until a level is chosen.
    // Needs no singleton.
    static Level& currentLevel();
    // Resets the record to its defaults and applies the named level (see app/Level.h).
    static void selectLevel(const std::string& name);
    // Deletes the singleton with everything it owns. The game never ends this way (it exits
    // from the main menu); tests and tools do.
    static void shutdown();

    ~GameManager() override;
    GameManager(const GameManager&) = delete;
    GameManager& operator=(const GameManager&) = delete;

    // The per-frame update: real-time objects and music first, then the world while a game
    // runs or shows its game-over message.
    void frame();
    // Points of a destroyed asteroid, counted only while a game runs, times the level's score
    // factor.
    virtual void addScore(double points);
    void handleCommand(GameCommand command);

    GameState getState() const { return state_; }
    int getScore() const { return score_; }
    int getSelectedLevel() const { return selectedLevel_; }
    const std::string& getPlayerName() const { return playerName_; }
    SpaceManager* getWorld() const { return world_.get(); }
    Menu* getMainMenu() const { return mainMenu_.get(); }
    Menu* getGameMenu() const { return gameMenu_.get(); }
    ScreenTextPoint& getMessage() const { return *message_; }
    ScreenTextPoint& getNameField() const { return *nameField_; }
    const HelpScreen& getHelpScreen() const { return help_; }
    const HighscoreScreen& getHighscoreScreen() const { return highscoreScreen_; }
    HighscoreTable& getHighscoreTable() { return highscores_; }
    const PerformanceTimer& getTimer() const { return timer_; }

    void keyPressed(unsigned char key) override;
    void keyReleased(unsigned char key) override;
    void specialKeyPressed(int key) override;
    void specialKeyReleased(int key) override;
    void mouseButtonPressed(int button, int x, int y) override;
    void mouseButtonReleased(int button, int x, int y) override;
    void gameEventOccurred(GameEvent event) override;
    void keyPairChanged(KeyPair<int>& pair) override;
    void menuEntrySelected(std::string key) override;

    static constexpr std::size_t maxNameLength = 20;

private:
    GameManager(int* argc, char** argv, PerformanceTimer::Counter clock);

    void buildOverlay();
    void fillBackgroundMusic();
    void initializeFlow();
    void buildMainMenu();
    void buildGameMenu();
    void deleteMainMenu();
    void deleteGameMenu();
    void updateDifficultyLabel();
    void cycleDifficulty();
    void startNewGame();
    void endGame();
    void startNameEntry();
    void endNameEntry();
    void typeName(unsigned char key);
    void showGameOver(bool won);
    void returnToMainMenu();
    void leaveScreen();
    Menu& replaceMenu(std::unique_ptr<Menu>& slot);
    void turnPage();
    void openHighscores(Menu& from, int level);
    void openHelp(Menu& from);
    void stopTheWorld();
    void resumeTheWorld();
    bool scoreQualifies();
    Adjustable* musicTarget();
    void requireInitialized() const;

    void handleMainMenu(GameCommand command);
    void handleRunning(GameCommand command);
    void handlePaused(GameCommand command);
    void handleGameMenu(GameCommand command);
    void handleGameOver(GameCommand command);
    void handleNameEntry(GameCommand command);

    GameState state_ = GameState::Uninitialized;
    std::unique_ptr<SpaceManager> world_;
    std::unique_ptr<Menu> mainMenu_;
    std::unique_ptr<Menu> gameMenu_;
    std::unique_ptr<ScreenTextPoint> message_;
    bool helpFromPause_ = false;
    PerformanceTimer::Counter clock_;
    PerformanceTimer timer_;
    double lastRealTime_ = 0.0;
    double lastGameTime_ = 0.0;
    int selectedLevel_ = 0;
    int gameLevel_ = 0;
    MenuEntry* difficultyEntry_ = nullptr;  // owned by the main menu
    std::unique_ptr<CrosshairCursor> cursor_;
    int score_ = 0;
    std::unique_ptr<ScreenCounter> scoreCounter_;
    std::unique_ptr<ScreenTimer> gameClock_;
    std::string playerName_;
    std::unique_ptr<ScreenTextPoint> nameField_;
    std::unique_ptr<ScreenTextPoint> namePrompt_;
    KeyPair<int> volumeKeys_;
    HighscoreTable highscores_;
    HighscoreScreen highscoreScreen_;
    HelpScreen help_;
    CreditsScreen credits_;
};
