#pragma once
// SceneLightSource: a light with a place in the scene tree, shining through one of GL's eight
// lights. While it shines it holds the lowest free light slot; a light that finds all eight
// taken shines nowhere (it holds no slot and touches no GL light) until it is enabled again
// when one is free. Its position or direction is sent to GL in the deferred pass of every
// frame (calculateLater), in root coordinates, so lighting is evaluated in root coordinates.
// Colour changes reach GL at the next enable. Being added to a scene does not activate it:
// its owner calls activate and deactivate; the destructor deactivates.
// The colour setters come in overloaded pairs: a subclass that overrides one of a pair needs
// a using-declaration to keep the other visible.
// Depends on DynamicSceneObject, LightSource, CalculateLater, Color; needs a GL context.
#include "scene/CalculateLater.h"
#include "scene/Color.h"
#include "scene/DynamicSceneObject.h"
#include "scene/LightSource.h"

class SceneLightSource : public virtual DynamicSceneObject, public virtual LightSource, public virtual CalculateLater {
public:
    // Diffuse and specular (r, g, b, 1), ambient black.
    SceneLightSource(float r, float g, float b);
    ~SceneLightSource() override;

    // Each (r, g, b) form sets (r, g, b, 1) through the Color form.
    virtual void setAmbient(const Color& color);
    virtual void setAmbient(float r, float g, float b);
    virtual void setDiffuse(const Color& color);
    virtual void setDiffuse(float r, float g, float b);
    virtual void setSpecular(const Color& color);
    virtual void setSpecular(float r, float g, float b);
    // GL_LIGHT0 to GL_LIGHT7 while the light holds a slot, otherwise 0.
    virtual unsigned getLightNumber() const;

    // Sends the position or direction again while the light shines.
    void calculateLater(TimeStep step) override;
    void draw() override {}

    static constexpr int slotCount = 8;

protected:
    // Claims a slot and sends the colours, the kind's settings and the place.
    void enable() override;
    // Frees the slot and switches the GL light off.
    void disable() override;
    // Send the kind's own settings, and its position or direction, to the GL light; called
    // with a slot held and the modelview at the identity (root coordinates).
    virtual void sendSettings() {}
    virtual void sendPlace() = 0;
    bool holdsSlot() const { return slot_ >= 0; }
    // Sends `position` (w = 0: a direction) as the light's position.
    void sendPosition(const Vector& position, float w);

private:
    float ambient_[4] = {0, 0, 0, 1};
    float diffuse_[4];
    float specular_[4];
    int slot_ = -1;
};
