#pragma once
// Background: the sky box, drawn first in every frame around the eye: it clears the colour
// and depth buffers, then draws the model "Background" ten times enlarged, turned by the
// background orientation, with the active camera's projection and turn but not its place,
// and without depth, lighting or face culling, so that it stays behind everything.
// Without an active camera it uses the camera's standard projection for the viewport and the
// modelview as it is. The sky box is fetched from the model library on the first draw and
// kept; if it cannot be loaded the player is told once and the sky stays black.
// Class-wide state only. Depends on Model, Camera, Platform.
#include "scene/Vector.h"

class Background {
public:
    Background() = delete;

    static void draw();
    // Turns the sky box (degrees about the axis); the game picks a new one for every menu.
    static void setOrientation(double angleDegrees, const Vector& axis);
    static double getOrientationAngle();
    static Vector getOrientationAxis();
    // Drops the sky box, so that the next draw fetches it again.
    static void reload();
};
