// The rules that turn a pad's state into the mouse's and the keys' events.
#include "app/PadTranslator.h"

#include <GL/freeglut_std.h>
#include <gtest/gtest.h>

#include "app/Pointer.h"

namespace {
using Events = std::vector<InputEvent>;

PadView game(int pointerX = 100, int pointerY = 50) { return {PadView::Game, 1280, 720, pointerX, pointerY}; }

PadView menu(PadView::Mode mode, int highlighted)
{
    return {mode, 1280, 720, 100, 50, {{0.5, 0.8}, {0.5, 0.5}, {0.5, 0.2}}, highlighted};
}

PadState pressing(PadButton button)
{
    PadState pad;
    pad.set(button, true);
    return pad;
}

InputEvent move(int x, int y) { return {InputEvent::PointerMove, 0, x, y}; }
InputEvent key(unsigned char code, bool down = true) { return {down ? InputEvent::KeyDown : InputEvent::KeyUp, code}; }
Events keyPress(unsigned char code) { return {key(code), key(code, false)}; }
InputEvent button(int code, bool down, int x = 100, int y = 50)
{
    return {down ? InputEvent::ButtonDown : InputEvent::ButtonUp, code, x, y};
}
InputEvent special(int code, bool down = true)
{
    return {down ? InputEvent::SpecialDown : InputEvent::SpecialUp, code};
}
}  // namespace

TEST(PadTranslatorTest, FullDeflectionTurnsAsThePointerAtTheEdgeOfTheSmallerSide)
{
    struct Case {
        double x, y, steerX, steerY;
    } cases[] = {
        {0.1, -0.1, 0.0, 0.0},                                                    // inside the dead zone
        {1.0, 0.0, 0.5, 0.0},    {0.0, -1.0, 0.0, -0.5}, {-1.0, 1.0, -0.5, 0.5},  // a square gate's corner
        {0.575, 0.0, 0.25, 0.0},                                                  // half way out of the dead zone
    };
    for (const auto& [width, height] : {std::pair{1280, 720}, std::pair{600, 800}}) {
        for (const Case& c : cases) {
            const auto [x, y] = PadTranslator::stickPixel(PadTranslator::deflection(c.x, c.y), width, height);
            const Pointer pointer = Pointer::inWindow(x, y, width, height);
            const double pixel = 1.0 / std::min(width, height);
            EXPECT_NEAR(pointer.steerX(), c.steerX, pixel) << width << " " << c.x << "," << c.y;
            EXPECT_NEAR(pointer.steerY(), c.steerY, pixel) << width << " " << c.x << "," << c.y;
        }
    }
}

TEST(PadTranslatorTest, InAGameEachInputActsAsItsMouseButtonOrKey)
{
    using E = InputEvent;
    constexpr bool click = true, held = false;  // pressed and let go at once, or for as long as held
    const struct {
        const char* name;
        PadState pad;
        E::Kind kind;  // of pressing; letting go is the next kind
        int code;
        bool click;
    } cases[] = {
        {"right trigger", PadState{.rightTrigger = 0.6}, E::ButtonDown, GLUT_LEFT_BUTTON, held},
        {"left trigger", PadState{.leftTrigger = 1.0}, E::ButtonDown, GLUT_MIDDLE_BUTTON, held},
        {"south", pressing(PadButton::South), E::ButtonDown, GLUT_RIGHT_BUTTON, click},
        {"west", pressing(PadButton::West), E::ButtonDown, GLUT_MIDDLE_BUTTON, click},
        {"right stick up", PadState{.rightY = -0.8}, E::SpecialDown, GLUT_KEY_UP, held},
        {"D-pad up", pressing(PadButton::DpadUp), E::SpecialDown, GLUT_KEY_UP, held},
        {"left shoulder", pressing(PadButton::LeftShoulder), E::SpecialDown, GLUT_KEY_LEFT, held},
        {"right shoulder", pressing(PadButton::RightShoulder), E::SpecialDown, GLUT_KEY_RIGHT, held},
        {"Back", pressing(PadButton::Back), E::KeyDown, 'p', click},
        {"Start", pressing(PadButton::Start), E::KeyDown, 27, click},
    };
    for (const auto& c : cases) {
        const bool button = c.kind == E::ButtonDown;
        const E down{c.kind, c.code, button ? 100 : 0, button ? 50 : 0};
        const E up{E::Kind(c.kind + 1), c.code, down.x, down.y};
        PadTranslator translator;
        EXPECT_EQ(translator.translate(c.pad, game(), 0), (c.click ? Events{down, up} : Events{down})) << c.name;
        EXPECT_EQ(translator.translate(c.pad, game(), 1), Events{}) << c.name << " held";
        EXPECT_EQ(translator.translate({}, game(), 2), c.click ? Events{} : Events{up}) << c.name << " let go";
    }
    EXPECT_EQ(PadTranslator().translate(PadState{.rightTrigger = 0.5}, game(), 0), Events{}) << "only past half way";
}

TEST(PadTranslatorTest, TheStickMovesThePointerOnlyWhenItMoves)
{
    PadTranslator translator;
    PadState pad;
    EXPECT_EQ(translator.translate(pad, game(), 0), Events{}) << "a resting pad leaves the mouse alone";
    pad.leftX = 1.0;
    EXPECT_EQ(translator.translate(pad, game(), 1), Events{move(1000, 360)});
    EXPECT_EQ(translator.translate(pad, game(), 2), Events{}) << "held still: the mouse may take over";
    pad.leftX = 0.1;
    EXPECT_EQ(translator.translate(pad, game(), 3), Events{move(640, 360)}) << "back to rest is a move";

    // The pad left the pointer on a menu entry; the game resumes with the stick at rest.
    translator.translate(pressing(PadButton::DpadDown), menu(PadView::GameMenu, -1), 4);
    EXPECT_EQ(translator.translate({}, game(640, 144), 5), Events{move(640, 360)});
    translator.translate({}, menu(PadView::GameMenu, 0), 6);
    EXPECT_EQ(translator.translate({}, game(17, 17), 7), Events{}) << "the mouse moved last";
}

TEST(PadTranslatorTest, NothingHeldOutlastsTheGameOrThePad)
{
    PadState pad;
    pad.rightTrigger = 1.0;
    pad.set(PadButton::RightShoulder, true);
    PadTranslator translator;
    translator.translate(pad, game(), 0);
    pad.set(PadButton::Start, true);
    EXPECT_EQ(translator.translate(pad, game(), 1),
              (Events{button(GLUT_LEFT_BUTTON, false), special(GLUT_KEY_RIGHT, false), key(27), key(27, false)}))
        << "let go before the menu opens";
    EXPECT_EQ(translator.translate(pad, menu(PadView::GameMenu, -1), 2), Events{}) << "not held in a menu";

    pad.set(PadButton::Start, false);
    translator.translate(pad, game(), 3);
    EXPECT_EQ(translator.release(game()), (Events{button(GLUT_LEFT_BUTTON, false), special(GLUT_KEY_RIGHT, false)}));
    EXPECT_EQ(translator.release(game()), Events{});
}

TEST(PadTranslatorTest, MenusAreWalkedEntryByEntryAndChosenWithSouth)
{
    PadTranslator translator;
    const PadState down = pressing(PadButton::DpadDown), stickUp = PadState{.leftY = -0.9};
    EXPECT_EQ(translator.translate(down, menu(PadView::MainMenu, -1), 0), Events{move(640, 144)}) << "the first";
    EXPECT_EQ(translator.translate(down, menu(PadView::MainMenu, 0), 399'999), Events{});
    EXPECT_EQ(translator.translate(down, menu(PadView::MainMenu, 0), 400'000), Events{move(640, 360)}) << "repeat";
    EXPECT_EQ(translator.translate(down, menu(PadView::MainMenu, 1), 500'000), Events{});
    EXPECT_EQ(translator.translate(down, menu(PadView::MainMenu, 1), 520'000), Events{move(640, 576)});
    EXPECT_EQ(translator.translate(down, menu(PadView::MainMenu, 2), 640'000), Events{}) << "the last stays";
    EXPECT_EQ(translator.translate(stickUp, menu(PadView::MainMenu, 2), 650'000), Events{move(640, 360)});
    EXPECT_EQ(translator.translate(pressing(PadButton::South), menu(PadView::MainMenu, 1), 700'000),
              (Events{button(GLUT_LEFT_BUTTON, true, 640, 360), button(GLUT_LEFT_BUTTON, false, 640, 360)}));

    struct Case {
        PadView::Mode mode;
        PadButton button;
        Events events;
    } cases[] = {
        {PadView::MainMenu, PadButton::East, {}},
        {PadView::GameMenu, PadButton::East, keyPress(27)},
        {PadView::GameMenu, PadButton::Start, keyPress(27)},
        {PadView::Screen, PadButton::East, keyPress(27)},
        {PadView::Screen, PadButton::South, keyPress(' ')},
        {PadView::GameOver, PadButton::South, keyPress(27)},
        {PadView::NameEntry, PadButton::South, keyPress(13)},
        {PadView::NameEntry, PadButton::Start, keyPress(13)},
        {PadView::NameEntry, PadButton::East, {}},
    };
    for (const Case& c : cases) {
        PadView view = menu(c.mode, -1);
        EXPECT_EQ(PadTranslator().translate(pressing(c.button), view, 0), c.events)
            << "mode " << c.mode << " button " << static_cast<int>(c.button);
    }
}
