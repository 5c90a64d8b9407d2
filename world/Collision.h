#pragma once
// Collision: the result of one sphere test: whether the two spheres touch or overlap, which
// object ran the test and its partner, and the contact point in root coordinates (the middle
// of the overlap on the line between the centres). Without a hit the pointers are null and
// the point is the origin.
#include "scene/Vector.h"

class CollidableSceneObject;

struct Collision {
    bool hit = false;
    CollidableSceneObject* self = nullptr;
    CollidableSceneObject* other = nullptr;
    Vector point;
};
