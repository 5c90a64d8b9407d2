#pragma once
// GameManager: the singleton that owns the game flow. It builds the window and everything the
// flow shows (menus, help, credits, highscores, the game-over message, the crosshair, score
// and clock, the name entry), runs the frame loop with its real-time and game-time steps, and
// turns every input that changes what the player sees into a command of its state machine
// (handleCommand). It owns the world of the game in progress.
// It must be created with initialize(); getInstance() before that throws GameError.
//
// A game is a function of its start (seed, level, sky, music piece, window size), its time
// steps and its input, and nothing else: input from the window waits for the next frame, each
// frame's real step is the machine's clock rounded to microseconds, and every clock of a game
// (game time, the middle button's click time, the fades) reads the sum of those steps. So every
// game is recorded to "last.replay" as it goes (ReplayRecorder), a game that enters the
// highscore table keeps its replay beside it (KeptReplays), and playReplay plays a recorded
// game again frame by frame (ReplayPlayer), live input ignored but for P and ESC.
// The machine's clock is the steady clock unless the caller hands it another (nanoseconds):
// the timedemo runs frames at a fixed step on a counter of its own.
// Game pads (usePads) turn into the same input events before each frame (PadDriver).
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CreditsScreen.h"
#include "app/GameCommand.h"
#include "app/GameEventListener.h"
#include "app/GameState.h"
#include "app/HelpScreen.h"
#include "app/HighscoreScreen.h"
#include "app/HighscoreTable.h"
#include "app/InputEvent.h"
#include "app/KeptReplays.h"
#include "app/KeyPair.h"
#include "app/KeyboardListener.h"
#include "app/Menu.h"
#include "app/MenuEventListener.h"
#include "app/MouseButtonListener.h"
#include "app/PerformanceTimer.h"
#include "app/Replay.h"
#include "app/ReplayPlayer.h"
#include "app/ReplayRecorder.h"
#include "scene/Vector.h"

struct Level;
class Adjustable;
class CrosshairCursor;
class GamePads;
class PadDriver;
class MessageBox;
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

    // One frame from the window's idle callback: the input that arrived since the last one,
    // the real-time objects and music on the real step, then the world on the game step while a
    // game runs or shows its game-over message. While a replay plays, its next frame if due.
    // While a message is shown (MessageQueue::forPlayer) no frame is played, so none is
    // recorded and the game stands still as under a modal box; only the music goes on. A
    // replay is never held: its messages wait for its end.
    void frame();
    // Input from the window; it takes effect in the next frame, but for the key press or click
    // that dismisses a message, which goes nowhere else.
    void receive(const InputEvent& event);
    // Game pads from now on (none: null); they act through receive.
    void usePads(std::unique_ptr<GamePads> pads);
    // The window the input comes from (its size; the pixel is the top left corner).
    Pointer inputWindow() const { return pointerAt(0, 0); }
    // Where the last pointer move or button received left the pointer, in window pixels.
    const InputEvent& lastPointer() const { return pointer_; }
    // Told how a replay ended: its summary, and why it stopped early ("" if it did not).
    using PlaybackEnd = std::function<void(const ReplaySummary& summary, const std::string& failure)>;
    // Plays a recorded game from the main menu and returns there at its end; `fast` plays as
    // fast as frames can be drawn instead of keeping to the recorded clock. A file that cannot
    // be played gets a message and the game stays at its main menu (false then).
    bool playReplay(const std::string& path, bool fast, PlaybackEnd onEnd = {});
    void playReplay(Replay replay, bool fast, PlaybackEnd onEnd = {});
    bool isPlayingBack() const { return player_ != nullptr; }
    // A start of its own for new games and for replays that name it (the benchmarks gather
    // the rocks for a battle): `setUp` runs once the world is made.
    void setSpecialStart(const std::string& name, std::function<void()> setUp);
    // Live games start from this seed instead of a fresh one (tests).
    void fixSeed(std::uint32_t seed) { fixedSeed_ = seed; }
    // How the last game ended: frames, score, rocks left, world checksum.
    const ReplaySummary& getLastSummary() const { return lastSummary_; }
    // The world's checksum with the score, or 0 without a game.
    std::uint64_t worldChecksum() const;
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
    const MessageBox& getMessageBox() const { return *messageBox_; }
    const HelpScreen& getHelpScreen() const { return help_; }
    const HighscoreScreen& getHighscoreScreen() const { return highscoreScreen_; }
    HighscoreTable& getHighscoreTable() { return highscores_; }
    const PerformanceTimer& getTimer() const { return timer_; }

    void keyPressed(unsigned char key) override;
    void keyReleased(unsigned char key) override;
    void specialKeyPressed(int key) override;
    void specialKeyReleased(int key) override;
    void mouseButtonPressed(int button, const Pointer& pointer) override;
    void mouseButtonReleased(int button, const Pointer& pointer) override;
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
    ReplayStart newGameStart();
    void beginGame(const ReplayStart& start);
    void startNewGame(const ReplayStart& start);
    void endGame();
    void playLiveFrame(std::int64_t realMicros, std::int64_t wallMicros);
    void showWaitingMessage();
    void playFrame(const ReplayFrame& frame);
    void dispatch(InputEvent& event);
    int pickedRock(const InputEvent& event) const;
    Pointer pointerAt(int x, int y) const;
    void recordFrame(const ReplayFrame& played, std::int64_t gameMicros);
    void finishRecording();
    void playNextRecordedFrame(std::int64_t wallMicros);
    void checkRecordedFrame(const ReplayFrame& frame, std::int64_t gameMicros);
    void controlPlayback(const InputEvent& event);
    void endPlayback(const std::string& failure = "");
    std::int64_t wallMicros() const;
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
    PerformanceTimer::Counter wallClock_;
    std::int64_t lastWallMicros_ = 0;
    std::int64_t stepClock_ = 0;  // nanoseconds: the sum of the real steps played
    PerformanceTimer::Counter stepCounter_;
    PerformanceTimer timer_;
    std::int64_t lastGameMicros_ = 0;
    std::vector<InputEvent> pendingInput_;
    int inputWidth_ = 0;  // the window the input comes from; 0 before it is known
    int inputHeight_ = 0;
    InputEvent window_{InputEvent::WindowSize};  // the live window's last size
    InputEvent pointer_{InputEvent::PointerMove};
    std::unique_ptr<PadDriver> pads_;
    double skyAngle_ = 0.0;
    Vector skyAxis_;
    std::optional<std::uint32_t> fixedSeed_;
    std::unique_ptr<ReplayRecorder> recorder_;
    ReplayFrame recording_;  // the frame being played, as the recording gets it
    std::int64_t recordedMicros_ = 0;
    std::int64_t recordedFrames_ = 0;
    std::int64_t lastFlushWall_ = 0;
    bool recordingEnds_ = false;
    int keptRank_ = 0;
    KeptReplays keptReplays_;
    std::unique_ptr<ReplayPlayer> player_;
    const ReplayFrame* playing_ = nullptr;  // the replay's frame being played
    PlaybackEnd onPlaybackEnd_;
    std::string specialStart_;
    std::function<void()> specialSetUp_;
    std::unique_ptr<ScreenTextPoint> replayMark_;
    std::unique_ptr<MessageBox> messageBox_;
    ReplaySummary lastSummary_;
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
