#include "app/GameManager.h"

#include <GL/freeglut_std.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>
#include <utility>

#include "app/Key.h"
#include "app/KeyCodes.h"
#include "app/KeyboardListener.h"
#include "app/Level.h"
#include "app/MessageQueue.h"
#include "app/MouseMoveListener.h"
#include "app/PadDriver.h"
#include "overlay/CrosshairCursor.h"
#include "overlay/MessageBox.h"
#include "overlay/ScreenCounter.h"
#include "overlay/ScreenTextPoint.h"
#include "overlay/ScreenTimer.h"
#include "scene/Background.h"
#include "scene/CalculateAlways.h"
#include "scene/GameError.h"
#include "scene/Platform.h"
#include "scene/SceneObject.h"
#include "sound/GameSounds.h"
#include "world/Asteroid.h"
#include "world/Random.h"
#include "world/Space.h"
#include "world/SpaceManager.h"
#include "world/SpaceShip.h"

namespace {
GameManager* singleton = nullptr;

constexpr double gameViewConeAngle = 45.0;
constexpr float musicFadeTime = 1.0f;
constexpr float volumeRampRate = 50.0f;  // volume units per second while + or - is held
const Color menuNormal(0, 0, 1, 0.7), menuHighlighted(0, 0, 1, 1);
const Color messageBlue(0, 0, 1, 1);
const Color hudWhite(1, 1, 1, 0.5);
const std::string difficultyLabel = "Difficulty of next game:\n";
const std::string lastReplayFile = "last.replay";
// A recording writes what it has and a checksum of the world at least this often.
constexpr std::int64_t flushInterval = 2'000'000, checksumInterval = 2'000'000;  // microseconds
// A replay ahead of its recorded clock waits in slices this short, so the window stays live.
constexpr auto playbackWait = std::chrono::milliseconds(2);

// '+' alone gives 2, '-' alone 1, both or neither 0.
int volumeKeyValue(bool louder, bool softer) { return louder == softer ? 0 : (louder ? 2 : 1); }

bool worldAdvances(GameState state)
{
    return state == GameState::Running || state == GameState::Lost || state == GameState::Won;
}
}  // namespace

void GameManager::initialize(int* argc, char** argv, PerformanceTimer::Counter clock)
{
    if (singleton == nullptr) singleton = new GameManager(argc, argv, std::move(clock));
}

GameManager* GameManager::getInstance()
{
    if (singleton == nullptr) throw GameError("GameManager not yet initialized");
    return singleton;
}

void GameManager::run()
{
    if (singleton != nullptr) Platform::get().runMainLoop();
}

Level& GameManager::currentLevel()
{
    static Level* level = [] {
        auto* record = new Level;
        ::selectLevel(*record, "default");
        return record;
    }();
    return *level;
}

void GameManager::selectLevel(const std::string& name) { ::selectLevel(currentLevel(), name); }

void GameManager::shutdown()
{
    delete singleton;
    singleton = nullptr;
}

GameManager::GameManager(int* argc, char** argv, PerformanceTimer::Counter clock)
    : wallClock_(std::move(clock)),
      stepCounter_([this] { return stepClock_; }),
      timer_(true, stepCounter_),
      keptReplays_("replays", HighscoreTable::maxEntries),
      volumeKeys_(Key('+', false), Key('-', false), volumeKeyValue, this),
      highscores_("highscores.dat", levelNames().size()),
      highscoreScreen_(highscores_, keptReplays_, levelNames())
{
    Platform::get().createWindow(argc, argv);
    buildOverlay();
    SceneObject::setViewConeAngle(gameViewConeAngle);
    fillBackgroundMusic();
    if (state_ == GameState::Uninitialized) handleCommand(GameCommand::Initialize);
}

GameManager::~GameManager()
{
    // The world first: its ship and rocks still talk to the overlay and the score.
    world_.reset();
    mainMenu_.reset();
    gameMenu_.reset();
}

void GameManager::buildOverlay()
{
    message_ = std::make_unique<ScreenTextPoint>("arial", "");
    message_->setAlignment(ScreenTextPoint::Center);
    message_->setColor(messageBlue);
    message_->setPosition(0.5, 0.5);
    message_->hide();

    cursor_ = std::make_unique<CrosshairCursor>(8, Color(1, 1, 1, 1));
    cursor_->setColor(Color(0.2, 1, 0.2, 1));

    scoreCounter_ = std::make_unique<ScreenCounter>("arial", 0);
    scoreCounter_->setPosition(0.0, 1.0);
    scoreCounter_->setAlignment(ScreenTextPoint::TopLeft);
    scoreCounter_->setSize(0.1);
    scoreCounter_->setColor(hudWhite);
    scoreCounter_->hide();

    gameClock_ = std::make_unique<ScreenTimer>("arial", 0, 0, 0, ScreenTimer::Still);
    gameClock_->setPosition(1.0, 1.0);
    gameClock_->setAlignment(ScreenTextPoint::TopRight);
    gameClock_->setSize(0.1);
    gameClock_->setColor(hudWhite);
    gameClock_->setMode(ScreenTimer::Clock);
    gameClock_->hide();

    nameField_ = std::make_unique<ScreenTextPoint>("arial", "");
    nameField_->setAlignment(ScreenTextPoint::Center);
    nameField_->setColor(messageBlue);
    nameField_->setPosition(0.5, 0.4);
    nameField_->setSize(0.06);
    nameField_->hide();

    namePrompt_ =
        std::make_unique<ScreenTextPoint>("arial", "You reached the highscore table!\nPlease enter your name:");
    namePrompt_->setAlignment(ScreenTextPoint::Center);
    namePrompt_->setColor(messageBlue);
    namePrompt_->setPosition(0.5, 0.7);
    namePrompt_->setSize(0.07);
    namePrompt_->hide();

    replayMark_ = std::make_unique<ScreenTextPoint>("arial", "REPLAY");
    replayMark_->setAlignment(ScreenTextPoint::Top);  // between the score and the clock
    replayMark_->setColor(hudWhite);
    replayMark_->setPosition(0.5, 0.99);
    replayMark_->setSize(0.04);
    replayMark_->hide();

    messageBox_ = std::make_unique<MessageBox>();
}

void GameManager::fillBackgroundMusic()
{
    FadingStreamSet& music = backgroundMusic();
    music.setFadeTime(musicFadeTime);
    music.addStream("Background1", true);
    music.addStream("Background2", true);
    music.addStream("Background3", true);
}

// ----------------------------------------------------------------------------------------
// The frame

std::int64_t GameManager::wallMicros() const { return (wallClock_() + 500) / 1000; }

void GameManager::frame()
{
    const std::int64_t wall = wallMicros();
    const std::int64_t real = std::max<std::int64_t>(wall - lastWallMicros_, 0);
    lastWallMicros_ = wall;
    if (pads_ != nullptr) pads_->beforeFrame(wall);
    help_.setPadColumn(pads_ != nullptr && pads_->isConnected());
    if (player_ != nullptr)
        playNextRecordedFrame(wall);
    else if (MessageQueue::forPlayer().isEmpty())
        playLiveFrame(real, wall);
    // Behind a message the game waits for no frame; the sound layer's own thread keeps the
    // music playing.
    showWaitingMessage();
}

void GameManager::playLiveFrame(std::int64_t realMicros, std::int64_t wallMicros)
{
    ReplayFrame frame;
    frame.realMicros = realMicros;
    frame.events = std::exchange(pendingInput_, {});
    playFrame(frame);
    if (pads_ != nullptr) pads_->afterFrame();
    if (recorder_ != nullptr && wallMicros - lastFlushWall_ >= flushInterval) {
        recorder_->flush();
        lastFlushWall_ = wallMicros;
    }
}

// A message waits for the end of a replay, which no input may hold up.
void GameManager::showWaitingMessage()
{
    const MessageQueue& messages = MessageQueue::forPlayer();
    if (player_ != nullptr || messages.isEmpty())
        messageBox_->hide();
    else
        messageBox_->show(messages.current().title, messages.current().text);
}

void GameManager::receive(const InputEvent& event)
{
    if (event.kind == InputEvent::WindowSize) window_ = event;
    if (event.kind == InputEvent::PointerMove || event.kind == InputEvent::ButtonDown ||
        event.kind == InputEvent::ButtonUp)
        pointer_ = event;
    if (player_ != nullptr)
        controlPlayback(event);
    else if (!MessageQueue::forPlayer().takeInput(event))
        pendingInput_.push_back(event);
}

void GameManager::usePads(std::unique_ptr<GamePads> pads)
{
    pads_ = pads != nullptr ? std::make_unique<PadDriver>(*this, std::move(pads)) : nullptr;
}

// The one way a frame happens, live or from a replay.
void GameManager::playFrame(const ReplayFrame& frame)
{
    recording_ = {};
    for (InputEvent event : frame.events) {
        const bool inGame = recorder_ != nullptr;
        dispatch(event);
        if (inGame) recording_.events.push_back(event);
    }
    stepClock_ += frame.realMicros * 1000;
    const double now = static_cast<double>(stepClock_) / 1e9;
    CalculateAlways::calculateAll({now, static_cast<double>(frame.realMicros) / 1e6});
    std::int64_t gameMicros = 0;
    if (worldAdvances(state_) && world_ != nullptr) {
        const std::int64_t gameTime = timer_.getElapsedCount() / 1000;
        gameMicros = gameTime - lastGameMicros_;
        lastGameMicros_ = gameTime;
        world_->update({static_cast<double>(gameTime) / 1e6, static_cast<double>(gameMicros) / 1e6});
    }
    if (playing_ != nullptr) checkRecordedFrame(frame, gameMicros);
    recordFrame(frame, gameMicros);
}

void GameManager::dispatch(InputEvent& event)
{
    switch (event.kind) {
        case InputEvent::KeyDown:
            dispatchKeyPressed(static_cast<unsigned char>(event.code));
            break;
        case InputEvent::KeyUp:
            dispatchKeyReleased(static_cast<unsigned char>(event.code));
            break;
        case InputEvent::SpecialDown:
            dispatchSpecialKeyPressed(event.code);
            break;
        case InputEvent::SpecialUp:
            dispatchSpecialKeyReleased(event.code);
            break;
        case InputEvent::ButtonDown:
        case InputEvent::ButtonUp: {
            if (player_ == nullptr) event.picked = pickedRock(event);
            Pointer pointer = pointerAt(event.x, event.y);
            pointer.rock = event.picked;
            if (event.kind == InputEvent::ButtonDown)
                dispatchMouseButtonPressed(event.code, pointer);
            else
                dispatchMouseButtonReleased(event.code, pointer);
            break;
        }
        case InputEvent::PointerMove:
            dispatchMouseMoved(pointerAt(event.x, event.y));
            break;
        case InputEvent::WindowSize:
            inputWidth_ = event.x;
            inputHeight_ = event.y;
            break;
    }
}

// The rock under the pointer when the right button goes (a rocket) or the middle button comes
// back (a selection) in a game; what the player saw is what was drawn last, and nothing has
// moved since.
int GameManager::pickedRock(const InputEvent& event) const
{
    const bool picks = event.kind == InputEvent::ButtonDown ? event.code == SpaceManager::RightButton
                                                            : event.code == SpaceManager::MiddleButton;
    if (!picks || world_ == nullptr || !worldAdvances(state_)) return 0;
    const Asteroid* rock = world_->pickAsteroid(event.x, event.y);
    return rock != nullptr ? rock->getNumber() : 0;
}

Pointer GameManager::pointerAt(int x, int y) const
{
    if (inputWidth_ == 0) return Pointer::inViewport(x, y);
    return Pointer::inWindow(x, y, inputWidth_, inputHeight_);
}

std::uint64_t GameManager::worldChecksum() const
{
    if (world_ == nullptr) return 0;
    constexpr std::uint64_t prime = 1099511628211ULL;
    return (world_->getWorld()->checksum() ^ static_cast<std::uint64_t>(score_)) * prime;
}

// ----------------------------------------------------------------------------------------
// Recording

void GameManager::recordFrame(const ReplayFrame& played, std::int64_t gameMicros)
{
    if (recorder_ == nullptr) return;
    recording_.realMicros = played.realMicros;
    recording_.gameMicros = gameMicros;
    const std::int64_t before = recordedMicros_;
    recordedMicros_ += played.realMicros;
    if (world_ != nullptr && before / checksumInterval != recordedMicros_ / checksumInterval)
        recording_.checksum = worldChecksum();
    recorder_->addFrame(recording_);
    ++recordedFrames_;
    if (recordingEnds_) finishRecording();
}

void GameManager::finishRecording()
{
    lastSummary_.frames = recordedFrames_;
    const bool written = recorder_->finish(lastSummary_);
    recorder_.reset();
    recordingEnds_ = false;
    if (written && keptRank_ > 0) keptReplays_.keep(levelNames().at(gameLevel_), keptRank_, lastReplayFile);
    keptRank_ = 0;
}

// ----------------------------------------------------------------------------------------
// Playback

bool GameManager::playReplay(const std::string& path, bool fast, PlaybackEnd onEnd)
{
    try {
        playReplay(readReplay(path), fast, std::move(onEnd));
        return true;
    } catch (const GameError& error) {
        Platform::get().showMessage("Error", error.what());
        if (onEnd) onEnd({}, error.what());
        return false;
    }
}

void GameManager::playReplay(Replay replay, bool fast, PlaybackEnd onEnd)
{
    // A caller waiting for the end would otherwise wait for ever.
    if (state_ != GameState::MainMenu || player_ != nullptr)
        throw GameError("A replay can only be played from the main menu");
    if (replay.start.start != "new" && replay.start.start != specialStart_)
        throw GameError("The replay starts in a way this game does not know: " + replay.start.start);
    onPlaybackEnd_ = std::move(onEnd);
    player_ = std::make_unique<ReplayPlayer>(std::move(replay), fast);
    replayMark_->setText("REPLAY");
    replayMark_->show();
    beginGame(player_->replay().start);
}

void GameManager::playNextRecordedFrame(std::int64_t wallMicros)
{
    playing_ = player_->next(wallMicros);
    if (playing_ != nullptr) {
        playFrame(*playing_);
        playing_ = nullptr;
    } else if (!player_->isFast()) {
        std::this_thread::sleep_for(playbackWait);
    }
    if (player_ != nullptr && (player_->isFinished() || state_ == GameState::MainMenu)) endPlayback();
}

void GameManager::checkRecordedFrame(const ReplayFrame& frame, std::int64_t gameMicros)
{
    const std::int64_t frameNumber = player_->framesPlayed();
    if (gameMicros != frame.gameMicros || (frame.checksum && *frame.checksum != worldChecksum() && world_))
        endPlayback("The replay went another way than the recorded game at frame " + std::to_string(frameNumber) +
                    ": the world diverged (replays are exact only on the same build and kind of processor)");
}

void GameManager::controlPlayback(const InputEvent& event)
{
    if (event.kind != InputEvent::KeyDown) return;
    if (event.code == 'p' || event.code == 'P') {
        player_->setPaused(!player_->isPaused(), wallMicros());
        replayMark_->setText(player_->isPaused() ? "REPLAY paused" : "REPLAY");
    }
    if (event.code == KeyCode::escape) endPlayback();
}

// Back at the main menu, however the replay ended; a fast replay ends the program.
void GameManager::endPlayback(const std::string& failure)
{
    if (world_ != nullptr || state_ != GameState::MainMenu) {
        message_->hide();
        endNameEntry();
        deleteGameMenu();
        help_.hide();
        highscoreScreen_.hide();
        backgroundMusic().stop(true);
        winJingle().stop(true);
        loseJingle().stop(true);
        returnToMainMenu();
    }
    lastSummary_.frames = player_->framesPlayed();
    // The live window again, wherever the recorded one was.
    inputWidth_ = window_.x;
    inputHeight_ = window_.y;
    player_.reset();
    playing_ = nullptr;
    replayMark_->hide();
    if (!failure.empty()) Platform::get().showMessage("Error", failure);
    if (PlaybackEnd onEnd = std::exchange(onPlaybackEnd_, {})) onEnd(lastSummary_, failure);
}

void GameManager::setSpecialStart(const std::string& name, std::function<void()> setUp)
{
    specialStart_ = name;
    specialSetUp_ = std::move(setUp);
}

void GameManager::addScore(double points)
{
    if (state_ != GameState::Running) return;
    score_ += static_cast<int>(std::floor(points) * currentLevel().scoreFactor);
    scoreCounter_->setCount(score_);
}

// ----------------------------------------------------------------------------------------
// The state machine

void GameManager::requireInitialized() const
{
    if (state_ == GameState::Uninitialized) throw GameError("Tried to reinitialize");
}

void GameManager::handleCommand(GameCommand command)
{
    if (state_ == GameState::Uninitialized) {
        if (command != GameCommand::Initialize) throw GameError("Tried to reinitialize");
        initializeFlow();
        return;
    }
    switch (state_) {
        case GameState::MainMenu:
            handleMainMenu(command);
            break;
        case GameState::Running:
            handleRunning(command);
            break;
        case GameState::Paused:
            handlePaused(command);
            break;
        case GameState::GameMenu:
            handleGameMenu(command);
            break;
        case GameState::Lost:
        case GameState::Won:
            handleGameOver(command);
            break;
        case GameState::NameEntry:
            handleNameEntry(command);
            break;
        case GameState::Highscores:
            if (command == GameCommand::ShowHighscores) highscoreScreen_.nextPage();
            if (command == GameCommand::Back) {
                highscoreScreen_.hide();
                leaveScreen();
            }
            break;
        case GameState::Help:
            if (command == GameCommand::ShowHelp) help_.show();
            if (command == GameCommand::Back) {
                help_.hide();
                leaveScreen();
            }
            break;
        case GameState::Credits:
            if (command == GameCommand::Back) {
                credits_.hide();
                mainMenu_->show();
                state_ = GameState::MainMenu;
            }
            break;
        case GameState::Uninitialized:
            break;
    }
}

void GameManager::initializeFlow()
{
    lastWallMicros_ = wallMicros();
    buildMainMenu();
    timer_.setPaused(true);
    menuMusic().play(false);
    state_ = GameState::MainMenu;
}

void GameManager::handleMainMenu(GameCommand command)
{
    switch (command) {
        case GameCommand::StartGame:
            beginGame(newGameStart());
            break;
        case GameCommand::ShowHighscores:
            openHighscores(*mainMenu_, selectedLevel_);
            break;
        case GameCommand::ShowHelp:
            openHelp(*mainMenu_);
            break;
        case GameCommand::ShowCredits:
            mainMenu_->hide();
            credits_.show();
            state_ = GameState::Credits;
            break;
        case GameCommand::Back:
        case GameCommand::Exit:
            Platform::get().exitProcess(0);
            break;
        default:
            break;
    }
}

void GameManager::handleRunning(GameCommand command)
{
    switch (command) {
        case GameCommand::TogglePause:
            stopTheWorld();
            state_ = GameState::Paused;
            break;
        case GameCommand::ShowHelp:
            // Held as by P: a click that turns a page must not reach the weapons.
            help_.show();
            stopTheWorld();
            helpFromPause_ = false;
            state_ = GameState::Help;
            break;
        case GameCommand::Back:
            buildGameMenu();
            stopTheWorld();
            state_ = GameState::GameMenu;
            break;
        case GameCommand::GameLost:
            showGameOver(false);
            break;
        case GameCommand::GameWon:
            showGameOver(true);
            break;
        default:
            break;
    }
}

void GameManager::showGameOver(bool won)
{
    backgroundMusic().stop(true);
    (won ? winJingle() : loseJingle()).play(true);
    message_->setText(won ? "GAME OVER\nYou won the game!" : "GAME OVER\nYou lost the game!");
    message_->show();
    state_ = won ? GameState::Won : GameState::Lost;
}

void GameManager::handlePaused(GameCommand command)
{
    switch (command) {
        case GameCommand::Back:
            buildGameMenu();
            state_ = GameState::GameMenu;
            break;
        case GameCommand::TogglePause:
            resumeTheWorld();
            break;
        case GameCommand::ShowHelp:
            help_.show();
            helpFromPause_ = true;
            state_ = GameState::Help;
            break;
        default:
            break;
    }
}

void GameManager::handleGameMenu(GameCommand command)
{
    switch (command) {
        case GameCommand::Resume:
        case GameCommand::Back:
            deleteGameMenu();
            resumeTheWorld();
            break;
        case GameCommand::ShowHighscores:
            openHighscores(*gameMenu_, gameLevel_);
            break;
        case GameCommand::ShowHelp:
            openHelp(*gameMenu_);
            break;
        case GameCommand::FinishGame:
            backgroundMusic().stop(true);
            deleteGameMenu();
            if (scoreQualifies()) {
                winJingle().play(true);
                startNameEntry();
            } else {
                returnToMainMenu();
            }
            break;
        default:
            break;
    }
}

void GameManager::handleGameOver(GameCommand command)
{
    if (command != GameCommand::Back) return;
    message_->hide();
    FadingStream& jingle = state_ == GameState::Won ? winJingle() : loseJingle();
    if (scoreQualifies()) {
        if (state_ == GameState::Lost) {
            loseJingle().stop(true);
            winJingle().play(true);
        }
        startNameEntry();
        return;
    }
    // Fading the jingle out by stopping it (rather than setting its volume to 0, which would
    // stay its volume) lets it play at its own volume after the next game.
    jingle.stop(true);
    returnToMainMenu();
}

void GameManager::handleNameEntry(GameCommand command)
{
    if (command == GameCommand::NameEntered) {
        // An emptied field is nobody's name (the table stores "unknown"), and the next entry
        // offers the last name that was really typed.
        const std::string typed = nameField_->getText();
        if (player_ == nullptr) {
            if (!typed.empty()) playerName_ = typed;
            keptRank_ = highscores_.add(gameLevel_, score_, typed);
        }
        command = GameCommand::Back;
    }
    if (command != GameCommand::Back) return;
    winJingle().stop(true);
    endNameEntry();
    returnToMainMenu();
}

void GameManager::returnToMainMenu()
{
    menuMusic().play(true);
    endGame();
    buildMainMenu();
    state_ = GameState::MainMenu;
}

// Help and highscores go back to whichever menu they were opened from, or to the game.
void GameManager::leaveScreen()
{
    if (mainMenu_ != nullptr) {
        mainMenu_->show();
        state_ = GameState::MainMenu;
    } else if (gameMenu_ != nullptr) {
        gameMenu_->show();
        state_ = GameState::GameMenu;
    } else if (state_ == GameState::Help) {
        if (helpFromPause_)
            state_ = GameState::Paused;
        else
            resumeTheWorld();
    }
}

void GameManager::openHighscores(Menu& from, int level)
{
    from.hide();
    highscoreScreen_.show(level);
    state_ = GameState::Highscores;
}

void GameManager::openHelp(Menu& from)
{
    from.hide();
    help_.show();
    state_ = GameState::Help;
}

void GameManager::stopTheWorld()
{
    timer_.setPaused(true);
    world_->setPaused(true);
}

void GameManager::resumeTheWorld()
{
    timer_.setPaused(false);
    world_->setPaused(false);
    state_ = GameState::Running;
}

// A replay answers as the table did where the game was recorded; the recording keeps the answer.
bool GameManager::scoreQualifies()
{
    if (playing_ != nullptr) return playing_->qualified.value_or(false);
    const bool qualifies = highscores_.qualifies(gameLevel_, score_);
    recording_.qualified = qualifies;
    return qualifies;
}

// ----------------------------------------------------------------------------------------
// Menus, games and name entry

void GameManager::buildMainMenu()
{
    Menu& menu = replaceMenu(mainMenu_);
    menu.addEntry("Start new game", "start");
    difficultyEntry_ = menu.addEntry("", "difficulty");
    difficultyEntry_->setSize(0.08);
    updateDifficultyLabel();
    menu.addEntry("Highscores", "highscores");
    menu.addEntry("Help", "help");
    menu.addEntry("Credits", "credits");
    menu.addEntry("Exit", "exit");
    Cursor::useSystemCursor();
    // Every return to the main menu turns the sky anew.
    skyAngle_ = presentationRandomDouble(0, 180);
    const double x = presentationRandomDouble(-1, 1), y = presentationRandomDouble(-1, 1);
    skyAxis_ = Vector(x, y, presentationRandomDouble(-1, 1));
    Background::setOrientation(skyAngle_, skyAxis_);
}

void GameManager::buildGameMenu()
{
    Menu& menu = replaceMenu(gameMenu_);
    menu.addEntry("Resume the game", "resume");
    menu.addEntry("Highscores", "highscores");
    menu.addEntry("Help", "help");
    menu.addEntry("Finish the game", "finish");
    Cursor::useSystemCursor();
}

// An empty menu in the game's colours in `slot`, after the one it held is gone.
Menu& GameManager::replaceMenu(std::unique_ptr<Menu>& slot)
{
    slot.reset();
    cursor_->show();
    slot = std::make_unique<Menu>(this);
    slot->setColors(menuNormal, menuHighlighted);
    return *slot;
}

void GameManager::deleteMainMenu()
{
    mainMenu_.reset();
    difficultyEntry_ = nullptr;
    cursor_->show();
}

void GameManager::deleteGameMenu()
{
    gameMenu_.reset();
    cursor_->show();
}

void GameManager::updateDifficultyLabel()
{
    if (mainMenu_ == nullptr || difficultyEntry_ == nullptr) return;
    difficultyEntry_->setText(difficultyLabel + levelNames().at(selectedLevel_));
}

void GameManager::cycleDifficulty()
{
    selectedLevel_ = (selectedLevel_ + 1) % static_cast<int>(levelNames().size());
    updateDifficultyLabel();
}

// A live game's start: the chosen level, a fresh seed, the sky as the menu left it, a piece
// of music drawn now and the window the input comes from.
ReplayStart GameManager::newGameStart()
{
    ReplayStart start;
    start.seed = fixedSeed_.value_or(freshSeed());
    start.level = selectedLevel_;
    start.skyAngle = skyAngle_;
    start.skyAxis[0] = skyAxis_.x();
    start.skyAxis[1] = skyAxis_.y();
    start.skyAxis[2] = skyAxis_.z();
    start.musicPiece = presentationRandomInt(1, 3);
    if (specialSetUp_) start.start = specialStart_;
    const Pointer window = pointerAt(0, 0);
    start.windowWidth = window.width;
    start.windowHeight = window.height;
    return start;
}

void GameManager::beginGame(const ReplayStart& start)
{
    deleteMainMenu();
    startNewGame(start);
    if (start.start != "new" && specialSetUp_) specialSetUp_();
    timer_.setPaused(false);
    menuMusic().pause(true);
    backgroundMusic().switchTo(start.musicPiece, true);  // 3 wraps round to the first piece
    backgroundMusic().play(true);
    state_ = GameState::Running;
    if (player_ != nullptr) return;
    recorder_ = std::make_unique<ReplayRecorder>(lastReplayFile, start);
    recordedMicros_ = 0;
    recordedFrames_ = 0;
    lastFlushWall_ = wallMicros();
}

void GameManager::startNewGame(const ReplayStart& start)
{
    endGame();
    gameLevel_ = start.level;
    selectLevel(levelNames().at(gameLevel_));
    seedRandom(start.seed);
    skyAngle_ = start.skyAngle;
    skyAxis_ = Vector(start.skyAxis[0], start.skyAxis[1], start.skyAxis[2]);
    Background::setOrientation(skyAngle_, skyAxis_);
    inputWidth_ = start.windowWidth;
    inputHeight_ = start.windowHeight;
    score_ = 0;
    scoreCounter_->setCount(0);
    scoreCounter_->show();
    gameClock_->setTotalSeconds(0);
    gameClock_->show();
    timer_.reset(false);
    lastGameMicros_ = 0;
    world_ = std::make_unique<SpaceManager>(stepCounter_);
    world_->update({0.0, 0.0});
}

void GameManager::endGame()
{
    if (world_ == nullptr) return;
    lastSummary_ = {0, score_, static_cast<int>(Asteroid::registry().size()), worldChecksum()};
    recordingEnds_ = recorder_ != nullptr;
    world_.reset();
    scoreCounter_->hide();
    gameClock_->hide();
}

void GameManager::startNameEntry()
{
    Platform::get().setKeyRepeat(true);
    nameField_->setText(playerName_);
    nameField_->show();
    namePrompt_->show();
    // The ship waits behind the prompt with its engine quiet.
    if (Space* space = Space::current()) {
        if (SpaceShip* ship = space->getShip()) ship->setEngineSpeed(0.0);
    }
    state_ = GameState::NameEntry;
}

void GameManager::endNameEntry()
{
    Platform::get().setKeyRepeat(false);
    nameField_->hide();
    namePrompt_->hide();
}

void GameManager::typeName(unsigned char key)
{
    std::string name = nameField_->getText();
    if (key == KeyCode::backspace) {
        if (!name.empty()) name.pop_back();
    } else if (key >= ' ' && key <= '~') {
        if (name.size() < maxNameLength) name += static_cast<char>(key);
    } else {
        return;
    }
    nameField_->setText(name);
}

// ----------------------------------------------------------------------------------------
// Input

void GameManager::keyPressed(unsigned char key)
{
    requireInitialized();
    if (key == KeyCode::escape) {
        handleCommand(GameCommand::Back);
        return;
    }
    switch (state_) {
        case GameState::NameEntry:
            if (key == KeyCode::lineFeed || key == KeyCode::carriageReturn)
                handleCommand(GameCommand::NameEntered);
            else
                typeName(key);
            break;
        case GameState::Running:
        case GameState::Paused:
            if (key == 'p' || key == 'P') handleCommand(GameCommand::TogglePause);
            if (key == 'h' || key == 'H') handleCommand(GameCommand::ShowHelp);
            break;
        default:
            turnPage();
            break;
    }
}

void GameManager::keyReleased(unsigned char key)
{
    requireInitialized();
    if (key < '0' || key > '9') return;
    if (Adjustable* target = musicTarget()) target->setVolume(static_cast<float>(key - '0') / 9.0f * 255.0f);
}

void GameManager::specialKeyPressed(int key)
{
    requireInitialized();
    // A virtual key (negative) repeats a key this manager has already heard.
    if (key < 0 || Key::isModifier(key)) return;
    switch (state_) {
        case GameState::Running:
            if (key >= GLUT_KEY_F1 && key <= GLUT_KEY_F3) backgroundMusic().switchTo(key - GLUT_KEY_F1, true);
            break;
        default:
            turnPage();
            break;
    }
}

void GameManager::specialKeyReleased(int) {}

void GameManager::mouseButtonPressed(int, const Pointer&)
{
    requireInitialized();
    turnPage();
}

// Any key or button turns the page of the help or the highscores.
void GameManager::turnPage()
{
    if (state_ == GameState::Help) handleCommand(GameCommand::ShowHelp);
    if (state_ == GameState::Highscores) handleCommand(GameCommand::ShowHighscores);
}

void GameManager::mouseButtonReleased(int, const Pointer&) {}

void GameManager::gameEventOccurred(GameEvent event)
{
    handleCommand(event == GameLost ? GameCommand::GameLost : GameCommand::GameWon);
}

// The volume keys act on the background music while it plays, otherwise on the menu music,
// and on nothing while the menu music is on its way out too.
Adjustable* GameManager::musicTarget()
{
    if (!backgroundMusic().isPaused()) return &backgroundMusic();
    if (menuMusic().isPaused()) return nullptr;
    return &menuMusic();
}

void GameManager::keyPairChanged(KeyPair<int>& pair)
{
    if (&pair != &volumeKeys_) return;
    Adjustable* target = musicTarget();
    if (target == nullptr) return;
    switch (pair.value()) {
        case 2:
            target->startAdjusting(volumeRampRate);
            break;
        case 1:
            target->startAdjusting(-volumeRampRate);
            break;
        default:
            target->stopAdjusting();
            break;
    }
}

void GameManager::menuEntrySelected(std::string key)
{
    requireInitialized();
    if (key == "start") handleCommand(GameCommand::StartGame);
    if (key == "difficulty") cycleDifficulty();
    if (key == "highscores") handleCommand(GameCommand::ShowHighscores);
    if (key == "help") handleCommand(GameCommand::ShowHelp);
    if (key == "credits") handleCommand(GameCommand::ShowCredits);
    if (key == "exit") handleCommand(GameCommand::Exit);
    if (key == "resume") handleCommand(GameCommand::Resume);
    if (key == "finish") handleCommand(GameCommand::FinishGame);
}
