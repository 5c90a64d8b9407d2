#pragma once
// ModelFile: the contents of one binary model file, read and checked, before it is compiled
// into display lists (ModelData). The format, little-endian, without magic or padding:
//   int32 index count I, int32 vertex count V, int32 material count (unused), int32 group
//   count G; I uint16 indices (three per triangle); V vertices and V normals of 3 doubles;
//   V texture coordinates of 2 floats; G material records of 392 bytes that begin with the
//   group's texture file name (zero-terminated, empty: untextured); G int32 first triangles
//   and G int32 triangle counts of the groups.
// A block that yields not even one element fails with its own message; a cut-short last block
// leaves its missing counts at 0. Indices past the vertices, groups past the indices and
// numbers that are not finite are refused, so nothing out of bounds or NaN reaches GL.
// Depends on GameError only.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct ModelFile {
    struct Group {
        std::string textureName;
        std::int32_t firstTriangle = 0;
        std::int32_t triangleCount = 0;
    };

    std::vector<std::uint16_t> indices;
    std::vector<std::array<double, 3>> vertices;
    std::vector<std::array<double, 3>> normals;
    std::vector<std::array<float, 2>> textureCoordinates;
    std::vector<Group> groups;

    // Throws GameError: "Model not found!" when the file cannot be opened, the message of the
    // first block that cannot be read, or a description of the damage.
    static ModelFile read(const std::string& path);

    static constexpr std::size_t materialRecordSize = 392;
};
