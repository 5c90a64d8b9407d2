#pragma once
// SceneGLTest: the stage the scene engine's GL tests draw on: the scene graph with its camera
// (on the z axis, looking down -z), a small viewport, and whatever a test added destroyed
// again afterwards. Needs the GL context of tests/GLTestMain.cpp; a test that changes other
// GL state restores it itself.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "scene/Camera.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"

class SceneGLTest : public ::testing::Test {
public:
    static constexpr int width = 200, height = 150;  // the stage's viewport unless a test asks otherwise

protected:
    explicit SceneGLTest(int viewWidth = width, int viewHeight = height, double cameraDistance = 3.0)
        : width_(viewWidth), height_(viewHeight), cameraDistance_(cameraDistance)
    {
    }
    void SetUp() override
    {
        GLContext::resize(width_, height_);
        graph = SceneGraph::getInstance();
        camera = new Camera;
        camera->setPosition(0, 0, cameraDistance_);
        graph->addChild(camera);
        graph->setCamera(camera);
    }
    void TearDown() override
    {
        for (SceneObject* child : graph->getChildren()) child->destroy();
        graph->calculate({0, 0});
        GLContext::resize(640, 480);
    }
    // `object` at `place` in the scene.
    template <class Object>
    Object* add(Object* object, const Vector& place)
    {
        object->setPosition(place);
        graph->addChild(object);
        return object;
    }
    // One frame, calculated without time passing and drawn.
    void drawScene()
    {
        graph->calculate({0, 0});
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        graph->draw();
    }

    SceneGraph* graph = nullptr;
    Camera* camera = nullptr;

private:
    int width_, height_;
    double cameraDistance_;
};
