#include "scene/FlatSceneObject.h"

#include <GL/gl.h>

#include "scene/Camera.h"

void FlatSceneObject::beginFlat()
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    lightingWasOn_ = glIsEnabled(GL_LIGHTING);
    glDisable(GL_LIGHTING);
    Camera* camera = Camera::getActive();
    // The object in eye coordinates; keeping only its place and its axis scales turns it to
    // face the viewer without changing its apparent size.
    const Matrix inEye = camera != nullptr ? camera->getViewMatrix() * getAbsoluteMatrix() : getAbsoluteMatrix();
    (Matrix::translation(inEye.origin()) * Matrix::scaling(inEye.axisScales())).loadGL();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    (camera != nullptr ? camera->getProjectionMatrix() : Matrix::identity()).loadGL();
}

void FlatSceneObject::endFlat()
{
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    if (lightingWasOn_) glEnable(GL_LIGHTING);
    glPopMatrix();
}

void FlatSceneObject::draw()
{
    beginFlat();
    drawFlat();
    endFlat();
}
