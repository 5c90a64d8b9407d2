#include "app/GameManager.h"

#include <GL/freeglut_std.h>

#include <cmath>
#include <utility>

#include "app/Level.h"
#include "overlay/CrosshairCursor.h"
#include "overlay/ScreenCounter.h"
#include "overlay/ScreenTextPoint.h"
#include "overlay/ScreenTimer.h"
#include "scene/Background.h"
#include "scene/CalculateAlways.h"
#include "scene/GameError.h"
#include "scene/Platform.h"
#include "scene/SceneObject.h"
#include "sound/GameSounds.h"
#include "sound/SoundSystem.h"
#include "world/Random.h"
#include "world/Space.h"
#include "world/SpaceManager.h"
#include "world/SpaceShip.h"

namespace {
GameManager* singleton = nullptr;

constexpr double viewConeAngle = 45.0;
constexpr float musicFadeTime = 1.0f;
constexpr float volumeRampRate = 50.0f;  // volume units per second while + or - is held
constexpr unsigned char escapeKey = 27, backspaceKey = 8, lineFeedKey = 10, returnKey = 13;
const Color menuNormal(0, 0, 1, 0.7), menuHighlighted(0, 0, 1, 1);
const Color messageBlue(0, 0, 1, 1);
const Color hudWhite(1, 1, 1, 0.5);
const std::string difficultyLabel = "Difficulty of next game:\n";

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
    : clock_(std::move(clock)),
      timer_(true, clock_),
      volumeKeys_(Key('+', false), Key('-', false), volumeKeyValue, this),
      highscores_("highscores.dat", levelNames().size()),
      highscoreScreen_(highscores_, levelNames())
{
    Platform::get().createWindow(argc, argv);
    buildOverlay();
    playerName_ = "unknown";
    SceneObject::setViewConeAngle(viewConeAngle);
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

void GameManager::frame()
{
    const double now = timer_.getTimeSinceCreation();
    CalculateAlways::calculateAll({now, now - lastRealTime_});
    SoundSystem::update();  // refills the music streams after this frame's volume changes
    lastRealTime_ = now;
    if (!worldAdvances(state_) || world_ == nullptr) return;
    const double gameTime = timer_.getElapsed();
    world_->update({gameTime, gameTime - lastGameTime_});
    lastGameTime_ = gameTime;
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
    lastRealTime_ = 0;
    buildMainMenu();
    timer_.setPaused(true);
    menuMusic().play(false);
    state_ = GameState::MainMenu;
}

void GameManager::handleMainMenu(GameCommand command)
{
    switch (command) {
        case GameCommand::StartGame:
            deleteMainMenu();
            startNewGame();
            timer_.setPaused(false);
            menuMusic().pause(true);
            backgroundMusic().switchTo(randomInt(1, 3), true);  // 3 wraps round to the first piece
            backgroundMusic().play(true);
            state_ = GameState::Running;
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
            help_.show();
            timer_.setPaused(true);
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
        // An empty name would not read back from the highscore file: keep the last one.
        const std::string typed = nameField_->getText();
        if (!typed.empty()) playerName_ = typed;
        highscores_.add(gameLevel_, score_, playerName_);
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
        if (helpFromPause_) {
            state_ = GameState::Paused;
        } else {
            timer_.setPaused(false);
            state_ = GameState::Running;
        }
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

bool GameManager::scoreQualifies() { return highscores_.qualifies(gameLevel_, score_); }

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
    const double angle = randomDouble(0, 180);
    const Vector axis(randomDouble(-1, 1), randomDouble(-1, 1), randomDouble(-1, 1));
    Background::setOrientation(angle, axis);
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

void GameManager::startNewGame()
{
    endGame();
    gameLevel_ = selectedLevel_;
    selectLevel(levelNames().at(gameLevel_));
    score_ = 0;
    scoreCounter_->setCount(0);
    scoreCounter_->show();
    gameClock_->setTotalSeconds(0);
    gameClock_->show();
    timer_.reset(false);
    lastGameTime_ = 0;
    world_ = std::make_unique<SpaceManager>(clock_);
    world_->update({0.0, 0.0});
}

void GameManager::endGame()
{
    if (world_ == nullptr) return;
    world_.reset();
    scoreCounter_->hide();
    gameClock_->hide();
}

void GameManager::startNameEntry()
{
    Platform::get().setKeyRepeat(true);
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
    if (key == backspaceKey) {
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
    if (key == escapeKey) {
        handleCommand(GameCommand::Back);
        return;
    }
    switch (state_) {
        case GameState::NameEntry:
            if (key == lineFeedKey || key == returnKey)
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

void GameManager::mouseButtonPressed(int, int, int)
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

void GameManager::mouseButtonReleased(int, int, int) {}

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
