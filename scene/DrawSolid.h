#pragma once
// DrawSolid: objects that can draw their plain geometry on their own, outside the tree walk:
// for colour picking (`drawForSelection`) and as depth-only masks of the screen pass.

class DrawSolid {
public:
    virtual ~DrawSolid() = default;
    virtual void drawForSelection() = 0;
    // Loads the object's absolute matrix and draws its plain geometry.
    virtual void drawSolid() = 0;
    virtual void drawSolidGeometry() = 0;
};
