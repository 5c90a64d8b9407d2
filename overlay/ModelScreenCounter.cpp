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
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    glTranslated(place.x(), place.y(), place.z());
    glScaled(squeeze, 1.0, 1.0);
    glTranslated(-place.x(), -place.y(), -place.z());
    model_->draw();
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    model_->setPosition(own);
}
