#pragma once
// Mesh: an indexed triangle mesh in the shape the game's model files store: per-vertex
// position, normal and texture coordinate, and groups of consecutive triangles that share a
// texture (an empty name draws untextured). Limits: the file format indexes vertices with
// 16 bits, so ModelFile refuses meshes of more than 65536 vertices.
#include "tools/common/Vec3.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

struct Vertex {
    Vec3 position;
    Vec3 normal;
    float u = 0.0f, v = 0.0f;
};

struct Group {
    std::string texture;
    int firstTriangle = 0;
    int triangleCount = 0;
};

struct Mesh {
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;  // three per triangle
    std::vector<Group> groups;

    int triangleCount() const { return static_cast<int>(indices.size() / 3); }
    // Largest distance of a vertex from the origin.
    double radius() const;
};

}  // namespace assets
