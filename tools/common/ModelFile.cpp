#include "tools/common/ModelFile.h"

#include "tools/common/ByteWriter.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace assets {

void ModelFile::write(const std::string& path, const Mesh& mesh)
{
    if (mesh.vertices.size() > maxVertices) throw std::runtime_error(path + ": too many vertices for 16-bit indices");
    if (mesh.groups.empty()) throw std::runtime_error(path + ": a model needs at least one group");
    ByteWriter out;
    out.i32(static_cast<std::int32_t>(mesh.indices.size()));
    out.i32(static_cast<std::int32_t>(mesh.vertices.size()));
    out.i32(static_cast<std::int32_t>(mesh.groups.size()));
    out.i32(static_cast<std::int32_t>(mesh.groups.size()));
    for (std::uint32_t i : mesh.indices) out.u16(static_cast<std::uint16_t>(i));
    for (const Vertex& v : mesh.vertices) {
        out.f64(v.position.x);
        out.f64(v.position.y);
        out.f64(v.position.z);
    }
    for (const Vertex& v : mesh.vertices) {
        out.f64(v.normal.x);
        out.f64(v.normal.y);
        out.f64(v.normal.z);
    }
    for (const Vertex& v : mesh.vertices) {
        out.f32(v.u);
        out.f32(v.v);
    }
    for (const Group& g : mesh.groups) {
        if (g.texture.size() >= materialRecordSize) throw std::runtime_error(path + ": texture name too long");
        char record[materialRecordSize] = {};
        std::memcpy(record, g.texture.data(), g.texture.size());
        out.bytes(record, sizeof record);
    }
    for (const Group& g : mesh.groups) out.i32(g.firstTriangle);
    for (const Group& g : mesh.groups) out.i32(g.triangleCount);
    out.save(path);
}

bool ModelFile::read(const std::string& path, Mesh& mesh, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    const std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t at = 0;
    auto take = [&](void* target, size_t n) {
        if (at + n > data.size()) return false;
        std::memcpy(target, data.data() + at, n);
        at += n;
        return true;
    };
    std::int32_t indexCount = 0, vertexCount = 0, materialCount = 0, groupCount = 0;
    if (!take(&indexCount, 4) || !take(&vertexCount, 4) || !take(&materialCount, 4) || !take(&groupCount, 4) ||
        indexCount < 0 || vertexCount < 0 || groupCount < 0) {
        error = path + ": bad counts";
        return false;
    }
    mesh = Mesh{};
    mesh.indices.resize(indexCount);
    mesh.vertices.resize(vertexCount);
    mesh.groups.resize(groupCount);
    for (auto& i : mesh.indices) {
        std::uint16_t index;
        if (!take(&index, 2)) return error = path + ": indices cut short", false;
        i = index;
    }
    for (auto& v : mesh.vertices)
        if (!take(&v.position, 24)) return error = path + ": vertices cut short", false;
    for (auto& v : mesh.vertices)
        if (!take(&v.normal, 24)) return error = path + ": normals cut short", false;
    for (auto& v : mesh.vertices)
        if (!take(&v.u, 4) || !take(&v.v, 4)) return error = path + ": texture coordinates cut short", false;
    for (auto& g : mesh.groups) {
        char record[materialRecordSize + 1] = {};
        if (!take(record, materialRecordSize)) return error = path + ": materials cut short", false;
        g.texture = record;
    }
    for (auto& g : mesh.groups)
        if (!take(&g.firstTriangle, 4)) return error = path + ": face starts cut short", false;
    for (auto& g : mesh.groups)
        if (!take(&g.triangleCount, 4)) return error = path + ": face counts cut short", false;
    return true;
}

}  // namespace assets
