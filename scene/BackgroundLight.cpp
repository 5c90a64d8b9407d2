#include "scene/BackgroundLight.h"

#include <GL/gl.h>

namespace {
struct AmbientSum {
    double red = 0.0, green = 0.0, blue = 0.0;
};

AmbientSum& ambientSum()
{
    static auto* sum = new AmbientSum;
    return *sum;
}

void sendAmbientSum()
{
    const AmbientSum& sum = ambientSum();
    const GLfloat ambient[4] = {static_cast<GLfloat>(sum.red), static_cast<GLfloat>(sum.green),
                                static_cast<GLfloat>(sum.blue), 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
}
}  // namespace

BackgroundLight::BackgroundLight(double red, double green, double blue) : red_(red), green_(green), blue_(blue) {}

BackgroundLight::~BackgroundLight() { deactivate(); }

void BackgroundLight::enable()
{
    AmbientSum& sum = ambientSum();
    sum.red += red_;
    sum.green += green_;
    sum.blue += blue_;
    sendAmbientSum();
}

void BackgroundLight::disable()
{
    AmbientSum& sum = ambientSum();
    sum.red -= red_;
    sum.green -= green_;
    sum.blue -= blue_;
    sendAmbientSum();
}
