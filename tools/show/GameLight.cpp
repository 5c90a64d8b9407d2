#include "tools/show/GameLight.h"

#include <GL/gl.h>

namespace assets {

void setUpGameLight(const Vec3& towardsLight)
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Vec3 d = towardsLight.normalized();
    const GLfloat position[4] = {static_cast<GLfloat>(d.x), static_cast<GLfloat>(d.y), static_cast<GLfloat>(d.z), 0.0f};
    const GLfloat white[4] = {1, 1, 1, 1}, black[4] = {0, 0, 0, 1}, ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_AMBIENT, black);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    const GLfloat specular[4] = {0, 0, 0, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 50.0f);
    glEnable(GL_LIGHT0);
}

}  // namespace assets
