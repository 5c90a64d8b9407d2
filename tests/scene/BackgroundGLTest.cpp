// The sky box, drawn around the eye behind everything; each test runs in its own process.
#include "scene/Background.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "scene/Camera.h"
#include "scene/Color.h"
#include "scene/Model.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"
#include "tests/support/ModelBytes.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/Shapes.h"
#include "tests/support/TemporaryFolder.h"

namespace {
constexpr int width = 160, height = 120;

struct BackgroundGLTest : ::testing::Test {
    // The model library keeps every sky box it read: each test runs in a fresh (death test) process.
    void inFreshProcess(const std::function<void()>& body)
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        EXPECT_EXIT(
            {
                GLContext::resize(width, height);
                folder.enter();
                std::filesystem::create_directory("models");
                Background::setOrientation(0, Vector(1, 0, 0));
                body();
                std::filesystem::remove_all(folder.path());
                std::exit(::testing::Test::HasFailure() ? 1 : 0);
            },
            ::testing::ExitedWithCode(0), "");
    }
    // A sky box that is only its front wall: a grey square one unit ahead, facing the eye.
    static void writeFrontWall()
    {
        ModelBytes wall = ModelBytes::square(1.0);
        for (auto& v : wall.vertices) v[2] = -1.0;
        wall.write("models/skybox");
    }
    static Camera* addCamera()
    {
        auto* camera = new Camera;
        SceneGraph::getInstance()->setBackground(Background::draw);
        SceneGraph::getInstance()->addChild(camera);
        SceneGraph::getInstance()->setCamera(camera);
        return camera;
    }
    static void drawFrame()
    {
        SceneGraph::getInstance()->calculate({0, 0});
        SceneGraph::getInstance()->draw();
    }
    static int centreGrey() { return GLContext::pixel(width / 2, height / 2).g; }

    TemporaryFolder folder;
};
}  // namespace

TEST_F(BackgroundGLTest, AMissingSkyBoxIsReportedOnceAndLeavesTheSkyBlack)
{
    inFreshProcess([] {
        RecordingPlatform platform;
        addCamera();
        drawFrame();
        drawFrame();
        EXPECT_EQ(platform.messages, std::vector<std::string>{"Cannot load the sky box: Model not found!"});
        EXPECT_EQ(GLContext::countNonBlack(), 0);
    });
}

TEST_F(BackgroundGLTest, TheSkyBoxTurnsWithTheCameraButNeverComesCloserAndStaysBehindEverything)
{
    inFreshProcess([] {
        writeFrontWall();
        Camera* camera = addCamera();
        camera->setPosition(0, 0, 500);  // far beyond the sky box's ten units and the far plane
        drawFrame();
        EXPECT_NEAR(centreGrey(), 204, 2) << "the model's grey, unlit";
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_CULL_FACE));

        camera->setRotation(180, 0, 1, 0);  // looking the other way
        drawFrame();
        EXPECT_EQ(centreGrey(), 0);
        Background::setOrientation(180, Vector(0, 1, 0));   // the wall follows the sky's turn
        auto* distant = new ColouredSquare(1, 0, 0, 20.0);  // as far as the far plane allows
        distant->setPosition(0, 0, 500 + 95);
        distant->setRotation(180, 0, 1, 0);  // facing the camera
        SceneGraph::getInstance()->addChild(distant);
        drawFrame();
        EXPECT_EQ(GLContext::pixel(width / 2, height / 2).r, 255);
        EXPECT_NEAR(GLContext::pixel(2, height / 2).g, 204, 2) << "the sky around it";

        // A fading model, drawn in the solid pass before the sky, still blends with the sky.
        distant->destroy();
        auto* fading = new Model(Model::loadModelData("skybox"));  // the wall, turned to face the camera
        fading->setColor(Color(1, 0, 0, 0.5));
        fading->setRotation(180, 0, 1, 0);
        fading->setPosition(0, 0, 500);
        SceneGraph::getInstance()->addChild(fading);
        drawFrame();
        EXPECT_NEAR(centreGrey(), 102, 3) << "half the sky's grey";
    });
}
