#include "overlay/ModelScreenCounter.h"

#include <GL/gl.h>

#include "scene/DynamicSceneObject.h"
#include "scene/Viewport.h"

ModelScreenCounter::ModelScreenCounter(DynamicSceneObject* model, double modelSize, int textSide, int count,
                                       const std::string& fontName)
    : ScreenTextPoint(fontName, ""), ScreenCounter(fontName, count), model_(model), modelSize_(modelSize)
{
    setTextSide(textSide);
}

void ModelScreenCounter::setTextSide(int side)
{
    textSide_ = side;
    constexpr int alignments[4] = {Top, Left, Bottom, Right};
    if (side >= 0 && side < 4) setAlignment(alignments[side]);
}

void ModelScreenCounter::setModel(DynamicSceneObject* model) { model_ = model; }

void ModelScreenCounter::setModelSize(double size) { modelSize_ = size; }

Vector ModelScreenCounter::modelAnchor() const
{
    Vector offset;
    switch (textSide_) {
        case 0:
            offset = Vector(0, -modelSize_, 0);
            break;
        case 1:
            offset = Vector(-modelSize_, 0, 0);
            break;
        case 2:
            offset = Vector(0, modelSize_, 0);
            break;
        case 3:
            offset = Vector(modelSize_, 0, 0);
            break;
        default:
            break;
    }
    return Vector(getX(), getY(), 0) + offset;
}

void ModelScreenCounter::calculateLater(TimeStep step)
{
    if (model_ != nullptr) model_->calculate(step);
    lastTime_ = step.time;
}

void ModelScreenCounter::draw()
{
    glPushMatrix();
    ScreenTextPoint::draw();
    glPopMatrix();
    if (model_ == nullptr) return;
    const Vector own = model_->getPosition();
    const Vector place = modelAnchor() + own;
    if (!place.isFinite()) return;
    model_->setPosition(place);
    model_->calculate({lastTime_, 0.0});  // the matrices follow the new place; nothing moves
    // One overlay unit is a screen width across but a screen height up: squeeze x about the
    // object's place so that it keeps its proportions.
    const Viewport viewport = Viewport::current();
    const double squeeze = static_cast<double>(viewport.safeHeight()) / viewport.safeWidth();
    // The current colour goes back with the material it feeds, or the two would disagree and a
    // model drawn next in the colour already current would keep the wrong material.
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    glDisable(GL_DEPTH_TEST);
    lightModel();
    glPushMatrix();
    glTranslated(place.x(), place.y(), place.z());
    glScaled(squeeze, 1.0, 1.0);
    glTranslated(-place.x(), -place.y(), -place.z());
    model_->draw();
    glPopMatrix();
    glPopAttrib();
    glEnable(GL_DEPTH_TEST);
    model_->setPosition(own);
}

void ModelScreenCounter::lightModel()
{
    // The overlay is unlit, and the world's lights point wherever the ship flies; the object
    // gets a light of its own, from the upper left in front of the screen, so that its
    // turning shows. The caller's light state is saved around this.
    GLint lights = 8;
    glGetIntegerv(GL_MAX_LIGHTS, &lights);
    for (GLint i = 0; i < lights; ++i) glDisable(GL_LIGHT0 + i);
    const GLfloat direction[4] = {-0.4f, 0.5f, 1.0f, 0.0f};
    const GLfloat ambient[4] = {0.3f, 0.3f, 0.3f, 1.0f};
    const GLfloat diffuse[4] = {0.9f, 0.9f, 0.9f, 1.0f};
    const GLfloat none[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glPushMatrix();
    glLoadIdentity();  // a direction in eye space
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glPopMatrix();
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
}
