// Models on screen, from files each test writes, and the library that keeps them.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "scene/Camera.h"
#include "scene/Model.h"
#include "tests/support/Expect.h"
#include "tests/support/ModelBytes.h"
#include "tests/support/SceneGLTest.h"
#include "tests/support/TemporaryFolder.h"

namespace {
// Model files are kept by name for the whole process, so each test writes names of its own.
struct ModelGLTest : SceneGLTest {
    void SetUp() override
    {
        SceneGLTest::SetUp();
        folder.enter();
        std::filesystem::create_directory("models");
        // A white light from the viewer's side, whatever other tests left in the first slot.
        const float white[4] = {1, 1, 1, 1}, fromViewer[4] = {0, 0, 1, 0}, none[4] = {0, 0, 0, 1};
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
        glLightfv(GL_LIGHT0, GL_AMBIENT, none);
        glLightfv(GL_LIGHT0, GL_POSITION, fromViewer);
        glEnable(GL_LIGHT0);
    }
    void TearDown() override
    {
        glDisable(GL_LIGHT0);
        glEnable(GL_LIGHTING);
        SceneGLTest::TearDown();
    }
    Model* show(const std::string& file, const Color& color = Color(1, 1, 1, 1))
    {
        auto* model = new Model(Model::loadModelData(file));
        model->setColor(color);
        graph->addChild(model);
        return model;
    }
    // The plain geometry alone, as picking draws it, in white.
    void drawPlain(Model& model)
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_LIGHTING);
        glColor3d(1, 1, 1);
        camera->apply();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        model.drawPlainGeometry();
        glEnable(GL_LIGHTING);
    }
    TemporaryFolder folder;
};
}  // namespace

TEST_F(ModelGLTest, AModelIsDrawnWhereItStandsFadesWithAlphaAndItsPlainListHasItsOutline)
{
    ModelBytes::square(0.5).write("models/plate");
    Model* model = show("plate", Color(0.8, 0.8, 0.8, 1));
    model->setPosition(0.8, 0, 0);
    drawScene();
    const int full = GLContext::pixel(width / 2 + 40, height / 2).r;
    EXPECT_GT(full, 150) << "lit grey";
    EXPECT_EQ(GLContext::pixel(width / 2 - 40, height / 2).r, 0) << "nothing on the left";
    const int shown = GLContext::countNonBlack();

    drawPlain(*model);
    EXPECT_EQ(GLContext::countNonBlack(), shown);

    model->setAlpha(0.5);
    drawScene();
    EXPECT_NEAR(GLContext::pixel(width / 2 + 40, height / 2).r, full / 2, 2) << "half over black";
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(ModelGLTest, AFarModelDrawsItsCoarserLevelAndPicksWithItsFullOne)
{
    // Levels told apart by size: each coarser square is smaller than the finer one.
    const double halfSizes[] = {0.5, 0.35, 0.2};
    std::vector<ModelData*> levels;
    for (double halfSize : halfSizes) {
        const std::string file = "level" + std::to_string(levels.size());
        ModelBytes::square(halfSize).write("models/" + file);
        levels.push_back(Model::loadModelData(file));
    }
    Model single(levels[0]);
    Model detailed(levels[0], {levels[1], levels[2]});
    const auto drawnPixels = [&](Model& model, double z, bool plain) {
        model.setPosition(0, 0, z);
        graph->addChild(&model);
        drawScene();
        if (plain) drawPlain(model);
        graph->removeChild(&model);
        return GLContext::countNonBlack();
    };
    const double radius = levels[0]->radius();
    for (int level = 0; level < 3; ++level) {
        SCOPED_TRACE(level);
        // A little beyond where the camera's measure of the outline first asks for this level.
        double z = 0.0;
        while (Model::detailLevelFor(camera->pixelRadius(Vector(0, 0, z), radius), 3) < level) z -= 0.25;
        z -= 0.25;
        const double ratio = static_cast<double>(drawnPixels(detailed, z, false)) / drawnPixels(single, z, false);
        EXPECT_NEAR(ratio, std::pow(halfSizes[level] / halfSizes[0], 2), 0.05);
        EXPECT_EQ(drawnPixels(detailed, z, true), drawnPixels(single, z, true)) << "picked at the full level";
    }
}

TEST_F(ModelGLTest, OnlyAModelWhollyOutsideTheViewIsCulled)
{
    ModelBytes::square(0.5).write("models/edge");
    Model* model = show("edge");
    // Where the right edge of the view lies at the plate's depth, 3 in front of the camera.
    const double halfWidth = 3.0 * std::tan(Camera::fieldOfView / 2.0 * std::numbers::pi / 180.0) * width / height;
    model->setPosition(halfWidth + 0.4, 0, 0);
    drawScene();
    EXPECT_FALSE(model->isCulled());
    EXPECT_GT(GLContext::countNonBlack(), 0) << "its left edge pokes into view";

    // The sphere that must lie outside is generous: it holds the plate whatever shear the
    // scales could add.
    for (const Vector& away : {Vector(halfWidth + 2.0, 0, 0), Vector(0, 0, 5), Vector(0, 0, 1 - Camera::farPlane)}) {
        model->setPosition(away);
        drawScene();
        EXPECT_TRUE(model->isCulled()) << away.x() << ", " << away.z();
        EXPECT_EQ(GLContext::countNonBlack(), 0);
    }
    model->setScale(3.0);
    drawScene();
    EXPECT_FALSE(model->isCulled()) << "beyond the far plane by less than its grown size";
}

TEST_F(ModelGLTest, TheCameraMeasuresASpheresOutlineInPixelsOfTheViewportHeight)
{
    // A sphere whose outline touches the top and bottom of the view fills half the height each way.
    const double halfField = Camera::fieldOfView / 2.0 * std::numbers::pi / 180.0;
    const struct {
        double distance, radius, pixels;
    } cases[] = {{5.0, 5.0 * std::sin(halfField), height / 2.0},
                 {10.0, 10.0 * std::sin(halfField), height / 2.0},
                 {20.0, 10.0 * std::sin(halfField),
                  height / 4.0 * std::cos(halfField) / std::sqrt(1.0 - std::pow(std::sin(halfField) / 2.0, 2))}};
    drawScene();
    for (const auto& c : cases) {
        EXPECT_NEAR(camera->pixelRadius(Vector(0, 0, 3.0 - c.distance), c.radius), c.pixels, 1e-9) << c.distance;
        EXPECT_NEAR(camera->pixelRadius(Vector(c.distance, 0, 3.0), c.radius), c.pixels, 1e-9) << "any direction";
    }
    EXPECT_TRUE(std::isinf(camera->pixelRadius(Vector(0, 0, 2.5), 1.0))) << "the eye inside";
}

TEST_F(ModelGLTest, TexturedGroupsShowTheirTextureAndMissingOnesTheColour)
{
    ASSERT_TRUE(runConvert("-size 2x2 xc:red -fill blue -draw 'line 1,0 1,1' -type truecolor BMP3:models/halves.bmp"));
    ModelBytes::square(1, "halves.bmp").write("models/textured");
    ModelBytes::square(1, "nowhere.bmp").write("models/untextured");
    Model* model = show("textured");
    glDisable(GL_LIGHT0);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, std::array<float, 4>{1, 1, 1, 1}.data());
    drawScene();
    const GLContext::Rgb left = GLContext::pixel(width / 2 - 25, height / 2);
    const GLContext::Rgb right = GLContext::pixel(width / 2 + 25, height / 2);
    EXPECT_TRUE(left.r > 200 && left.b < 50 && right.b > 200 && right.r < 50);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "the list switches texturing off after its group";

    model->destroy();
    show("untextured", Color(0, 1, 0, 1));
    drawScene();
    EXPECT_GT(GLContext::pixel(width / 2, height / 2).g, 200) << "no texture: the model's own colour";
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, std::array<float, 4>{0.2f, 0.2f, 0.2f, 1}.data());
}

TEST_F(ModelGLTest, ALoadedModelIsSharedAndAFailedLoadIsReadAgain)
{
    writeFile("models/retry", std::vector<unsigned char>(16, 1));
    EXPECT_GAME_ERROR(Model::loadModelData("retry"), "Can\x60t load Indices");
    ModelBytes::square(1).write("models/retry");
    EXPECT_NE(Model::loadModelData("retry"), nullptr);
    EXPECT_EQ(Model::loadModelData("retry"), Model::loadModelData("retry")) << "one compiled copy per file";
}
