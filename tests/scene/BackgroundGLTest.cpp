// The sky box: drawn around the eye with the camera's turn but not its place, behind every
// object however far, in its own orientation; a missing sky box is reported once.
#include "scene/Background.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "scene/Camera.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"
#include "tests/support/ModelBytes.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/Shapes.h"
#include "tests/support/TemporaryFolder.h"

namespace {
constexpr int width = 160, height = 120;

struct BackgroundGLTest : ::testing::Test {
    void SetUp() override
    {
        GLContext::resize(width, height);
        graph = SceneGraph::getInstance();
        folder.enter();
        std::filesystem::create_directory("models");
        Background::reload();
        Background::setOrientation(0, Vector(1, 0, 0));
    }
    void TearDown() override
    {
        for (SceneObject* child : graph->getChildren()) child->destroy();
        graph->calculate({0, 0});
        Background::reload();
        GLContext::resize(640, 480);
    }
    // A sky box that is only its front wall: a grey square one unit ahead, facing the eye.
    void writeFrontWall()
    {
        ModelBytes wall = ModelBytes::square(1.0);
        for (auto& v : wall.vertices) v[2] = -1.0;
        wall.write("models/skybox");
    }
    Camera* addCamera()
    {
        auto* camera = new Camera;
        graph->addChild(camera);
        graph->setCamera(camera);
        return camera;
    }
    void drawFrame(const std::string& shot = "")
    {
        graph->calculate({0, 0});
        Background::draw();
        graph->draw();
        if (!shot.empty()) GLContext::writePng(shot);
    }
    int centreGrey() { return GLContext::pixel(width / 2, height / 2).g; }

    TemporaryFolder folder;
    SceneGraph* graph = nullptr;
};
}  // namespace

// The model library keeps every file it has read for the rest of the process, so the missing
// sky box is asked for in a fresh one: the death test's re-run of this binary, whatever ran
// before it here.
TEST_F(BackgroundGLTest, AMissingSkyBoxIsReportedOnceAndLeavesTheSkyBlack)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            RecordingPlatform platform;
            addCamera();
            glClearColor(0, 0, 0, 0);
            drawFrame();
            drawFrame();
            const bool reportedOnce = platform.messages.size() == 1 && platform.titles[0] == "Error" &&
                                      platform.messages[0] == "Cannot load the sky box: Model not found!";
            const int lit = GLContext::countPixelsNot(0, 0, 0);
            std::fprintf(stderr, "%zu messages, %d lit pixels\n", platform.messages.size(), lit);
            std::filesystem::remove_all(folder.path());
            std::exit(reportedOnce && lit == 0 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "1 messages, 0 lit pixels");
}

TEST_F(BackgroundGLTest, TheSkyBoxTurnsWithTheCameraButNeverComesCloser)
{
    writeFrontWall();
    Camera* camera = addCamera();
    camera->setPosition(0, 0, 3);
    drawFrame("background-front");
    EXPECT_NEAR(centreGrey(), 204, 2) << "the model's grey, unlit";
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_CULL_FACE));

    camera->setPosition(0, 0, 500);  // far beyond the sky box's ten units and the far plane
    drawFrame();
    EXPECT_NEAR(centreGrey(), 204, 2);

    camera->setRotation(180, 0, 1, 0);  // looking the other way
    drawFrame();
    EXPECT_EQ(centreGrey(), 0);

    Background::setOrientation(180, Vector(0, 1, 0));  // the wall follows the sky's turn
    EXPECT_EQ(Background::getOrientationAngle(), 180);
    EXPECT_EQ(Background::getOrientationAxis().y(), 1);
    drawFrame();
    EXPECT_NEAR(centreGrey(), 204, 2);
}

TEST_F(BackgroundGLTest, ObjectsAsFarAsTheFarPlaneStillShowInFront)
{
    writeFrontWall();
    Background::setOrientation(30, Vector(0, 0, 1));  // set before the first draw
    addCamera();
    auto* distant = new ColouredSquare(1, 0, 0, 20.0);
    distant->setPosition(0, 0, -95);
    graph->addChild(distant);
    drawFrame("background-distant");
    const GLContext::Rgb centre = GLContext::pixel(width / 2, height / 2);
    EXPECT_EQ(centre.r, 255);
    EXPECT_EQ(centre.g, 0);
    EXPECT_NEAR(GLContext::pixel(2, height / 2).g, 204, 2) << "the sky around it";
}

TEST_F(BackgroundGLTest, WithoutACameraTheStandardProjectionIsUsed)
{
    writeFrontWall();
    Camera::setActive(nullptr);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Background::draw();
    EXPECT_NEAR(centreGrey(), 204, 2);
    std::array<double, 16> projection{};
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    const Matrix expected = Matrix::perspective(45, double(width) / height, Camera::nearPlane, Camera::farPlane);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(projection[i], expected[i], 1e-6);
}
