#include "tests/support/TestGame.h"

#include "tests/support/DataFolder.h"

TestGame::TestGame()
{
    for (const char* data : {"models", "fonts", "Sound"})
        std::filesystem::create_directory_symlink(std::filesystem::absolute(DataFolder::path(data)),
                                                  folder.path() / data);
    folder.enter();
    int argc = 1;
    char name[] = "rubblestorm";
    char* argv[] = {name, nullptr};
    GameManager::initialize(&argc, argv, [this] { return clockNanoseconds += 16'666'667; });
    game = GameManager::getInstance();
}

TestGame::~TestGame() { GameManager::shutdown(); }
