// The overlay as the player sees it at 1280 x 720: the ship's gauges, the rocket counters
// with their spinning rocket, score, clock and crosshair; and a sampler of text sizes and
// anchors. Checks where the colours land, and leaves the pictures in build/gl-shots/ for a
// person to look at. Uses the game's font and rocket model from the run folder.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

#include "overlay/CrosshairCursor.h"
#include "overlay/ModelScreenCounter.h"
#include "overlay/ScreenTimer.h"
#include "overlay/TwoSidedColorScreenBeam.h"
#include "scene/Model.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"

namespace {
// A blue square of side 2 around its origin, facing the viewer.
struct Tile : DynamicSceneObject {
    void draw() override
    {
        DynamicSceneObject::draw();
        glColor3d(0, 0, 1);
        glNormal3d(0, 0, 1);
        glRectd(-1, -1, 1, 1);
    }
};

struct HudGLTest : ::testing::Test {
    void SetUp() override
    {
        GLContext::resize(1280, 720);
        SceneGraph::getInstance();  // the GL state every frame starts from
        glClearColor(0.02f, 0.03f, 0.08f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override { GLContext::resize(640, 480); }
    void shoot(const std::string& name) { EXPECT_FALSE(GLContext::writePng(name).empty()); }
};

GLContext::Rgb at(double x, double y)
{
    return GLContext::pixel(static_cast<int>(x * 1280), static_cast<int>(y * 720));
}
}  // namespace

TEST_F(HudGLTest, TheShipsGaugesCountersAndClock)
{
    ColorScreenBeam life(0.01, 0.01, 0.485, 0.025, true, false, Color(0, 1, 0, 0.3), Color(0, 1, 0, 0.9), 0.8);
    ColorScreenBeam shield(0.505, 0.01, 0.485, 0.025, true, true, Color(0, 0, 1, 0.3), Color(0, 0, 1, 0.9), 0.55);
    TwoSidedColorScreenBeam energy(0.01, 0.045, 0.98, 0.025, true, false, Color(1, 1, 0, 0.3), Color(1, 1, 0, 0.9),
                                   0.7);
    std::unique_ptr<DynamicSceneObject> rocket(Model::getModel("Rocket"));
    // As the rocket gun sets up its counter model.
    rocket->setRotationMode(1);
    rocket->setRotation(-45.0, 0, 0, 1);
    rocket->rotate(90.0, -1, 1, 0);
    rocket->setRotationMode(0);
    rocket->setSpin(90.0, 0, 0, 1);
    rocket->setScale(0.05);
    ModelScreenCounter left(rocket.get(), 0.04, 1, 16, "arial"), right(rocket.get(), 0.04, 3, 15, "arial");
    left.setSize(0.07);
    right.setSize(0.07);
    left.setPosition(0.08, 0.12);
    right.setPosition(0.915, 0.12);
    ScreenCounter score("arial", 12480);
    score.setPosition(0.0, 1.0);
    ScreenTimer clock("arial", 0, 0, 0, ScreenTimer::Clock);
    clock.setAlignment(ScreenTextPoint::TopRight);
    clock.setPosition(1.0, 1.0);
    for (ScreenTextPoint* text : {static_cast<ScreenTextPoint*>(&score), static_cast<ScreenTextPoint*>(&clock)})
        text->setColor(Color(1, 1, 1, 0.5));
    CrosshairCursor cursor(8, Color(0.2, 1, 0.2, 1));
    cursor.show();
    cursor.mouseMoved(Pointer::inViewport(700, 300));

    CalculateLater::calculateAll({754.5, 0.7});  // a frame of the running game
    drawScreenElements();
    shoot("overlay-hud");

    EXPECT_EQ(clock.getText(), "12:34");
    // Each gauge is faint at its fixed end (the centre) and bright at its moving end.
    EXPECT_GT(at(0.115, 0.02).g, 150);  // life: 0.8 of its half, leftward
    EXPECT_LT(at(0.485, 0.02).g, 100);
    EXPECT_LT(at(0.1, 0.02).g, 40);
    EXPECT_GT(at(0.765, 0.02).b, 150);  // shield: 0.55, rightward
    EXPECT_LT(at(0.78, 0.02).b, 40);
    EXPECT_GT(at(0.165, 0.057).r, 150);  // energy: 0.7 of both halves, outward
    EXPECT_GT(at(0.835, 0.057).g, 150);
    EXPECT_LT(at(0.15, 0.057).r, 40);
    // The rockets stand left of the left number and right of the right one.
    const auto lit = [](int x0, int y0) {
        int count = 0;
        for (int x = x0 - 30; x < x0 + 30; ++x)
            for (int y = y0 - 30; y < y0 + 30; ++y) count += GLContext::pixel(x, y).g > 100;
        return count;
    };
    EXPECT_GT(lit(51, 86), 150);
    EXPECT_GT(lit(1222, 86), 150);
    Cursor::useSystemCursor();
}

TEST_F(HudGLTest, TextAtSeveralSizesAndAnchors)
{
    std::vector<std::unique_ptr<ScreenTextPoint>> texts;
    const auto add = [&](const std::string& text, int alignment, double x, double y, double size, const Color& color) {
        texts.push_back(std::make_unique<ScreenTextPoint>("arial", text));
        texts.back()->setAlignment(alignment);
        texts.back()->setPosition(x, y);
        texts.back()->setSize(size);
        texts.back()->setColor(color);
    };
    const char* names[9] = {"TopLeft", "Top",        "TopRight", "Left",       "Center",
                            "Right",   "BottomLeft", "Bottom",   "BottomRight"};
    for (int code = 0; code < 9; ++code)
        add(names[code], code, 0.05 + 0.45 * (code % 3), 0.95 - 0.45 * (code / 3), 0.05, Color(1, 1, 1, 0.9));
    add("GAME OVER", ScreenTextPoint::Center, 0.5, 0.62, 0.1, Color(0, 0, 1, 1));
    add("You reached the highscore table!\nPlease enter your name:", ScreenTextPoint::Center, 0.5, 0.38, 0.07,
        Color(0.3, 0.5, 1, 1));
    add("Small print at 0.03: The quick brown fox jumps over the lazy dog.", ScreenTextPoint::Bottom, 0.5, 0.2, 0.03,
        Color(1, 1, 0.6, 1));
    drawScreenElements();
    shoot("overlay-text");

    const auto inkNear = [](double x, double y) {
        int count = 0;
        for (int dx = -20; dx <= 20; ++dx)
            for (int dy = -20; dy <= 20; ++dy) {
                const GLContext::Rgb p = at(x + dx / 1280.0, y + dy / 720.0);
                count += p.r > 200 && p.g > 200 && p.b > 200;
            }
        return count;
    };
    EXPECT_GT(inkNear(0.08, 0.93), 20) << "top left text hangs below and right of its anchor";
    EXPECT_GT(inkNear(0.92, 0.07), 20) << "bottom right text stands above and left of its anchor";
    EXPECT_EQ(inkNear(0.035, 0.5), 0) << "left of the left anchor";
}

TEST_F(HudGLTest, TheCountersObjectKeepsItsProportionsAndItsOwnPlace)
{
    Tile tile;
    tile.setScale(0.05);
    tile.setPosition(0, 0.1, 0);  // its own offset: 0.1 higher
    ModelScreenCounter counter(&tile, 0.2, 1, 7, "arial");
    counter.setPosition(0.5, 0.3);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScreenElements();
    // Centred on (0.3, 0.4) of the screen, (384, 288) in pixels; half a side is 0.05 of the
    // height, 36 pixels, across as well as up.
    EXPECT_GT(at(0.3, 0.4).b, 200);
    for (int d : {34, -35}) {
        EXPECT_GT(GLContext::pixel(384 + d, 288).b, 200) << d;
        EXPECT_GT(GLContext::pixel(384, 288 + d).b, 200) << d;
    }
    for (int d : {38, -39}) {
        EXPECT_EQ(GLContext::pixel(384 + d, 288).b, 0) << d;
        EXPECT_EQ(GLContext::pixel(384, 288 + d).b, 0) << d;
    }
    EXPECT_NEAR((tile.getPosition() - Vector(0, 0.1, 0)).length(), 0, 1e-12) << "back at its own place";
}
