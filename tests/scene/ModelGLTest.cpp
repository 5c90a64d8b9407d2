// Models and their textures on screen: a model is drawn where it stands with its texture or its
// colour, alpha fades it, one wholly outside the view is culled, a failed load can be retried;
// textures keep the bitmap's pixels. With the generated data in the run folder, every model of
// the game loads once, is shared and shows.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numbers>

#include "scene/BmpReader.h"
#include "scene/Camera.h"
#include "scene/Model.h"
#include "scene/ModelFile.h"
#include "scene/Platform.h"
#include "tests/support/BmpBytes.h"
#include "tests/support/Expect.h"
#include "tests/support/ModelBytes.h"
#include "tests/support/SceneGLTest.h"
#include "tests/support/TemporaryFolder.h"

namespace {
constexpr int width = 200, height = 150;

// Every model file is read once per process and kept under its name, so each test writes its
// own names: a name another test wrote would bring that test's model.
struct ModelGLTest : SceneGLTest {
    ModelGLTest() : SceneGLTest(width, height) {}
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
    static int centreRed() { return GLContext::pixel(width / 2, height / 2).r; }
    TemporaryFolder folder;
};
}  // namespace

TEST_F(ModelGLTest, AModelIsDrawnWhereItStandsAndItsPlainListHasItsOutline)
{
    ModelBytes::square(0.5).write("models/plate");
    Model* model = show("plate", Color(0.8, 0.8, 0.8, 1));
    model->setPosition(0.8, 0, 0);
    drawScene("model-plate");
    const GLContext::Rgb right = GLContext::pixel(width / 2 + 40, height / 2);
    EXPECT_GT(right.r, 150) << "lit grey";
    EXPECT_EQ(right.r, right.b);
    EXPECT_EQ(GLContext::pixel(width / 2 - 40, height / 2).r, 0) << "nothing on the left";
    const int shown = GLContext::countPixelsNot(0, 0, 0);
    EXPECT_GT(shown, 500);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glColor3d(1, 1, 1);
    camera->apply();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    model->drawPlainGeometry();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), shown);
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

TEST_F(ModelGLTest, TexturedGroupsShowTheirTextureAndMissingOnesTheColour)
{
    ASSERT_TRUE(runConvert("-size 2x2 xc:red -fill blue -draw 'line 1,0 1,1' -type truecolor BMP3:models/halves.bmp"));
    ModelBytes::square(1, "halves.bmp").write("models/textured");
    ModelBytes::square(1, "nowhere.bmp").write("models/untextured");
    Model* model = show("textured");
    glDisable(GL_LIGHT0);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, std::array<float, 4>{1, 1, 1, 1}.data());
    drawScene("model-textured");
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

TEST_F(ModelGLTest, TexturesKeepTheBitmapsPixelsAndUnreadableFilesGiveNone)
{
    // 3 x 2 pixels, 9 bytes per row: GL's default unpack alignment would misread them.
    BmpBytes{.width = 3, .height = 2}.write("models/odd.bmp");
    const unsigned texture = loadTexture("odd.bmp");
    ASSERT_NE(texture, 0u);
    std::vector<unsigned char> pixels(3 * 2 * 3);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    EXPECT_EQ(pixels, loadBmp("models/odd.bmp")->data);
    GLint filter = 0, alignment = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4) << "the unpack alignment is put back";
    glDeleteTextures(1, &texture);

    auto& platform = static_cast<NullPlatform&>(Platform::get());
    platform.lastMessage.clear();
    EXPECT_EQ(loadTexture("nothing.bmp"), 0u);
    EXPECT_EQ(platform.lastMessage, "") << "a missing texture is silent";
    writeFile("models/broken.bmp", {'B', 'M', 1, 2, 3});
    EXPECT_EQ(loadTexture("broken.bmp"), 0u);
    EXPECT_EQ(platform.lastMessage, "Unknown DIB file format.");
}

TEST_F(ModelGLTest, AlphaFadesTheModelAndLeavesBlendingAsItWas)
{
    ModelBytes::square(1).write("models/fading");
    Model* model = show("fading");
    drawScene();
    const int full = centreRed();
    model->setAlpha(0.0);
    drawScene();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0) << "alpha 0 draws nothing";

    model->setAlpha(0.5);
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
        EXPECT_NEAR(centreRed(), full / 2, 2) << "half over black";
    }
    glDisable(GL_BLEND);
}

TEST_F(ModelGLTest, AFailedLoadLeavesNoEntryAndIsReadAgain)
{
    writeFile("models/retry", std::vector<unsigned char>(16, 1));
    EXPECT_GAME_ERROR(Model::loadModelData("retry"), "Can\x60t load Indices");
    ModelBytes::square(1).write("models/retry");
    EXPECT_NE(Model::loadModelData("retry"), nullptr);
}

TEST_F(ModelGLTest, EveryGeneratedModelLoadsOnceAndShows)
{
    // Missing data fails: the run folder is part of every test run.
    const char* data = std::getenv("RUBBLESTORM_DATA");
    ASSERT_NE(data, nullptr) << "RUBBLESTORM_DATA names the run folder";
    std::filesystem::current_path(data);
    const std::pair<const char*, const char*> models[] = {{"Asteroid1", "asteroid"},  {"Asteroid2", "asteroid2"},
                                                          {"Asteroid3", "asteroid3"}, {"SpaceShip", "fighter"},
                                                          {"Rocket", "missile"},      {"Background", "skybox"}};
    for (const auto& [name, file] : models) {
        Model* model = nullptr;
        EXPECT_GAME_ERROR(model = Model::getModel(name), "(no error)");
        if (model == nullptr) continue;
        const std::unique_ptr<Model> second(Model::getModel(name));
        EXPECT_EQ(second->getModelData(), model->getModelData()) << "one compiled copy per file";
        EXPECT_EQ(model->getColor(), Color(0.8, 0.8, 0.8, 1.0));
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
}
