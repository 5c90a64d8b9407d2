#include "scene/SceneGraph.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "overlay/ScreenElement.h"
#include "overlay/ScreenSceneObject.h"
#include "scene/CalculateLater.h"
#include "scene/Camera.h"
#include "scene/Model.h"
#include "scene/TransparentSceneObject.h"

SceneGraph* SceneGraph::getInstance()
{
    static SceneGraph* instance = new SceneGraph;
    return instance;
}

SceneGraph::SceneGraph()
{
    setUpGLState();
    setRoot(this);
}

void SceneGraph::setUpGLState()
{
    glShadeModel(GL_SMOOTH);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT, GL_FILL);
    glDisable(GL_POLYGON_STIPPLE);
    glEnable(GL_POLYGON_SMOOTH);
    glClearColor(0, 0, 0, 0);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
}

void SceneGraph::calculate(TimeStep step)
{
    Scene::calculate(step);
    CalculateLater::calculateAll(step);
    deleteDestroyedObjects();
}

void SceneGraph::deleteDestroyedObjects()
{
    // A deletion may delete others (a parent's destructor, an owner's destructor), so each
    // object is looked up again before it is deleted.
    SceneObject::liveObjects().forEach([](SceneObject* object) {
        if (object->isDestroyed()) delete object;
    });
}

void SceneGraph::setCamera(Camera* camera) { Camera::setActive(camera); }

void SceneGraph::draw()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Camera* camera = Camera::getActive();
    if (camera != nullptr) {
        camera->apply();
    } else {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Model::deferBlended(true);
    Scene::draw();
    Model::deferBlended(false);
    if (drawBackground_ != nullptr) drawBackground_();
    Model::drawDeferred();
    drawTransparentPass();
    drawScreenSceneObjects();
    glMatrixMode(GL_MODELVIEW);
    drawScreenElements();
    glLoadIdentity();
}

void SceneGraph::drawTransparentPass()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    Camera* camera = Camera::getActive();
    const Vector eye = camera != nullptr ? camera->getAbsolutePosition() : Vector();
    std::vector<std::pair<double, TransparentSceneObject*>> visible;
    for (TransparentSceneObject* object : TransparentSceneObject::registry()) {
        if (object->isCulled()) continue;
        const double distance = (object->getAbsolutePosition() - eye).length();
        visible.emplace_back(std::isfinite(distance) ? distance : 0.0, object);
    }
    std::sort(visible.begin(), visible.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });  // farthest first
    for (auto& [distance, object] : visible) object->drawTransparent();
    glDisable(GL_BLEND);
}
