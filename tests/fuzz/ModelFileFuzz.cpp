// Fuzzes the model file reader. A file either fails with a GameError or gives a model that
// the display-list compiler can walk without a single check of its own: arrays of one length
// per vertex, indices and groups in range, only finite numbers.
#include <cmath>

#include "scene/GameError.h"
#include "scene/ModelFile.h"
#include "tests/fuzz/FuzzInput.h"

namespace {
template <class Array>
bool finite(const Array& values)
{
    for (auto v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = FuzzInput::write("models/fuzzed", data, size);
    ModelFile model;
    try {
        model = ModelFile::read(path);
    } catch (const GameError& error) {
        FuzzInput::expect(error.what()[0] != '\0', "a model error has a message");
        return 0;
    }
    using FuzzInput::expect;
    const std::size_t vertices = model.vertices.size();
    expect(model.normals.size() == vertices && model.textureCoordinates.size() == vertices,
           "one normal and one texture coordinate per vertex");
    expect(size >= 16 + model.indices.size() * 2 + vertices * 56, "no more elements than the file holds");
    for (std::uint16_t index : model.indices) expect(index < vertices, "indices within the vertices");
    for (const ModelFile::Group& group : model.groups) {
        expect(group.firstTriangle >= 0 && group.triangleCount >= 0, "groups do not start or count below 0");
        expect(3 * (static_cast<std::int64_t>(group.firstTriangle) + group.triangleCount) <=
                   static_cast<std::int64_t>(model.indices.size()),
               "groups within the indices");
        expect(group.textureName.size() < ModelFile::materialRecordSize, "texture names within their record");
    }
    for (std::size_t v = 0; v < vertices; ++v) {
        expect(finite(model.vertices[v]) && finite(model.normals[v]) && finite(model.textureCoordinates[v]),
               "finite vertices, normals and texture coordinates");
    }
    return 0;
}
