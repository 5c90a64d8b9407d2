#include "scene/MaterialSceneObject.h"

#include <GL/gl.h>

#include <utility>

namespace {
constexpr GLenum glParameters[MaterialSceneObject::parameterCount] = {GL_EMISSION, GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR};
constexpr GLenum glFaces[MaterialSceneObject::faceCount] = {GL_FRONT, GL_BACK};
// GL's initial material.
const Color defaultColors[MaterialSceneObject::parameterCount] = {
    {0.0, 0.0, 0.0, 1.0}, {0.2, 0.2, 0.2, 1.0}, {0.8, 0.8, 0.8, 1.0}, {0.0, 0.0, 0.0, 1.0}};
constexpr float defaultShininess = 0.0f;

// The values most recently sent by an applied material, per parameter and face; null where
// none is applied.
struct CurrentMaterial {
    std::unique_ptr<Color> colors[MaterialSceneObject::parameterCount][MaterialSceneObject::faceCount];
    std::unique_ptr<float> shininess[MaterialSceneObject::faceCount];
};

CurrentMaterial& current()
{
    static auto* material = new CurrentMaterial;
    return *material;
}

void send(int parameter, int face, const Color& color)
{
    const GLfloat channels[4] = {static_cast<GLfloat>(color.red()), static_cast<GLfloat>(color.green()),
                                 static_cast<GLfloat>(color.blue()), static_cast<GLfloat>(color.alpha())};
    glMaterialfv(glFaces[face], glParameters[parameter], channels);
}

void send(int face, float shininess) { glMaterialf(glFaces[face], GL_SHININESS, shininess); }
}  // namespace

MaterialSceneObject::~MaterialSceneObject() = default;

void MaterialSceneObject::setColor(Parameter parameter, Face face, const Color& color)
{
    hasMaterial_ = true;
    colorSet_[parameter][face] = true;
    colors_[parameter][face] = std::make_unique<Color>(color);
}

void MaterialSceneObject::setShininess(Face face, float shininess)
{
    hasMaterial_ = true;
    shininessSet_[face] = true;
    shininess_[face] = std::make_unique<float>(shininess);
}

void MaterialSceneObject::setFrontEmission(const Color& c) { setColor(Emission, Front, c); }
void MaterialSceneObject::setFrontEmission(float r, float g, float b) { setFrontEmission(Color(r, g, b, 1.0)); }
void MaterialSceneObject::setBackEmission(const Color& c) { setColor(Emission, Back, c); }
void MaterialSceneObject::setBackEmission(float r, float g, float b) { setBackEmission(Color(r, g, b, 1.0)); }
void MaterialSceneObject::setFrontAmbient(const Color& c) { setColor(Ambient, Front, c); }
void MaterialSceneObject::setFrontAmbient(float r, float g, float b) { setFrontAmbient(Color(r, g, b, 1.0)); }
void MaterialSceneObject::setBackAmbient(const Color& c) { setColor(Ambient, Back, c); }
void MaterialSceneObject::setBackAmbient(float r, float g, float b) { setBackAmbient(Color(r, g, b, 1.0)); }
void MaterialSceneObject::setFrontDiffuse(const Color& c) { setColor(Diffuse, Front, c); }
void MaterialSceneObject::setFrontDiffuse(float r, float g, float b) { setFrontDiffuse(Color(r, g, b, 1.0)); }
void MaterialSceneObject::setBackDiffuse(const Color& c) { setColor(Diffuse, Back, c); }
void MaterialSceneObject::setBackDiffuse(float r, float g, float b) { setBackDiffuse(Color(r, g, b, 1.0)); }
void MaterialSceneObject::setFrontSpecular(const Color& c) { setColor(Specular, Front, c); }
void MaterialSceneObject::setFrontSpecular(float r, float g, float b) { setFrontSpecular(Color(r, g, b, 1.0)); }
void MaterialSceneObject::setBackSpecular(const Color& c) { setColor(Specular, Back, c); }
void MaterialSceneObject::setBackSpecular(float r, float g, float b) { setBackSpecular(Color(r, g, b, 1.0)); }
void MaterialSceneObject::setFrontShininess(float shininess) { setShininess(Front, shininess); }
void MaterialSceneObject::setBackShininess(float shininess) { setShininess(Back, shininess); }

void MaterialSceneObject::clearMaterial()
{
    hasMaterial_ = false;
    for (int p = 0; p < parameterCount; ++p) {
        for (int f = 0; f < faceCount; ++f) {
            colorSet_[p][f] = false;
            colors_[p][f].reset();
        }
    }
}

// Applying swaps each set value with the current one: the object keeps what was current, and
// its own value becomes current and is sent.
void MaterialSceneObject::applyMaterial()
{
    if (!hasMaterial_) return;
    CurrentMaterial& now = current();
    for (int p = 0; p < parameterCount; ++p) {
        for (int f = 0; f < faceCount; ++f) {
            if (!colorSet_[p][f]) continue;
            std::swap(colors_[p][f], now.colors[p][f]);
            if (now.colors[p][f] != nullptr) send(p, f, *now.colors[p][f]);  // null only if applied twice
        }
    }
    for (int f = 0; f < faceCount; ++f) {
        if (!shininessSet_[f]) continue;
        std::swap(shininess_[f], now.shininess[f]);
        if (now.shininess[f] != nullptr) send(f, *now.shininess[f]);
    }
}

// Restoring swaps back: the object gets its own value again, the enclosing value becomes
// current and is sent, or GL's default when no enclosing material set it.
void MaterialSceneObject::restoreMaterial()
{
    if (!hasMaterial_) return;
    CurrentMaterial& now = current();
    for (int p = 0; p < parameterCount; ++p) {
        for (int f = 0; f < faceCount; ++f) {
            if (!colorSet_[p][f] || (colors_[p][f] == nullptr && now.colors[p][f] == nullptr)) continue;
            std::swap(colors_[p][f], now.colors[p][f]);
            send(p, f, now.colors[p][f] != nullptr ? *now.colors[p][f] : defaultColors[p]);
        }
    }
    for (int f = 0; f < faceCount; ++f) {
        if (!shininessSet_[f] || (shininess_[f] == nullptr && now.shininess[f] == nullptr)) continue;
        std::swap(shininess_[f], now.shininess[f]);
        send(f, now.shininess[f] != nullptr ? *now.shininess[f] : defaultShininess);
    }
}
