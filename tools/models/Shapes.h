#pragma once
// Shapes: the solids the ship and the missile are built from, added to a MeshBuilder in its
// current group and part. Lofts join rings of equal point count; they orient their faces
// outward from the loft's axis by themselves (or inward, for the inside of a nozzle), which
// holds for the star-shaped sections used here but not for strongly concave ones.
#include "tools/common/MeshBuilder.h"

#include <vector>

namespace assets {

class Shapes {
public:
    using Ring = std::vector<Vec3>;

    // Joins consecutive rings; closes the ends with fans when asked.
    static void loft(MeshBuilder& builder, const std::vector<Ring>& rings, bool capStart, bool capEnd,
                     bool inward = false);
    // A fan over a ring, facing along `facing`.
    static void cap(MeshBuilder& builder, const Ring& ring, const Vec3& facing);
    // A ring around the z axis at height z: a superellipse of half width w, heights up and
    // down, centred at (cx, cy); exponent 2 is an ellipse, larger is boxier.
    static Ring superellipse(int points, double z, double w, double up, double down, double exponent, double cx = 0.0,
                             double cy = 0.0);
    static Ring circle(int points, double z, double radius, double cx = 0.0, double cy = 0.0);
    // The band between two rings of equal count lying in one plane, facing along `facing`.
    static void annulus(MeshBuilder& builder, const Ring& outer, const Ring& inner, const Vec3& facing);
    // A thin round rod along a path (open ends closed), for struts and frames.
    static void tube(MeshBuilder& builder, const std::vector<Vec3>& path, double radius, int sides = 6);
    // A flat plate of the given thickness through a polygon (counter-clockwise seen from the
    // side `normal` points to), its rim closed.
    static void slab(MeshBuilder& builder, const std::vector<Vec3>& outline, const Vec3& normal, double thickness);
};

}  // namespace assets
