#include "tests/support/ModelBytes.h"

#include <bit>
#include <cstring>

#include "tests/support/TemporaryFolder.h"

namespace {
void put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void put64(std::vector<unsigned char>& out, std::uint64_t v)
{
    put32(out, static_cast<std::uint32_t>(v));
    put32(out, static_cast<std::uint32_t>(v >> 32));
}
}  // namespace

ModelBytes ModelBytes::square(double h, const std::string& texture)
{
    ModelBytes m;
    m.vertices = {{-h, -h, 0}, {h, -h, 0}, {h, h, 0}, {-h, h, 0}};
    m.normals.assign(4, {0, 0, 1});
    m.uvs = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    m.indices = {0, 1, 2, 0, 2, 3};
    m.groups = {{texture, 0, 2}};
    return m;
}

std::vector<unsigned char> ModelBytes::bytes() const
{
    std::vector<unsigned char> out;
    put32(out, static_cast<std::uint32_t>(indexCount.value_or(static_cast<std::int32_t>(indices.size()))));
    put32(out, static_cast<std::uint32_t>(vertexCount.value_or(static_cast<std::int32_t>(vertices.size()))));
    put32(out, static_cast<std::uint32_t>(groups.size()));
    put32(out, static_cast<std::uint32_t>(groupCount.value_or(static_cast<std::int32_t>(groups.size()))));
    for (std::uint16_t i : indices)
        out.insert(out.end(), {static_cast<unsigned char>(i), static_cast<unsigned char>(i >> 8)});
    for (const auto& v : vertices)
        for (double c : v) put64(out, std::bit_cast<std::uint64_t>(c));
    for (const auto& n : normals)
        for (double c : n) put64(out, std::bit_cast<std::uint64_t>(c));
    for (const auto& uv : uvs)
        for (float c : uv) put32(out, std::bit_cast<std::uint32_t>(c));
    for (const Group& g : groups) {
        std::vector<unsigned char> record(392, 0xEE);  // the bytes after the name are not read
        std::memcpy(record.data(), g.texture.data(), std::min<std::size_t>(g.texture.size(), 392));
        if (g.texture.size() < 392) record[g.texture.size()] = 0;
        out.insert(out.end(), record.begin(), record.end());
    }
    for (const Group& g : groups) put32(out, static_cast<std::uint32_t>(g.firstTriangle));
    for (const Group& g : groups) put32(out, static_cast<std::uint32_t>(g.triangleCount));
    return out;
}

void ModelBytes::write(const std::string& path) const { writeFile(path, bytes()); }

std::vector<std::size_t> ModelBytes::blockStarts() const
{
    std::vector<std::size_t> starts = {0, 4, 8, 12, 16};  // four counts, then the indices
    for (std::size_t size : {2 * indices.size(), 24 * vertices.size(), 24 * normals.size(), 8 * uvs.size(),
                             392 * groups.size(), 4 * groups.size()})
        starts.push_back(starts.back() + size);
    return starts;
}
