#pragma once
// Selectable: anything the player can pick with the mouse. Selectable objects are in the
// class-wide selection registry from construction until disableSelection or destruction.
// Picking (`pick`) draws every registered SelectableSceneObject in a colour that encodes its
// number into the back buffer and reads the colour under the pointer; the depth test decides
// which of two overlapping objects wins. Up to 16777215 objects can be told apart.
// Picking draws only the pixel under the pointer and leaves it in its selection colour: the
// next frame must be drawn in full, as the display callback does anyway.
// Depends on ByteColor, Camera, Viewport.
#include "scene/Registered.h"

class Selectable : public Registered<Selectable> {
public:
    Selectable() : Registered(this) {}
    virtual ~Selectable() = default;

    virtual void enableSelection();
    virtual void disableSelection();
    virtual bool isSelectable() const;
    // Draws the object's plain geometry in the current colour, unlit, with the camera's view.
    virtual void drawForSelection() = 0;

    // The object under the window position (x from the left, y from the top, as the mouse
    // callbacks give it), or null for empty space and positions outside the viewport.
    static Selectable* pick(int x, int y);
    static const Registry<Selectable>& registry() { return registered(); }

private:
    bool selectable_ = true;
};
