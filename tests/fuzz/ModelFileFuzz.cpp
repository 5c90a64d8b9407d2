// Fuzzes the model file reader. A file either fails with a GameError or gives a model that
// the display-list compiler can walk without a single check of its own: arrays of one length
// per vertex, indices and groups in range, only finite numbers.
#include <algorithm>
#include <cmath>

#include "scene/GameError.h"
#include "scene/ModelFile.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = FuzzInput::write("models/fuzzed", data, size);
    ModelFile model;
    try {
        model = ModelFile::read(path);
    } catch (const GameError& error) {
        expect(error.what()[0] != '\0', "a model error has a message");
        return 0;
    }
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
    const auto finite = [](const auto& arrays) {
        return std::ranges::all_of(arrays, [](const auto& numbers) {
            return std::ranges::all_of(numbers, [](auto x) { return std::isfinite(x); });
        });
    };
    expect(finite(model.vertices) && finite(model.normals) && finite(model.textureCoordinates),
           "finite vertices, normals and texture coordinates");
    return 0;
}
