// The overlay as the player sees it, at 1280 x 720: the ship's gauges, the rocket counters
// with their spinning rockets (the game's rocket model when the run folder has it), score, clock and crosshair; and a
// sampler of text sizes and anchors. Checks where the colours land; with RUBBLESTORM_SHOTS set it also writes the
// pictures for a person to look at. Uses the game's font when the run folder has it, and a
// font drawn by ImageMagick otherwise.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "overlay/CrosshairCursor.h"
#include "overlay/ModelScreenCounter.h"
#include "overlay/ScreenTimer.h"
#include "overlay/TwoSidedColorScreenBeam.h"
#include "scene/DynamicSceneObject.h"
#include "scene/GameError.h"
#include "scene/Model.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"
#include "tests/support/Screenshot.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFont.h"

namespace {
constexpr double pi = 3.14159265358979323846;

// A small rocket along its local z axis, nose forward, in the colours of a Model (a grey
// body, a red nose and fins): the stand-in while the run folder has no rocket model.
class ToyRocket : public DynamicSceneObject {
public:
    void draw() override
    {
        DynamicSceneObject::draw();
        constexpr int sides = 16;
        const auto ring = [](int i) { return 2 * pi * i / sides; };
        glColor4d(0.8, 0.8, 0.82, 1);
        glBegin(GL_QUADS);  // the body
        for (int i = 0; i < sides; ++i) {
            const double a0 = ring(i), a1 = ring(i + 1);
            glNormal3d(std::cos(a0), std::sin(a0), 0);
            glVertex3d(0.15 * std::cos(a0), 0.15 * std::sin(a0), -0.6);
            glNormal3d(std::cos(a1), std::sin(a1), 0);
            glVertex3d(0.15 * std::cos(a1), 0.15 * std::sin(a1), -0.6);
            glVertex3d(0.15 * std::cos(a1), 0.15 * std::sin(a1), 0.5);
            glNormal3d(std::cos(a0), std::sin(a0), 0);
            glVertex3d(0.15 * std::cos(a0), 0.15 * std::sin(a0), 0.5);
        }
        glEnd();
        glColor4d(0.85, 0.2, 0.15, 1);
        glBegin(GL_TRIANGLES);  // the nose
        for (int i = 0; i < sides; ++i) {
            const double a0 = ring(i), a1 = ring(i + 1);
            glNormal3d(std::cos(a0), std::sin(a0), 0.45);
            glVertex3d(0.15 * std::cos(a0), 0.15 * std::sin(a0), 0.5);
            glNormal3d(std::cos(a1), std::sin(a1), 0.45);
            glVertex3d(0.15 * std::cos(a1), 0.15 * std::sin(a1), 0.5);
            glNormal3d(std::cos((a0 + a1) / 2), std::sin((a0 + a1) / 2), 0.45);
            glVertex3d(0, 0, 0.85);
        }
        glEnd();
        glDisable(GL_CULL_FACE);  // the fins are seen from both sides
        glBegin(GL_TRIANGLES);
        for (int fin = 0; fin < 4; ++fin) {
            const double a = pi / 2 * fin + pi / 4;
            glNormal3d(-std::sin(a), std::cos(a), 0);
            glVertex3d(0.15 * std::cos(a), 0.15 * std::sin(a), -0.2);
            glVertex3d(0.15 * std::cos(a), 0.15 * std::sin(a), -0.6);
            glVertex3d(0.42 * std::cos(a), 0.42 * std::sin(a), -0.66);
        }
        glEnd();
        glEnable(GL_CULL_FACE);
    }
};

// The rocket of the counters: the game's model when the run folder has it, set up as the
// rocket gun sets up its counter model.
DynamicSceneObject* makeCounterRocket()
{
    DynamicSceneObject* rocket = nullptr;
    try {
        rocket = Model::getModel("Rocket");
    } catch (const GameError&) {
        rocket = new ToyRocket;
    }
    rocket->setRotationMode(1);
    rocket->setRotation(-45.0, 0, 0, 1);
    rocket->rotate(90.0, -1, 1, 0);
    rocket->setRotationMode(0);
    rocket->setSpin(90.0, 0, 0, 1);
    rocket->setScale(0.05);
    return rocket;
}

struct HudGLTest : ::testing::Test {
    void SetUp() override
    {
        if (!std::filesystem::exists("fonts/arial.bmp")) {  // the generated font is not there yet
            folder = std::make_unique<TemporaryFolder>();
            folder->enter();
            std::filesystem::create_directory("fonts");
            ASSERT_TRUE(writeFontBitmap("fonts/arial.bmp", 1024, false));
        }
        GLContext::resize(1280, 720);
        SceneGraph::getInstance();  // the GL state every frame starts from
    }
    void TearDown() override { GLContext::resize(640, 480); }

    // A dark sky with a few stars, so that the blending shows.
    static void drawBackdrop()
    {
        glClearColor(0.02f, 0.03f, 0.08f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glPointSize(2);
        glBegin(GL_POINTS);
        unsigned seed = 7;
        for (int i = 0; i < 300; ++i) {
            seed = seed * 1103515245u + 12345u;
            const double x = (seed >> 8) % 2000 / 1000.0 - 1;
            seed = seed * 1103515245u + 12345u;
            const double y = (seed >> 8) % 2000 / 1000.0 - 1;
            const double light = 0.3 + (seed >> 4) % 70 / 100.0;
            glColor3d(light, light, light * 1.1);
            glVertex2d(x, y);
        }
        glEnd();
        glEnable(GL_LIGHTING);
    }

    void shoot(const std::string& name)
    {
        const std::string shots = screenshotFolder();
        if (!shots.empty()) {
            EXPECT_TRUE(writeScreenshot(shots + "/" + name));
        }
    }

    std::unique_ptr<TemporaryFolder> folder;
};

GLContext::Rgb at(double x, double y)
{
    return GLContext::pixel(static_cast<int>(x * GLContext::width()), static_cast<int>(y * GLContext::height()));
}
}  // namespace

TEST_F(HudGLTest, TheShipsGaugesCountersAndClock)
{
    ColorScreenBeam life(0.01, 0.01, 0.485, 0.025, true, false, Color(0, 1, 0, 0.3), Color(0, 1, 0, 0.9), 0.8);
    ColorScreenBeam shield(0.505, 0.01, 0.485, 0.025, true, true, Color(0, 0, 1, 0.3), Color(0, 0, 1, 0.9), 0.55);
    TwoSidedColorScreenBeam energy(0.01, 0.045, 0.98, 0.025, true, false, Color(1, 1, 0, 0.3), Color(1, 1, 0, 0.9),
                                   0.7);

    std::unique_ptr<DynamicSceneObject> rocket(makeCounterRocket());
    ModelScreenCounter left(rocket.get(), 0.04, 1, 16, "arial");
    ModelScreenCounter right(rocket.get(), 0.04, 3, 15, "arial");
    for (ModelScreenCounter* counter : {&left, &right}) counter->setSize(0.07);
    left.setPosition(0.08, 0.12);
    right.setPosition(0.915, 0.12);

    ScreenCounter score("arial", 12480);
    score.setPosition(0.0, 1.0);
    score.setColor(Color(1, 1, 1, 0.5));
    ScreenTimer clock("arial", 0, 0, 0, ScreenTimer::Clock);
    clock.setAlignment(ScreenTextPoint::TopRight);
    clock.setPosition(1.0, 1.0);
    clock.setColor(Color(1, 1, 1, 0.5));
    CrosshairCursor cursor(8, Color(0.2, 1, 0.2, 1));
    cursor.show();
    cursor.mouseMoved(700, 300);

    // A frame of the running game: the deferred pass updates, then the overlay draws.
    for (double time : {754.0, 754.5}) CalculateLater::calculateAll({time, 0.5});
    drawBackdrop();
    drawScreenElements();
    shoot("hud.png");

    EXPECT_EQ(clock.getText(), "12:34");
    // Life fills 0.8 of its half from the centre leftward, shield 0.55 from the centre
    // rightward, energy 0.7 of both halves outward; each is faint at its fixed end and bright
    // at its moving end.
    EXPECT_GT(at(0.115, 0.02).g, 150);
    EXPECT_LT(at(0.485, 0.02).g, 100);
    EXPECT_LT(at(0.1, 0.02).g, 40) << "the empty part of the life gauge";
    EXPECT_GT(at(0.765, 0.02).b, 150);
    EXPECT_LT(at(0.78, 0.02).b, 40) << "the empty part of the shield gauge";
    const GLContext::Rgb outerEnergy = at(0.165, 0.057);
    EXPECT_GT(outerEnergy.r, 150);
    EXPECT_GT(outerEnergy.g, 150);
    EXPECT_LT(at(0.5, 0.057).r, 100);
    EXPECT_LT(at(0.15, 0.057).r, 40);
    EXPECT_GT(at(0.835, 0.057).g, 150);
    // The rockets beside the numbers: left of the left counter, right of the right one.
    const auto rocketPixels = [](int centreX, int centreY) {
        int count = 0;
        for (int x = centreX - 30; x < centreX + 30; ++x)
            for (int y = centreY - 30; y < centreY + 30; ++y) {
                const GLContext::Rgb p = GLContext::pixel(x, y);
                if (p.r + p.g + p.b > 150) ++count;
            }
        return count;
    };
    EXPECT_GT(rocketPixels(51, 86), 150);
    EXPECT_GT(rocketPixels(1222, 86), 150);
    Cursor::useSystemCursor();
}

TEST_F(HudGLTest, TextAtSeveralSizesAndAnchors)
{
    std::vector<std::unique_ptr<ScreenTextPoint>> texts;
    const char* names[9] = {"TopLeft", "Top",        "TopRight", "Left",       "Center",
                            "Right",   "BottomLeft", "Bottom",   "BottomRight"};
    for (int code = 0; code < 9; ++code) {
        auto text = std::make_unique<ScreenTextPoint>("arial", names[code]);
        text->setAlignment(code);
        text->setSize(0.05);
        text->setPosition(0.05 + 0.45 * (code % 3), 0.95 - 0.45 * (code / 3));
        text->setColor(Color(1, 1, 1, 0.9));
        texts.push_back(std::move(text));
    }
    auto message = std::make_unique<ScreenTextPoint>("arial", "GAME OVER");
    message->setAlignment(ScreenTextPoint::Center);
    message->setPosition(0.5, 0.62);
    message->setColor(Color(0, 0, 1, 1));
    auto prompt =
        std::make_unique<ScreenTextPoint>("arial", "You reached the highscore table!\nPlease enter your name:");
    prompt->setAlignment(ScreenTextPoint::Center);
    prompt->setPosition(0.5, 0.38);
    prompt->setSize(0.07);
    prompt->setColor(Color(0.3, 0.5, 1, 1));
    auto small =
        std::make_unique<ScreenTextPoint>("arial", "Small print at 0.03: The quick brown fox jumps over the lazy dog.");
    small->setAlignment(ScreenTextPoint::Bottom);
    small->setPosition(0.5, 0.2);
    small->setSize(0.03);
    small->setColor(Color(1, 1, 0.6, 1));
    drawBackdrop();
    drawScreenElements();
    shoot("text.png");

    // The corner texts touch their corners' margins and nothing spills off the screen.
    EXPECT_GT(GLContext::countPixelsNot(5, 8, 20, 40), 1000);
    const auto inkNear = [](double x, double y) {
        int count = 0;
        for (int dx = -40; dx <= 40; ++dx)
            for (int dy = -40; dy <= 40; ++dy) {
                const GLContext::Rgb p =
                    GLContext::pixel(static_cast<int>(x * 1280) + dx, static_cast<int>(y * 720) + dy);
                if (p.r > 200 && p.g > 200 && p.b > 200) ++count;
            }
        return count;
    };
    EXPECT_GT(inkNear(0.08, 0.93), 20) << "top left text hangs below and right of its anchor";
    EXPECT_GT(inkNear(0.92, 0.07), 20) << "bottom right text stands above and left of its anchor";
}
