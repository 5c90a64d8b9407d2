#include "scene/SceneLightSource.h"

#include <GL/gl.h>

#include <array>

namespace {
std::array<bool, SceneLightSource::slotCount>& slotsInUse()
{
    static auto* slots = new std::array<bool, SceneLightSource::slotCount>{};
    return *slots;
}

// GL takes positions and spot directions through the current modelview; the identity makes
// them root coordinates, also when a light is switched in the middle of drawing.
class RootModelview {
public:
    RootModelview()
    {
        glGetIntegerv(GL_MATRIX_MODE, &mode_);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
    }
    ~RootModelview()
    {
        glPopMatrix();
        glMatrixMode(static_cast<GLenum>(mode_));
    }

private:
    GLint mode_ = GL_MODELVIEW;
};

void store(float (&target)[4], const Color& color)
{
    target[0] = static_cast<float>(color.red());
    target[1] = static_cast<float>(color.green());
    target[2] = static_cast<float>(color.blue());
    target[3] = 1.0f;
}
}  // namespace

SceneLightSource::SceneLightSource(float r, float g, float b) : diffuse_{r, g, b, 1.0f}, specular_{r, g, b, 1.0f} {}

SceneLightSource::~SceneLightSource() { deactivate(); }

void SceneLightSource::setAmbient(const Color& color) { store(ambient_, color); }
void SceneLightSource::setAmbient(float r, float g, float b) { setAmbient(Color(r, g, b, 1.0)); }
void SceneLightSource::setDiffuse(const Color& color) { store(diffuse_, color); }
void SceneLightSource::setDiffuse(float r, float g, float b) { setDiffuse(Color(r, g, b, 1.0)); }
void SceneLightSource::setSpecular(const Color& color) { store(specular_, color); }
void SceneLightSource::setSpecular(float r, float g, float b) { setSpecular(Color(r, g, b, 1.0)); }

unsigned SceneLightSource::getLightNumber() const { return holdsSlot() ? GL_LIGHT0 + slot_ : 0; }

void SceneLightSource::enable()
{
    auto& slots = slotsInUse();
    for (int slot = 0; slot < slotCount && slot_ < 0; ++slot) {
        if (!slots[slot]) {
            slots[slot] = true;
            slot_ = slot;
        }
    }
    if (!holdsSlot()) return;  // all eight shine already
    const GLenum light = getLightNumber();
    glLightfv(light, GL_AMBIENT, ambient_);
    glLightfv(light, GL_DIFFUSE, diffuse_);
    glLightfv(light, GL_SPECULAR, specular_);
    const RootModelview root;
    sendSettings();
    sendPlace();
}

void SceneLightSource::disable()
{
    if (!holdsSlot()) return;  // never shone: there is no slot to give back
    glDisable(getLightNumber());
    slotsInUse()[slot_] = false;
    slot_ = -1;
}

void SceneLightSource::calculateLater(TimeStep)
{
    if (!isActive() || !isOn() || !holdsSlot()) return;
    const RootModelview root;
    sendPlace();
}

void SceneLightSource::sendPosition(const Vector& position, float w)
{
    if (!position.isFinite()) return;
    const GLenum light = getLightNumber();
    const GLfloat place[4] = {static_cast<GLfloat>(position.x()), static_cast<GLfloat>(position.y()),
                              static_cast<GLfloat>(position.z()), w};
    glDisable(light);
    glLightfv(light, GL_POSITION, place);
    glEnable(light);
}
