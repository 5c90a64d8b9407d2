#pragma once
// ModelFile: the game's binary model format. Little-endian: four int32 counts (indices,
// vertices, materials, groups), uint16 indices, vertex positions and normals as three
// doubles each, texture coordinates as two floats, a 392-byte record per group that starts
// with the zero-terminated texture name (relative to models/), then the first triangle and
// the triangle count of every group as int32.
// Limits: at most 65536 vertices; texture names of at most 391 characters.
#include "tools/common/Mesh.h"

#include <string>

namespace assets {

class ModelFile {
public:
    static constexpr int materialRecordSize = 392;
    static constexpr size_t maxVertices = 65536;

    // Throws std::runtime_error when the mesh does not fit the format.
    static void write(const std::string& path, const Mesh& mesh);
    // Returns false and fills `error` when the file is missing, cut short or inconsistent.
    static bool read(const std::string& path, Mesh& mesh, std::string& error);
};

}  // namespace assets
