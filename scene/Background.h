#pragma once
// Background: the sky box, drawn around the eye behind everything: the model "Background" ten
// times enlarged, turned by the background orientation, with the active camera's projection
// and turn but not its place, without lighting or face culling, at the far plane. The scene
// graph draws it after the solid models, so that the depth test lets it fill only the pixels
// nothing covers (it is drawn over the whole screen, much of it hidden, otherwise); it writes
// no depth and leaves the matrices as it found them.
// Without an active camera it uses the camera's standard projection for the viewport and the
// modelview as it is. The sky box is fetched from the model library on the first draw and
// kept; if it cannot be loaded the player is told once and the sky stays as cleared (black).
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
