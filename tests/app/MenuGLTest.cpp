// Menus under a GL context, as the highlight reads the viewport.
#include "app/Menu.h"

#include <GL/freeglut_std.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/MouseButtonListener.h"
#include "app/MouseMoveListener.h"
#include "sound/GameSounds.h"
#include "sound/SilentSoundDevice.h"
#include "sound/SoundSystem.h"

namespace {
struct Chooser : MenuEventListener {
    void menuEntrySelected(std::string key) override
    {
        chosen.push_back(key);
        if (deleteOnChoice) {
            delete menu;
            menu = nullptr;
        }
    }
    std::vector<std::string> chosen;
    Menu* menu = nullptr;
    bool deleteOnChoice = false;
};

// Counts the effects played while it is the sound device.
struct PlayCounter final : SilentSoundDevice {
    PlayCounter() { selectSample(); }  // loaded on the device before, as in the game
    bool isSilent() const override { return false; }
    ChannelId playSample(SampleId, int, EffectPriority) override { return ++plays, ChannelId{}; }
    int plays = 0;
};

// Window pixels (origin top left) of an overlay point, for the 640 x 480 test viewport.
int pixelX(double x) { return static_cast<int>(x * 640); }
int pixelY(double y) { return static_cast<int>((1 - y) * 480); }

void pointAt(double x, double y) { dispatchMouseMoved(Pointer::inViewport(pixelX(x), pixelY(y))); }

struct MenuGLTest : ::testing::Test {
    void SetUp() override
    {
        pointAt(0.0, 0.0);  // out of the way
        menu = new Menu(&chooser);
        chooser.menu = menu;
        for (const char* key : {"start", "difficulty", "highscores", "help", "credits", "exit"})
            entries.push_back(menu->addEntry(key == std::string("difficulty") ? "" : key, key));
        entries[1]->setSize(0.08);
        entries[1]->setText("Difficulty of next game:\nEasy");
        menu->addEntry("late", "late");  // lays everything out again with the real heights
    }
    void TearDown() override { delete chooser.menu; }
    Chooser chooser;
    Menu* menu = nullptr;
    std::vector<MenuEntry*> entries;
};
}  // namespace

TEST_F(MenuGLTest, EntriesAreCentredWithEqualGaps)
{
    const double heights = 6 * 0.1 + 0.168;
    const double gap = (1 - heights) / 8;
    EXPECT_NEAR(entries[0]->getY(), 1 - gap - 0.05, 1e-9);
    EXPECT_NEAR(entries[1]->getY(), entries[0]->getY() - 0.05 - gap - 0.084, 1e-9);
    EXPECT_NEAR(menu->getEntries().back()->getY(), gap + 0.05, 1e-9) << "the same gap below the last";
    for (auto& entry : menu->getEntries()) EXPECT_EQ(entry->getX(), 0.5);
}

// One sound per entry newly highlighted; only the left button chooses, wherever released.
TEST_F(MenuGLTest, ThePointerHighlightsAndTheLeftButtonChooses)
{
    auto counter = std::make_unique<PlayCounter>();
    PlayCounter& sounds = *counter;
    std::unique_ptr<SoundDevice> previous = SoundSystem::useDevice(std::move(counter));
    std::vector<double> sizes;
    for (MenuEntry* entry : entries) sizes.push_back(entry->getSize());
    const double within = 0.5 + entries[3]->getWidth() / 4, beside = 0.98;
    const struct {
        const char* what;
        double x;
        int entry, highlighted, plays;
    } moves[] = {
        {"onto help", 0.5, 3, 3, 1},
        {"within help", within, 3, 3, 1},
        {"onto credits", 0.5, 4, 4, 2},
        {"back onto help, no bigger", 0.5, 3, 3, 3},
        {"in the band of help beside its text", beside, 3, -1, 3},
        {"out of the way", 0.0, 0, -1, 3},
    };
    for (const auto& move : moves) {
        pointAt(move.x, move.x == 0.0 ? 0.0 : entries[move.entry]->getY());
        const MenuEntry* highlighted = move.highlighted < 0 ? nullptr : entries[move.highlighted];
        EXPECT_EQ(menu->getHighlighted(), highlighted) << move.what;
        for (std::size_t i = 0; i < entries.size(); ++i)
            EXPECT_NEAR(entries[i]->getSize(), sizes[i] * (entries[i] == highlighted ? Menu::highlightGrowth : 1),
                        1e-12);
        EXPECT_EQ(sounds.plays, move.plays) << move.what;
    }
    dispatchMouseButtonReleased(GLUT_LEFT_BUTTON, Pointer::inViewport(0, 0));
    EXPECT_TRUE(chooser.chosen.empty()) << "nothing highlighted";
    pointAt(0.5, entries[2]->getY());
    dispatchMouseButtonReleased(GLUT_RIGHT_BUTTON, Pointer::inViewport(0, 0));
    dispatchMouseButtonReleased(GLUT_MIDDLE_BUTTON, Pointer::inViewport(0, 0));
    EXPECT_TRUE(chooser.chosen.empty());
    dispatchMouseButtonReleased(GLUT_LEFT_BUTTON, Pointer::inViewport(1, 1));
    EXPECT_EQ(chooser.chosen, std::vector<std::string>{"highscores"});
    EXPECT_EQ(sounds.plays, 5) << "once more when chosen";
    SoundSystem::useDevice(std::move(previous));

    pointAt(0.0, 0.0);
    menu->hide();
    EXPECT_FALSE(entries[0]->isVisible());
    pointAt(0.5, entries[0]->getY());
    EXPECT_EQ(menu->getHighlighted(), nullptr);
    menu->show();  // looks where the pointer rests at once
    EXPECT_EQ(menu->getHighlighted(), entries[0]);

    // The listener may delete the menu as it chooses.
    chooser.deleteOnChoice = true;
    dispatchMouseButtonReleased(GLUT_LEFT_BUTTON, Pointer::inViewport(0, 0));
    EXPECT_EQ(chooser.chosen, (std::vector<std::string>{"highscores", "start"}));
    EXPECT_EQ(chooser.menu, nullptr);
    dispatchMouseMoved(Pointer::inViewport(10, 10));  // no listener left behind
}
