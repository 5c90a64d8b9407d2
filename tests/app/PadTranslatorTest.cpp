// The rules that turn a pad's state into the mouse's and the keys' events.
#include "app/PadTranslator.h"

#include <GL/freeglut_std.h>
#include <gtest/gtest.h>

#include "app/Pointer.h"

namespace {
using Events = std::vector<InputEvent>;

PadView game(int pointerX = 100, int pointerY = 50)
{
    PadView view;
    view.mode = PadView::Game;
    view.width = 1280;
    view.height = 720;
    view.pointerX = pointerX;
    view.pointerY = pointerY;
    return view;
}

PadView menu(PadView::Mode mode, int highlighted)
{
    PadView view = game();
    view.mode = mode;
    view.entries = {{0.5, 0.8}, {0.5, 0.5}, {0.5, 0.2}};
    view.highlighted = highlighted;
    return view;
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
InputEvent special(int code, bool down = true) { return {down ? InputEvent::SpecialDown : InputEvent::SpecialUp, code}; }
}  // namespace

TEST(PadTranslatorTest, FullDeflectionTurnsAsThePointerAtTheEdgeOfTheSmallerSide)
{
    struct Case {
        double x, y, steerX, steerY;
    } cases[] = {
        {0.1, -0.1, 0.0, 0.0},  // inside the dead zone
        {1.0, 0.0, 0.5, 0.0},   {0.0, -1.0, 0.0, -0.5}, {-1.0, 1.0, -0.5, 0.5},  // a square gate's corner
        {0.575, 0.0, 0.25, 0.0},                                                 // half way out of the dead zone
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
    PadState rightTrigger, leftTrigger, stickUp, stickDown;
    rightTrigger.rightTrigger = 0.6;
    leftTrigger.leftTrigger = 1.0;
    stickUp.rightY = -0.8;
    stickDown.rightY = 0.8;
    struct Case {
        const char* name;
        PadState pad;
        Events down;  // on pressing
        Events up;    // on letting go
    } cases[] = {
        {"right trigger", rightTrigger, {button(GLUT_LEFT_BUTTON, true)}, {button(GLUT_LEFT_BUTTON, false)}},
        {"left trigger", leftTrigger, {button(GLUT_MIDDLE_BUTTON, true)}, {button(GLUT_MIDDLE_BUTTON, false)}},
        {"south", pressing(PadButton::South),
         {button(GLUT_RIGHT_BUTTON, true), button(GLUT_RIGHT_BUTTON, false)}, {}},
        {"west", pressing(PadButton::West),
         {button(GLUT_MIDDLE_BUTTON, true), button(GLUT_MIDDLE_BUTTON, false)}, {}},
        {"right stick up", stickUp, {special(GLUT_KEY_UP)}, {special(GLUT_KEY_UP, false)}},
        {"right stick down", stickDown, {special(GLUT_KEY_DOWN)}, {special(GLUT_KEY_DOWN, false)}},
        {"D-pad up", pressing(PadButton::DpadUp), {special(GLUT_KEY_UP)}, {special(GLUT_KEY_UP, false)}},
        {"D-pad down", pressing(PadButton::DpadDown), {special(GLUT_KEY_DOWN)}, {special(GLUT_KEY_DOWN, false)}},
        {"left shoulder", pressing(PadButton::LeftShoulder), {special(GLUT_KEY_LEFT)}, {special(GLUT_KEY_LEFT, false)}},
        {"right shoulder", pressing(PadButton::RightShoulder),
         {special(GLUT_KEY_RIGHT)}, {special(GLUT_KEY_RIGHT, false)}},
        {"Back", pressing(PadButton::Back), keyPress('p'), {}},
        {"Start", pressing(PadButton::Start), keyPress(27), {}},
    };
    for (const Case& c : cases) {
        PadTranslator translator;
        EXPECT_EQ(translator.translate(c.pad, game(), 0), c.down) << c.name;
        EXPECT_EQ(translator.translate(c.pad, game(), 1), Events{}) << c.name << " held";
        EXPECT_EQ(translator.translate({}, game(), 2), c.up) << c.name << " let go";
    }
    PadState halfWay;
    halfWay.rightTrigger = 0.5;
    EXPECT_EQ(PadTranslator().translate(halfWay, game(), 0), Events{}) << "only past half way";
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
    PadState down = pressing(PadButton::DpadDown), stickUp;
    stickUp.leftY = -0.9;
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
        {PadView::MainMenu, PadButton::East, {}},       {PadView::MainMenu, PadButton::Start, {}},
        {PadView::GameMenu, PadButton::East, keyPress(27)}, {PadView::GameMenu, PadButton::Start, keyPress(27)},
        {PadView::Screen, PadButton::East, keyPress(27)},   {PadView::Screen, PadButton::South, keyPress(' ')},
        {PadView::GameOver, PadButton::South, keyPress(27)}, {PadView::GameOver, PadButton::Start, keyPress(27)},
        {PadView::NameEntry, PadButton::South, keyPress(13)}, {PadView::NameEntry, PadButton::Start, keyPress(13)},
        {PadView::NameEntry, PadButton::East, {}},
    };
    for (const Case& c : cases) {
        PadView view = menu(c.mode, -1);
        EXPECT_EQ(PadTranslator().translate(pressing(c.button), view, 0), c.events)
            << "mode " << c.mode << " button " << static_cast<int>(c.button);
    }
}
