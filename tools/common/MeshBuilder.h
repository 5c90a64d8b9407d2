#pragma once
// MeshBuilder: collects triangles as loose corners while a shape is being made, then welds
// them into a Mesh with normals. Normals are smoothed only between triangles of the same part
// whose faces meet at less than the crease angle, so a hull stays round while a wing keeps
// its sharp trailing edge and never blends into the fuselage it touches.
// Triangles are counter-clockwise seen from the side their normal should face.
// Degenerate (zero-area) triangles are dropped when building.
#include "tools/common/Mesh.h"

#include <functional>
#include <string>
#include <vector>

namespace assets {

class MeshBuilder {
public:
    struct Corner {
        Vec3 position;
        float u = 0.0f, v = 0.0f;
    };
    struct Triangle {
        std::array<Corner, 3> corners;
        int group = 0;
        int part = 0;
        Vec3 faceNormal() const;
    };

    // Selects (creating on first use) the group with this texture; later triangles join it.
    void useGroup(const std::string& texture);
    // Starts a new part: triangles of different parts never share normals.
    int newPart();
    void setPart(int part) { part_ = part; }
    int part() const { return part_; }

    void triangle(const Vec3& a, const Vec3& b, const Vec3& c);
    // a, b, c, d counter-clockwise.
    void quad(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d);

    std::vector<Triangle>& triangles() { return triangles_; }
    const std::vector<Triangle>& triangles() const { return triangles_; }

    // Gives texture coordinates to every triangle of a part (or of all parts with part < 0).
    void mapTexture(int part, const std::function<void(Triangle&)>& mapper);
    // Moves every corner.
    void transform(const std::function<Vec3(const Vec3&)>& f);

    Mesh build(double creaseDegrees) const;

private:
    std::vector<Triangle> triangles_;
    std::vector<std::string> groupNames_;
    int group_ = 0;
    int part_ = 0;
    int partCount_ = 1;
};

}  // namespace assets
