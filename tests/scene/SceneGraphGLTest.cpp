// The scene graph's draw under a real GL context: camera matrices, the solid pass with
// culling, and the transparent pass far to near.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "scene/Camera.h"
#include "scene/SceneGraph.h"
#include "scene/TransparentSceneObject.h"
#include "tests/support/GLContext.h"
#include "tests/support/SceneGLTest.h"
#include "tests/support/TestObjects.h"

namespace {
Matrix currentMatrix(GLenum which)
{
    std::array<double, 16> m{};
    glGetDoublev(which, m.data());
    return Matrix(m);
}

// A unit square facing +z at the object's place, in one colour.
class Square : public DynamicSceneObject, public TransparentSceneObject {
public:
    Square(double r, double g, double b, double a) : r_(r), g_(g), b_(b), a_(a) {}
    void draw() override
    {
        DynamicSceneObject::draw();
        TransparentSceneObject::draw();
    }
    void setRoot(SceneGraph* root) override { TransparentSceneObject::setRoot(root); }
    void drawTransparentGeometry() override
    {
        glDisable(GL_LIGHTING);
        glColor4d(r_, g_, b_, a_);
        glBegin(GL_QUADS);
        glVertex3d(-1, -1, 0);
        glVertex3d(1, -1, 0);
        glVertex3d(1, 1, 0);
        glVertex3d(-1, 1, 0);
        glEnd();
        glEnable(GL_LIGHTING);
    }

private:
    double r_, g_, b_, a_;
};

struct SceneGraphGLTest : SceneGLTest {};
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
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(camera->getProjectionMatrix()[i], glu[i], 1e-6);
    const Matrix view = camera->getViewMatrix();
    EXPECT_DOUBLE_EQ(view[14], -3.0);
    EXPECT_DOUBLE_EQ(view[12], 0.0);
    EXPECT_EQ(Camera::getActive(), camera);

    glViewport(0, 0, 800, 0);  // a minimised window
    camera->calculate({0, 0});
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(std::isfinite(camera->getViewProjectionMatrix()[i]));
    glViewport(0, 0, GLContext::width(), GLContext::height());
}

TEST_F(SceneGraphGLTest, WithoutACameraTheSceneIsDrawnWithTheIdentityProjection)
{
    // Reads the projection while the solid pass draws it: the overlay pass after it resets the
    // projection anyway, so only a look from inside the pass shows the scene's.
    struct ProjectionProbe : TestObject {
        void draw() override { seen = currentMatrix(GL_PROJECTION_MATRIX); }
        Matrix seen = Matrix::translation(1, 1, 1);
    };
    camera->destroy();
    auto* probe = new ProjectionProbe;
    graph->addChild(probe);
    graph->calculate({0, 0});
    ASSERT_EQ(Camera::getActive(), nullptr);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(Matrix::translation(5, 5, 5).data());
    graph->draw();
    EXPECT_EQ(probe->seen, Matrix::identity()) << "nothing from before survives into the scene";
}

TEST_F(SceneGraphGLTest, TransparentObjectsBlendFarToNear)
{
    auto* nearRed = new Square(1, 0, 0, 0.5);
    auto* farBlue = new Square(0, 0, 1, 0.5);
    nearRed->setPosition(0, 0, 0);
    farBlue->setPosition(0, 0, -1);
    graph->addChild(nearRed);
    graph->addChild(farBlue);
    drawScene();
    const GLContext::Rgb centre = GLContext::pixel(100, 75);
    EXPECT_NEAR(centre.r, 128, 3);
    EXPECT_NEAR(centre.b, 64, 3) << "blue was drawn first, then red over it";

    nearRed->setTransparent(false);  // now an ordinary solid object, drawn first
    drawScene();
    const GLContext::Rgb solid = GLContext::pixel(100, 75);
    EXPECT_NEAR(solid.r, 255, 3) << "the solid pass does not blend";
    EXPECT_NEAR(solid.b, 0, 3) << "the far square fails the depth test behind it";
}

TEST_F(SceneGraphGLTest, CulledScenesAreSkippedWithTheirSubtree)
{
    SceneObject::setViewConeAngle(45);
    auto* frame = new TestScene;
    auto* square = new Square(0, 1, 0, 1);
    square->setTransparent(false);
    frame->addChild(square);
    frame->setCullable(true);
    frame->setPosition(0, 0, -10);  // inside the cone around the view axis
    graph->addChild(frame);
    drawScene();
    EXPECT_GT(GLContext::countPixelsNot(0, 0, 0), 0);

    frame->setPosition(0, 0, 10);    // behind the camera: the whole frame is skipped
    square->setPosition(0, 0, -20);  // though its child would lie in view
    drawScene();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0);
    SceneObject::setViewConeAngle(180);
}
