// Models on screen: the library shares one compiled copy per file, a model is drawn where it
// stands with its texture and colour, alpha fades it, one wholly outside the view is culled,
// a far one draws its coarser level, and a failed load can be retried.
// With the generated data in the run folder, every model of the game loads and shows.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "scene/Camera.h"
#include "scene/Model.h"
#include "scene/ModelFile.h"
#include "scene/SceneGraph.h"
#include "tests/support/Expect.h"
#include "tests/support/GLContext.h"
#include "tests/support/ModelBytes.h"
#include "tests/support/SceneGLTest.h"
#include "tests/support/TemporaryFolder.h"

namespace {
constexpr int width = 200, height = 150;

struct ModelGLTest : SceneGLTest {
    ModelGLTest() : SceneGLTest(width, height) {}
    void SetUp() override
    {
        SceneGLTest::SetUp();
        glEnable(GL_LIGHT0);  // white, from the viewer's side
    }
    void TearDown() override
    {
        glDisable(GL_LIGHT0);
        glEnable(GL_LIGHTING);
        SceneGLTest::TearDown();
    }
    void useModelsIn(TemporaryFolder& place)
    {
        place.enter();
        std::filesystem::create_directory("models");
    }
    Model* show(ModelData* data)
    {
        auto* model = new Model(data);
        graph->addChild(model);
        return model;
    }
    TemporaryFolder folder;
};
}  // namespace

TEST_F(ModelGLTest, TheLibrarySharesOneCompiledCopyPerFile)
{
    useModelsIn(folder);
    ModelBytes::square(0.5).write("models/missile");
    Model* first = Model::getModel("Rocket");
    std::filesystem::remove("models/missile");  // read once: the second request needs no file
    Model* second = Model::getModel("Rocket");
    EXPECT_NE(first, second);
    EXPECT_EQ(first->getModelData(), second->getModelData());
    EXPECT_EQ(first->getColor(), Color(0.8, 0.8, 0.8, 1.0));
    delete first;
    delete second;
}

TEST_F(ModelGLTest, AModelIsDrawnWhereItStands)
{
    useModelsIn(folder);
    ModelBytes::square(0.5).write("models/plate");
    Model* model = show(Model::loadModelData("plate"));
    model->setPosition(0.8, 0, 0);
    drawScene("model-plate");
    const GLContext::Rgb right = GLContext::pixel(width / 2 + 40, height / 2);
    EXPECT_GT(right.r, 150) << "lit grey";
    EXPECT_EQ(right.r, right.b);
    EXPECT_EQ(GLContext::pixel(width / 2 - 40, height / 2).r, 0) << "nothing on the left";
    const int shown = GLContext::countPixelsNot(0, 0, 0);
    EXPECT_GT(shown, 500);

    // The plain list has the same outline, without colour.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glColor3d(1, 1, 1);
    camera->apply();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    model->drawPlainGeometry();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), shown);
    glEnable(GL_LIGHTING);
}

TEST_F(ModelGLTest, AFarModelDrawsItsCoarserLevelAndPicksWithItsFullOne)
{
    // Levels told apart by size: each coarser square is smaller than the finer one.
    useModelsIn(folder);
    const double halfSizes[] = {0.5, 0.35, 0.2};
    std::vector<ModelData*> levels;
    for (double halfSize : halfSizes) {
        const std::string file = "plate" + std::to_string(levels.size());
        ModelBytes::square(halfSize).write("models/" + file);
        levels.push_back(Model::loadModelData(file));
    }
    Model single(levels[0]);
    Model detailed(levels[0], {levels[1], levels[2]});
    const auto drawnPixels = [&](Model& model, double z, bool plain) {
        model.setPosition(0, 0, z);
        graph->addChild(&model);
        drawScene();
        if (plain) {
            camera->apply();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glDisable(GL_LIGHTING);
            glColor3d(1, 1, 1);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            model.drawPlainGeometry();
            glEnable(GL_LIGHTING);
        }
        graph->removeChild(&model);
        return GLContext::countPixelsNot(0, 0, 0);
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
    useModelsIn(folder);
    ModelBytes::square(0.5).write("models/plate");
    Model* model = show(Model::loadModelData("plate"));
    // Where the right edge of the view lies at the plate's depth, 3 in front of the camera.
    const double halfWidth = 3.0 * std::tan(Camera::fieldOfView / 2.0 * std::numbers::pi / 180.0) * width / height;
    model->setPosition(halfWidth + 0.4, 0, 0);
    drawScene();
    EXPECT_FALSE(model->isCulled());
    EXPECT_GT(GLContext::countPixelsNot(0, 0, 0), 0) << "its left edge pokes into view";

    // The sphere that must lie outside is generous: it holds the plate whatever shear the
    // scales could add.
    for (const Vector& away : {Vector(halfWidth + 2.0, 0, 0), Vector(-halfWidth - 2.0, 0, 0), Vector(0, 0, 5),
                               Vector(0, 0, 3.0 - Camera::farPlane - 2.0)}) {
        model->setPosition(away);
        drawScene();
        EXPECT_TRUE(model->isCulled()) << away.x() << ", " << away.z();
        EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0);
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
                 {20.0, 10.0 * std::sin(halfField), height / 4.0 * std::cos(halfField) /
                                                        std::sqrt(1.0 - std::pow(std::sin(halfField) / 2.0, 2))}};
    drawScene();
    for (const auto& c : cases) {
        EXPECT_NEAR(camera->pixelRadius(Vector(0, 0, 3.0 - c.distance), c.radius), c.pixels, 1e-9) << c.distance;
        EXPECT_NEAR(camera->pixelRadius(Vector(c.distance, 0, 3.0), c.radius), c.pixels, 1e-9) << "any direction";
    }
    EXPECT_TRUE(std::isinf(camera->pixelRadius(Vector(0, 0, 2.5), 1.0))) << "the eye inside";
}

TEST_F(ModelGLTest, TexturedGroupsShowTheirTextureAndMissingOnesTheColour)
{
    useModelsIn(folder);
    ASSERT_TRUE(runConvert("-size 2x2 xc:red -fill blue -draw 'line 1,0 1,1' -type truecolor BMP3:models/halves.bmp"));
    ModelBytes textured = ModelBytes::square(1, "halves.bmp");
    textured.write("models/textured");
    ModelBytes::square(1, "nowhere.bmp").write("models/untextured");
    Model* model = show(Model::loadModelData("textured"));
    model->setColor(Color(1, 1, 1, 1));
    glDisable(GL_LIGHT0);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, std::array<float, 4>{1, 1, 1, 1}.data());
    drawScene("model-textured");
    const GLContext::Rgb left = GLContext::pixel(width / 2 - 25, height / 2);
    const GLContext::Rgb right = GLContext::pixel(width / 2 + 25, height / 2);
    EXPECT_GT(left.r, 200);
    EXPECT_LT(left.b, 50);
    EXPECT_GT(right.b, 200);
    EXPECT_LT(right.r, 50);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "the list switches texturing off after its group";

    model->destroy();
    Model* plain = show(Model::loadModelData("untextured"));
    plain->setColor(Color(0, 1, 0, 1));
    drawScene();
    const GLContext::Rgb centre = GLContext::pixel(width / 2, height / 2);
    EXPECT_GT(centre.g, 200) << "no texture: the model's own colour";
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, std::array<float, 4>{0.2f, 0.2f, 0.2f, 1}.data());
}

TEST_F(ModelGLTest, AlphaFadesTheModelAndLeavesBlendingAsItWas)
{
    useModelsIn(folder);
    ModelBytes::square(1).write("models/fading");
    Model* model = show(Model::loadModelData("fading"));
    model->setColor(Color(1, 1, 1, 1));
    drawScene();
    const int full = GLContext::pixel(width / 2, height / 2).r;

    model->setAlpha(0.0);
    drawScene();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0) << "alpha 0 draws nothing";

    model->setAlpha(0.5);
    EXPECT_EQ(model->getAlpha(), 0.5);
    EXPECT_EQ(model->getColor().red(), 1.0) << "only the alpha changes";
    graph->calculate({0, 0});
    for (bool blendBefore : {false, true}) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        blendBefore ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
        camera->apply();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        model->draw();
        EXPECT_EQ(glIsEnabled(GL_BLEND), blendBefore ? GL_TRUE : GL_FALSE);
        EXPECT_NEAR(GLContext::pixel(width / 2, height / 2).r, full / 2, 2) << "half over black";
    }
    glDisable(GL_BLEND);
}

TEST_F(ModelGLTest, AFailedLoadLeavesNoEntryAndIsReadAgain)
{
    useModelsIn(folder);
    writeFile("models/retry", std::vector<unsigned char>(16, 1));
    EXPECT_GAME_ERROR(Model::loadModelData("retry"), "Can\x60t load Indices");
    ModelBytes::square(1).write("models/retry");
    EXPECT_NE(Model::loadModelData("retry"), nullptr);
}

TEST_F(ModelGLTest, EveryGeneratedModelLoadsAndShows)
{
    // Missing data fails: the run folder is part of every test run.
    const char* data = std::getenv("RUBBLESTORM_DATA");
    ASSERT_NE(data, nullptr) << "RUBBLESTORM_DATA names the run folder";
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(data);
    const std::pair<const char*, const char*> models[] = {{"Asteroid1", "asteroid"},  {"Asteroid2", "asteroid2"},
                                                          {"Asteroid3", "asteroid3"}, {"SpaceShip", "fighter"},
                                                          {"Rocket", "missile"},      {"Background", "skybox"}};
    for (const auto& [name, file] : models) {
        Model* model = nullptr;
        EXPECT_GAME_ERROR(model = Model::getModel(name), "(no error)");
        if (model == nullptr) continue;
        // Scaled to a radius of about one unit, whatever size the generator gave it.
        double radius = 0;
        for (const auto& v : ModelFile::read(std::string("models/") + file).vertices)
            radius = std::max(radius, std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]));
        model->setScale(1.0 / radius);
        model->setPosition(0, 0, -2);
        model->setRotation(30, 1, 1, 0);
        graph->addChild(model);
        drawScene(std::string("model-generated-") + name);
        EXPECT_GT(GLContext::countPixelsNot(0, 0, 0, 4), 250) << name;
        model->destroy();
    }
    std::filesystem::current_path(previous);
}
