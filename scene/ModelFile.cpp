#include "scene/ModelFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "scene/GameError.h"

namespace {
// The messages name the block that could not be read. Four of them have always been written
// with an acute accent (0xB4), the others with a backquote.
const char* const indicesCountMissing = "Can`t load Indices Count";
const char* const verticesCountMissing = "Can`t load Vertices Count";
const char* const materialCountMissing = "Can`t load Material Count";
const char* const groupsCountMissing = "Can\xB4t load Groups Count";
const char* const indicesMissing = "Can`t load Indices";
const char* const verticesMissing = "Can`t load Vertices";
const char* const normalsMissing = "Can`t load Normals";
const char* const uvsMissing = "Can`t load UVs";
const char* const materialsMissing = "Can\xB4t load Materials";
const char* const faceStartsMissing = "Can\xB4t load FaceStarts";
const char* const faceCountsMissing = "Can\xB4t load FaceCounts";

// Reads blocks of elements front to back. A block reads as many whole elements as are left,
// up to its count, and takes the rest of the file with it when it is cut short.
class BlockReader {
public:
    explicit BlockReader(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

    template <class Element, class Decode>
    std::vector<Element> block(std::int64_t count, std::size_t elementSize, const char* failure, Decode decode)
    {
        const std::uint64_t left = bytes_.size() - at_;
        if (count <= 0 || left < elementSize) throw GameError(failure);
        const std::uint64_t whole = std::min<std::uint64_t>(static_cast<std::uint64_t>(count), left / elementSize);
        std::vector<Element> elements;
        elements.reserve(whole);
        for (std::uint64_t i = 0; i < whole; ++i) elements.push_back(decode(&bytes_[at_ + i * elementSize]));
        at_ = whole == static_cast<std::uint64_t>(count) ? at_ + whole * elementSize : bytes_.size();
        return elements;
    }

    std::int32_t count(const char* failure) { return block<std::int32_t>(1, 4, failure, int32)[0]; }

    static std::uint32_t uint32(const unsigned char* p)
    {
        return p[0] | static_cast<std::uint32_t>(p[1]) << 8 | static_cast<std::uint32_t>(p[2]) << 16 |
               static_cast<std::uint32_t>(p[3]) << 24;
    }
    static std::int32_t int32(const unsigned char* p) { return static_cast<std::int32_t>(uint32(p)); }
    static std::uint16_t uint16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
    static float float32(const unsigned char* p) { return std::bit_cast<float>(uint32(p)); }
    static double float64(const unsigned char* p)
    {
        return std::bit_cast<double>(uint32(p) | static_cast<std::uint64_t>(uint32(p + 4)) << 32);
    }
    static std::array<double, 3> triple(const unsigned char* p)
    {
        return {float64(p), float64(p + 8), float64(p + 16)};
    }

private:
    std::vector<unsigned char> bytes_;
    std::uint64_t at_ = 0;
};

std::vector<unsigned char> readWholeFile(const std::string& path)
{
    std::error_code error;
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, error)) throw GameError("Model not found!");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

[[noreturn]] void damaged(const std::string& path, const std::string& what)
{
    throw GameError("Model file " + path + " is damaged: " + what);
}

template <std::size_t N, class T>
bool finite(const std::array<T, N>& values)
{
    return std::all_of(values.begin(), values.end(), [](T v) { return std::isfinite(v); });
}

void check(const ModelFile& model, const std::string& path)
{
    const std::size_t vertexCount = model.vertices.size();
    for (std::size_t k = 0; k < model.indices.size(); ++k) {
        if (model.indices[k] >= vertexCount)
            damaged(path,
                    "index " + std::to_string(k) + " points past its " + std::to_string(vertexCount) + " vertices");
    }
    for (std::size_t g = 0; g < model.groups.size(); ++g) {
        const ModelFile::Group& group = model.groups[g];
        const std::int64_t end = 3 * (static_cast<std::int64_t>(group.firstTriangle) + group.triangleCount);
        if (group.firstTriangle < 0 || group.triangleCount < 0 || end > static_cast<std::int64_t>(model.indices.size()))
            damaged(path, "group " + std::to_string(g) + " reaches past its " + std::to_string(model.indices.size()) +
                              " indices");
    }
    for (std::size_t v = 0; v < vertexCount; ++v) {
        if (!finite(model.vertices[v]) || !finite(model.normals[v]) || !finite(model.textureCoordinates[v]))
            damaged(path, "vertex " + std::to_string(v) + " is not a finite number");
    }
}
}  // namespace

ModelFile ModelFile::read(const std::string& path)
{
    BlockReader in(readWholeFile(path));
    const std::int32_t indexCount = in.count(indicesCountMissing);
    const std::int32_t vertexCount = in.count(verticesCountMissing);
    in.count(materialCountMissing);
    const std::int32_t groupCount = in.count(groupsCountMissing);

    ModelFile model;
    model.indices = in.block<std::uint16_t>(indexCount, 2, indicesMissing, BlockReader::uint16);
    model.vertices = in.block<std::array<double, 3>>(vertexCount, 24, verticesMissing, BlockReader::triple);
    model.normals = in.block<std::array<double, 3>>(vertexCount, 24, normalsMissing, BlockReader::triple);
    model.textureCoordinates = in.block<std::array<float, 2>>(vertexCount, 8, uvsMissing, [](const unsigned char* p) {
        return std::array<float, 2>{BlockReader::float32(p), BlockReader::float32(p + 4)};
    });
    const std::vector<std::string> textures =
        in.block<std::string>(groupCount, materialRecordSize, materialsMissing, [](const unsigned char* p) {
            const char* name = reinterpret_cast<const char*>(p);
            return std::string(name, strnlen(name, materialRecordSize - 1));
        });
    const std::vector<std::int32_t> starts =
        in.block<std::int32_t>(groupCount, 4, faceStartsMissing, BlockReader::int32);
    std::vector<std::int32_t> counts = in.block<std::int32_t>(groupCount, 4, faceCountsMissing, BlockReader::int32);
    // Only the last block can be cut short here (any earlier one leaves the next one empty);
    // its missing counts stay 0, groups without triangles.
    counts.resize(starts.size(), 0);
    for (std::size_t g = 0; g < starts.size(); ++g) model.groups.push_back({textures[g], starts[g], counts[g]});

    // Every block before the last was complete, so the arrays agree in length.
    check(model, path);
    return model;
}
