#pragma once
// ModelBytes: writes model files for tests, in the game's binary format, from arrays that a
// test may damage on purpose (counts that disagree with the arrays, indices out of range).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ModelBytes {
    struct Group {
        std::string texture;
        std::int32_t firstTriangle = 0;
        std::int32_t triangleCount = 0;
    };

    std::vector<std::uint16_t> indices;
    std::vector<std::array<double, 3>> vertices;
    std::vector<std::array<double, 3>> normals;
    std::vector<std::array<float, 2>> uvs;
    std::vector<Group> groups;
    // The counts written into the file when they should disagree with the arrays.
    std::optional<std::int32_t> indexCount, vertexCount, groupCount;

    // A square of two triangles in the x-y plane facing +z, from -halfSize to halfSize, with
    // texture coordinates 0..1 and one group.
    static ModelBytes square(double halfSize, const std::string& texture = "");

    std::vector<unsigned char> bytes() const;
    void write(const std::string& path) const;
    // Where each of the eleven blocks starts in bytes().
    std::vector<std::size_t> blockStarts() const;
};
