#pragma once
// AsteroidGuiElement: a marker that an asteroid carries as its child (life beam, selection
// brackets): a transparent billboard, always facing the viewer, drawn in the marker colour
// with the asteroid's own fading (alpha) applied. Nothing of it is drawn while it is
// inactive. Subclasses give the geometry in drawElement, in billboard coordinates.
#include "scene/Transparent.h"
#include "scene/TransparentFlatSceneObject.h"

class AsteroidGuiElement : public virtual TransparentFlatSceneObject, public virtual Transparent {
public:
    AsteroidGuiElement();

    virtual void setActive(bool active);
    virtual bool isActive() const;
    virtual void drawElement() = 0;

    double getAlpha() override { return alpha_; }
    void setAlpha(double alpha) override { alpha_ = alpha; }

    void draw() override;
    void drawTransparent() override;
    void drawTransparentGeometry() override;

protected:
    // Makes the marker colour, faded by alpha, the current colour.
    void applyColor();

private:
    bool active_ = false;
    double alpha_ = 1.0;
};
