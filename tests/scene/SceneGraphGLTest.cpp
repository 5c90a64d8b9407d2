// The scene graph's draw under a real GL context: camera matrices, the solid pass with
// culling, the transparent pass far to near, billboards that face the viewer, lines as bands,
// flexible objects carrying their children under their material, and picking by colour.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "scene/FlexibleSceneObject.h"
#include "scene/Line.h"
#include "scene/Selectable.h"
#include "tests/support/Expect.h"
#include "tests/support/SceneGLTest.h"
#include "tests/support/Shapes.h"
#include "tests/support/TestObjects.h"

namespace {
constexpr int width = 200, height = 150;

Matrix currentMatrix(GLenum which)
{
    std::array<double, 16> m{};
    glGetDoublev(which, m.data());
    return Matrix(m);
}

GLContext::Rgb centre() { return GLContext::pixel(width / 2, height / 2); }

struct SceneGraphGLTest : SceneGLTest {
    template <class Object>
    Object* add(Object* object, const Vector& place)
    {
        object->setPosition(place);
        graph->addChild(object);
        return object;
    }
    int drawnPixels(const std::string& shot = "")
    {
        drawScene(shot);
        return GLContext::countPixelsNot(0, 0, 0);
    }
    static Line* redLine(Vector start, Vector end, Scene* parent)
    {
        auto* line = new Line;
        line->setPoints(start, end);
        line->setWidth(0.2);
        line->setColor(Color(1, 0, 0, 1));
        parent->addChild(line);
        return line;
    }
};
using PickingGLTest = SceneGraphGLTest;
}  // namespace

TEST_F(SceneGraphGLTest, CameraGivesTheGLProjectionAndTheInverseOfItsPlace)
{
    glViewport(0, 0, 800, 600);
    camera->calculate({0, 0});
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(45, 800.0 / 600.0, 0.1f, 100);
    const Matrix glu = currentMatrix(GL_MODELVIEW_MATRIX);
    glPopMatrix();
    EXPECT_TRUE(near(camera->getProjectionMatrix(), glu, 1e-6));
    EXPECT_TRUE(near(camera->getViewMatrix(), Matrix::translation(0, 0, -3)));
    EXPECT_EQ(Camera::getActive(), camera);

    glViewport(0, 0, 800, 0);  // a minimised window
    camera->calculate({0, 0});
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(std::isfinite(camera->getViewProjectionMatrix()[i]));
    glViewport(0, 0, GLContext::width(), GLContext::height());

    // Without a camera the scene is drawn with the identity projection. The overlay pass after
    // it resets the projection anyway, so only a look from inside the pass shows the scene's.
    struct ProjectionProbe : TestObject {
        void draw() override { seen = currentMatrix(GL_PROJECTION_MATRIX); }
        Matrix seen = Matrix::translation(1, 1, 1);
    };
    camera->destroy();
    auto* probe = add(new ProjectionProbe, {});
    graph->calculate({0, 0});
    ASSERT_EQ(Camera::getActive(), nullptr);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(Matrix::translation(5, 5, 5).data());
    graph->draw();
    EXPECT_EQ(probe->seen, Matrix::identity()) << "nothing from before survives into the scene";
}

TEST_F(SceneGraphGLTest, TransparentObjectsBlendFarToNearOverTheSolidScene)
{
    add(new ColouredSquare(0, 0, 1), {0, 0, -3});
    auto* nearRed = new GlassBillboard(1, 0, 0, 0.5);
    nearRed->setPosition(0, 0, 0);
    add(new GlassBillboard(0, 1, 0, 0.5), {0, 0, -1});
    drawScene();
    EXPECT_EQ(centre().r, 0) << "not attached: not in the transparent pass";

    graph->addChild(nearRed);
    drawScene("scene-glass");
    const GLContext::Rgb blended = centre();
    EXPECT_NEAR(blended.r, 128, 3);
    EXPECT_NEAR(blended.g, 64, 3) << "green was drawn first, then red over it";
    EXPECT_NEAR(blended.b, 64, 3);

    nearRed->setTransparent(false);  // now an ordinary solid object, drawn first
    drawScene();
    EXPECT_NEAR(centre().r, 255, 3) << "the solid pass does not blend";
    EXPECT_NEAR(centre().g, 0, 3) << "the far glass fails the depth test behind it";
}

TEST_F(SceneGraphGLTest, CulledScenesAreSkippedWithTheirSubtree)
{
    SceneObject::setViewConeAngle(45);
    auto* frame = add(new TestScene, {0, 0, -10});  // inside the cone around the view axis
    auto* square = new ColouredSquare(0, 1, 0);
    frame->addChild(square);
    frame->setCullable(true);
    EXPECT_GT(drawnPixels(), 0);

    frame->setPosition(0, 0, 10);    // behind the camera: the whole frame is skipped
    square->setPosition(0, 0, -20);  // though its child would lie in view
    EXPECT_EQ(drawnPixels(), 0);
    SceneObject::setViewConeAngle(180);
}

TEST_F(SceneGraphGLTest, BillboardsFaceTheViewerWithTheirSizeAndLeaveTheGLStateAsFound)
{
    auto* board = add(new Billboard, {0, 0, -1});
    drawScene("flat-plain");
    const GLContext::Box plain = GLContext::litBox(0, 30);
    const int plainWidth = plain.right - plain.left + 1;
    const int plainArea = plainWidth * (plain.top - plain.bottom + 1);
    ASSERT_GT(plainArea, 400);
    EXPECT_EQ(GLContext::countLit(0, 0, width, height, 0, 30), plainArea) << "a filled upright square";

    board->setRotation(70, 0, 1, 0);   // an ordinary square would be seen nearly edge-on
    camera->setRotation(45, 0, 0, 1);  // rolling the camera would show a diamond
    drawScene("flat-rolled");
    const GLContext::Box rolled = GLContext::litBox(0, 30);
    EXPECT_NEAR(rolled.right - rolled.left + 1, plainWidth, 1);
    EXPECT_NEAR(GLContext::countLit(0, 0, width, height, 0, 30), plainArea, plainArea / 50) << "still upright";
    board->setScale(2);
    drawScene();
    const GLContext::Box doubled = GLContext::litBox(0, 30);
    EXPECT_NEAR(doubled.right - doubled.left + 1, 2 * plainWidth, 2) << "the object's scale still counts";

    for (bool lit : {true, false}) {
        lit ? glEnable(GL_LIGHTING) : glDisable(GL_LIGHTING);
        glMatrixMode(GL_MODELVIEW);
        GLint modelviewDepth = 0, projectionDepth = 0, after = 0, mode = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelviewDepth);
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
        board->draw();
        EXPECT_EQ(glIsEnabled(GL_LIGHTING), lit ? GL_TRUE : GL_FALSE);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &after);
        EXPECT_EQ(after, modelviewDepth);
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &after);
        EXPECT_EQ(after, projectionDepth);
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
    }
    glEnable(GL_LIGHTING);
}

TEST_F(SceneGraphGLTest, ALineIsABandFacingTheViewerInItsOwnCoordinates)
{
    Line* beam = redLine({-1, 0, 0}, {1, 0, 0}, graph);
    const int straight = drawnPixels("line-beam");
    EXPECT_GT(straight, 300);
    EXPECT_EQ(centre().r, 255);
    EXPECT_EQ(centre().g, 0);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << "lighting is back on";

    // Seen from above, the same line still shows its full width, whatever the winding.
    camera->setPosition(0, 3, 0);
    camera->setRotation(-90, 1, 0, 0);
    EXPECT_NEAR(drawnPixels("line-from-above"), straight, straight / 10);

    camera->setPosition(0, 0, 3);
    camera->setRotation(0, 1, 0, 0);
    beam->destroy();
    auto* frame = add(new FlexibleSceneObject, {0, 1, 0});
    redLine({-1, 0, 0}, {1, 0, 0}, frame);
    EXPECT_NEAR(drawnPixels(), straight, straight / 10);
    EXPECT_EQ(centre().r, 0) << "raised with its frame";

    // Degenerate lines show nothing: a point, and a line along the line of sight.
    frame->destroy();
    Line* point = redLine({0.5, 0.5, 0}, {0.5, 0.5, 0}, graph);
    EXPECT_EQ(drawnPixels(), 0);
    point->destroy();
    redLine({0, 0, 0}, {0, 0, -2}, graph);
    EXPECT_EQ(drawnPixels(), 0);
}

TEST_F(SceneGraphGLTest, AFlexibleObjectDrawsItsChildrenInPlaceUnderItsMaterial)
{
    auto* ship = add(new FlexibleSceneObject, {1, 0, 0});
    ship->setFrontEmission(0, 0, 1);
    // A lit grey square: black without lights, blue with the ship's emission.
    struct LitSquare : DynamicSceneObject {
        void draw() override
        {
            DynamicSceneObject::draw();
            glDisable(GL_COLOR_MATERIAL);
            drawSquare(0.3);
            glEnable(GL_COLOR_MATERIAL);
        }
    };
    ship->addChild(new LitSquare);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, std::array<float, 4>{0, 0, 0, 1}.data());
    drawScene("line-flexible");
    const GLContext::Rgb right = GLContext::pixel(width / 2 + 45, height / 2);
    EXPECT_EQ(right.b, 255);
    EXPECT_EQ(right.r, 0);
    EXPECT_EQ(centre().b, 0) << "the hull sits where its ship is";
    float emission[4] = {};
    glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
    EXPECT_EQ(emission[2], 0.0f) << "the material is restored after the ship";
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, std::array<float, 4>{0.2f, 0.2f, 0.2f, 1}.data());
}

TEST_F(PickingGLTest, TheNearestRegisteredObjectUnderThePointIsPicked)
{
    auto* nearSmall = add(new SelectableSquare(0.5, 0.5, 0.5, 0.3), {});
    auto* farLarge = add(new SelectableSquare(0.5, 0.5, 0.5, 1.5), {0, 0, -1});
    graph->calculate({0, 0});
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), nearSmall);
    EXPECT_EQ(Selectable::pick(width / 2 + 40, height / 2), farLarge) << "only the far one covers this";
    EXPECT_EQ(Selectable::pick(2, 2), nullptr) << "empty space";
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_NORMALIZE));
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST)) << "the next frame is drawn in full";

    // The same two, the other way round in depth: the drawing order must not matter.
    nearSmall->setPosition(0, 0, -1);
    farLarge->setPosition(0, 0, 0);
    nearSmall->setScale(5);  // now covers the centre from behind the large one
    graph->calculate({0, 0});
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), farLarge);

    farLarge->disableSelection();
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), nearSmall);
    farLarge->enableSelection();
    // Detached objects are still drawn for selection: registration alone counts.
    graph->removeChild(farLarge);
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), farLarge);
    delete farLarge;
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), nearSmall);
}

TEST_F(PickingGLTest, WindowRowsCountFromTheTopAndOutsideIsNothing)
{
    auto* high = add(new SelectableSquare(0.5, 0.5, 0.5, 0.2), {0, 0.8, 0});  // in the upper half
    graph->calculate({0, 0});
    const int upperRow = height / 2 - 40, lowerRow = height / 2 + 40;
    EXPECT_EQ(Selectable::pick(width / 2, upperRow), high);
    EXPECT_EQ(Selectable::pick(width / 2, lowerRow), nullptr);

    glClearColor(0.2f, 0.4f, 0.6f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    for (auto [x, y] : {std::pair{-1, 5}, {5, -1}, {width, 5}, {5, height}})
        EXPECT_EQ(Selectable::pick(x, y), nullptr) << x << "," << y;
    EXPECT_NEAR(centre().g, 102, 1) << "a position outside the viewport draws nothing";
    glClearColor(0, 0, 0, 0);
}
