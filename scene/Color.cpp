#include "scene/Color.h"

#include <GL/gl.h>

namespace {
double normalizedBlend(double t)
{
    if (t > 1.0) return 1.0;
    if (t < -1.0) return 0.0;
    if (t < 0.0) return t + 1.0;
    return t;
}

double mix(double from, double to, double t) { return from + (to - from) * t; }
}  // namespace

Color::Color(const Color& from, const Color& to, double t)
{
    t = normalizedBlend(t);
    red_ = mix(from.red_, to.red_, t);
    green_ = mix(from.green_, to.green_, t);
    blue_ = mix(from.blue_, to.blue_, t);
    alpha_ = mix(from.alpha_, to.alpha_, t);
}

bool Color::operator==(const Color& o) const
{
    return red_ == o.red_ && green_ == o.green_ && blue_ == o.blue_ && alpha_ == o.alpha_;
}

void Color::apply() const { glColor4d(red_, green_, blue_, alpha_); }

void Color::applyAsTextureEnvironment() const
{
    const GLfloat channels[4] = {static_cast<GLfloat>(red_), static_cast<GLfloat>(green_),
                                 static_cast<GLfloat>(blue_), static_cast<GLfloat>(alpha_)};
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, channels);
}
