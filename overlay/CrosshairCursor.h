#pragma once
// CrosshairCursor: four arms of `size` pixels around the pointer, its centre pixel left
// free so the player sees what lies under it.
#include "overlay/Cursor.h"

class CrosshairCursor : public virtual Cursor {
public:
    CrosshairCursor(int size, const Color& color);

    void drawShape(int size) override;
};
