#pragma once
// MaterialSceneObject: a scene object with an optional GL material: emission, ambient,
// diffuse and specular colours and a shininess, each for front and back faces, each set or
// not. applyMaterial and restoreMaterial bracket the drawing of a subtree; brackets nest: a
// restore sends the enclosing material again, and leaving the outermost bracket sends GL's
// defaults for every value it had set. Values that no material in the brackets sets stay as
// they are. Nesting costs no allocation: each value is handed back and forth between the
// object and the class-wide record of what is current.
// While GL_COLOR_MATERIAL tracks ambient and diffuse (the game's setting), glColor overrides
// those two; emission, specular and shininess come from here.
// Between apply and restore an object must not be given new values or be destroyed.
// The setters come in overloaded pairs: a subclass that overrides one of a pair needs a
// using-declaration to keep the other visible.
// Depends on Color, SceneObject; apply and restore need a current GL context.
#include <memory>

#include "scene/Color.h"
#include "scene/SceneObject.h"

class MaterialSceneObject : public virtual SceneObject {
public:
    MaterialSceneObject() = default;
    ~MaterialSceneObject() override;

    // Each (r, g, b) form sets the colour (r, g, b, 1) through the Color form.
    virtual void setFrontEmission(const Color& color);
    virtual void setFrontEmission(float r, float g, float b);
    virtual void setBackEmission(const Color& color);
    virtual void setBackEmission(float r, float g, float b);
    virtual void setFrontAmbient(const Color& color);
    virtual void setFrontAmbient(float r, float g, float b);
    virtual void setBackAmbient(const Color& color);
    virtual void setBackAmbient(float r, float g, float b);
    virtual void setFrontDiffuse(const Color& color);
    virtual void setFrontDiffuse(float r, float g, float b);
    virtual void setBackDiffuse(const Color& color);
    virtual void setBackDiffuse(float r, float g, float b);
    virtual void setFrontSpecular(const Color& color);
    virtual void setFrontSpecular(float r, float g, float b);
    virtual void setBackSpecular(const Color& color);
    virtual void setBackSpecular(float r, float g, float b);
    virtual void setFrontShininess(float shininess);
    virtual void setBackShininess(float shininess);
    // Forgets every colour (the shininess values stay, but without a colour nothing is
    // applied until a colour is set again). Not between apply and restore.
    virtual void clearMaterial();
    virtual void applyMaterial();
    virtual void restoreMaterial();

    bool hasMaterial() const { return hasMaterial_; }

    enum Parameter { Emission, Ambient, Diffuse, Specular };
    enum Face { Front, Back };
    static constexpr int parameterCount = 4;
    static constexpr int faceCount = 2;

private:
    void setColor(Parameter parameter, Face face, const Color& color);
    void setShininess(Face face, float shininess);

    bool hasMaterial_ = false;
    bool colorSet_[parameterCount][faceCount] = {};
    bool shininessSet_[faceCount] = {};
    // Outside a bracket: the object's own values. Inside: the values that were current before
    // it (null: GL's default was in force).
    std::unique_ptr<Color> colors_[parameterCount][faceCount];
    std::unique_ptr<float> shininess_[faceCount];
};
