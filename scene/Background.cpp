#include "scene/Background.h"

#include <GL/gl.h>

#include "scene/Camera.h"
#include "scene/GameError.h"
#include "scene/Model.h"
#include "scene/Platform.h"
#include "scene/Viewport.h"

namespace {
constexpr double skyBoxScale = 10.0;

struct SkyBox {
    Model* model = nullptr;
    bool fetched = false;
    double angle = 0.0;
    Vector axis{1, 0, 0};
};

SkyBox& sky()
{
    static auto* state = new SkyBox;
    return *state;
}

void fetch(SkyBox& state)
{
    state.fetched = true;
    try {
        state.model = Model::getModel("Background");
    } catch (const GameError& error) {
        // A missing sky box leaves the game playable on black; the player learns why once.
        Platform::get().showMessage("Error", std::string("Cannot load the sky box: ") + error.what());
        return;
    }
    state.model->setScale(skyBoxScale);
    if (state.angle != 0.0) state.model->setRotation(state.angle, state.axis);
    state.model->calculate({0, 0});
}

void loadProjection()
{
    glMatrixMode(GL_PROJECTION);
    Camera* camera = Camera::getActive();
    if (camera == nullptr) {
        Matrix::perspective(Camera::fieldOfView, Viewport::current().aspect(), Camera::nearPlane, Camera::farPlane)
            .loadGL();
        glMatrixMode(GL_MODELVIEW);
        return;
    }
    camera->getProjectionMatrix().loadGL();
    glMatrixMode(GL_MODELVIEW);
    // Only the camera's turn: the eye stays at the centre of the sky box.
    camera->getAbsoluteInverseMatrix().rotationPart().loadGL();
}
}  // namespace

void Background::draw()
{
    SkyBox& state = sky();
    if (!state.fetched) fetch(state);
    if (state.model == nullptr) return;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadProjection();
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    // Every fragment of the sky lies on the far plane, where only the cleared depth lets it pass.
    glDepthRange(1.0, 1.0);
    glDepthMask(GL_FALSE);
    state.model->draw();
    glDepthMask(GL_TRUE);
    glDepthRange(0.0, 1.0);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void Background::setOrientation(double angleDegrees, const Vector& axis)
{
    SkyBox& state = sky();
    state.angle = angleDegrees;
    state.axis = axis;
    if (state.model == nullptr) return;
    state.model->setRotation(angleDegrees, axis);
    state.model->calculate({0, 0});
}

double Background::getOrientationAngle() { return sky().angle; }

Vector Background::getOrientationAxis() { return sky().axis; }

void Background::reload()
{
    SkyBox& state = sky();
    delete state.model;
    state.model = nullptr;
    state.fetched = false;
}
