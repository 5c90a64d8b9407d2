#pragma once
// AsteroidSelection: four corner brackets around an asteroid while it is the selected
// target, on the square from -size to size around its centre.
#include "overlay/AsteroidGuiElement.h"

class AsteroidSelection : public virtual AsteroidGuiElement {
public:
    explicit AsteroidSelection(double size);

    void drawElement() override;
};
