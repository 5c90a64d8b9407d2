#pragma once
// ScreenSceneObject: a flat marker that has a place in the 3D world but is drawn in a pass
// of its own after the scene, over everything except the screen masks (the player's ship):
// the target pointer. It is pickable; its pick shape is drawSelectionShape.
// The screen pass draws every screen object that hangs in the scene graph and lies inside
// the view cone; the ordinary solid pass draws nothing of it. Neither the object set nor
// the mask set owns its members. Depends on the flat and selectable scene objects.
#include "scene/DrawSolid.h"
#include "scene/FlatSceneObject.h"
#include "scene/Registered.h"
#include "scene/SelectableSceneObject.h"

class ScreenSceneObject : public virtual FlatSceneObject,
                          public virtual SelectableSceneObject,
                          public Registered<ScreenSceneObject> {
public:
    ScreenSceneObject();

    // The shape drawn for picking, in the flat object's coordinates.
    virtual void drawSelectionShape() = 0;
    // beginFlat, drawSelectionShape, endFlat.
    void drawSolidGeometry() override;
    // Screen objects are drawn by drawScreenSceneObjects only.
    void draw() override {}

    // Objects whose depth hides screen objects behind them. A mask must leave the set
    // (removeScreenMask) before it is deleted.
    static void addScreenMask(DrawSolid* mask);
    static void removeScreenMask(DrawSolid* mask);
    static const Registry<DrawSolid>& screenMasks();
    static const Registry<ScreenSceneObject>& screenObjects() { return Registered<ScreenSceneObject>::registered(); }
};

// The screen object pass, between the transparent pass and the overlay: masks into the
// cleared depth buffer (no colour), then every screen object, blended.
void drawScreenSceneObjects();
