#include "scene/Scene.h"

#include <GL/gl.h>

Scene::~Scene()
{
    for (SceneObject* child : childSnapshot()) child->setParent(nullptr);
    children_ = {};
}

void Scene::addChild(SceneObject* child)
{
    child->setParent(this);
    children_.insert(child);
}

void Scene::removeChild(SceneObject* child)
{
    // A child of another scene is detached all the same; that scene must forget it too, or it
    // would reach the child after its end.
    Scene* parent = child->getParent();
    if (parent != nullptr && parent != this) parent->children_.erase(child);
    children_.erase(child);
    child->setParent(nullptr);
}

void Scene::calculate(TimeStep step) { calculateChildren(step); }

void Scene::draw() { drawChildren(); }

void Scene::destroy()
{
    SceneObject::destroy();
    subtreeDestroyed_ = true;
    for (SceneObject* child : childSnapshot()) child->destroy();
}

void Scene::setRoot(SceneGraph* root)
{
    if (root == getRoot()) return;
    SceneObject::setRoot(root);
    for (SceneObject* child : childSnapshot()) child->setRoot(root);
}

void Scene::calculateChildren(TimeStep step)
{
    children_.forEach([step](SceneObject* child) { child->calculate(step); });
}

void Scene::drawChildren()
{
    children_.forEach([](SceneObject* child) {
        if (child->isCulled()) return;
        glPushMatrix();
        child->draw();
        glPopMatrix();
    });
}

std::vector<SceneObject*> Scene::childSnapshot() const { return children_.snapshot(); }
