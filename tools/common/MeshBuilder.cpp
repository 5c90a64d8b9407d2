#include "tools/common/MeshBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <numbers>
#include <tuple>
#include <unordered_map>

namespace assets {

namespace {
// Positions closer than this are treated as one point when normals are shared.
constexpr double weldStep = 1e-7;

struct PositionKey {
    int part;
    long long x, y, z;
    bool operator<(const PositionKey& o) const { return std::tie(part, x, y, z) < std::tie(o.part, o.x, o.y, o.z); }
};

PositionKey keyOf(int part, const Vec3& p)
{
    return {part, std::llround(p.x / weldStep), std::llround(p.y / weldStep), std::llround(p.z / weldStep)};
}

struct VertexKey {
    std::array<std::uint64_t, 8> bits;
    bool operator<(const VertexKey& o) const { return bits < o.bits; }
};

VertexKey keyOf(const Vertex& v)
{
    VertexKey key{};
    const double values[6] = {v.position.x, v.position.y, v.position.z, v.normal.x, v.normal.y, v.normal.z};
    for (int i = 0; i < 6; ++i) std::memcpy(&key.bits[i], &values[i], sizeof(double));
    std::uint32_t u, w;
    std::memcpy(&u, &v.u, sizeof u);
    std::memcpy(&w, &v.v, sizeof w);
    key.bits[6] = u;
    key.bits[7] = w;
    return key;
}
}  // namespace

Vec3 MeshBuilder::Triangle::faceNormal() const
{
    return (corners[1].position - corners[0].position).cross(corners[2].position - corners[0].position);
}

void MeshBuilder::useGroup(const std::string& texture)
{
    const auto found = std::find(groupNames_.begin(), groupNames_.end(), texture);
    group_ = static_cast<int>(found - groupNames_.begin());
    if (found == groupNames_.end()) groupNames_.push_back(texture);
}

int MeshBuilder::newPart()
{
    part_ = partCount_++;
    return part_;
}

void MeshBuilder::triangle(const Vec3& a, const Vec3& b, const Vec3& c)
{
    if (groupNames_.empty()) groupNames_.push_back("");
    Triangle t;
    t.corners = {Corner{a}, Corner{b}, Corner{c}};
    t.group = group_;
    t.part = part_;
    triangles_.push_back(t);
}

void MeshBuilder::quad(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d)
{
    // Split along the shorter diagonal: flatter and fewer slivers on curved strips.
    if ((a - c).length() <= (b - d).length()) {
        triangle(a, b, c);
        triangle(a, c, d);
    } else {
        triangle(a, b, d);
        triangle(b, c, d);
    }
}

void MeshBuilder::mapTexture(int part, const std::function<void(Triangle&)>& mapper)
{
    for (Triangle& t : triangles_)
        if (part < 0 || t.part == part) mapper(t);
}

void MeshBuilder::transform(const std::function<Vec3(const Vec3&)>& f)
{
    for (Triangle& t : triangles_)
        for (Corner& c : t.corners) c.position = f(c.position);
}

Mesh MeshBuilder::build(double creaseDegrees) const
{
    std::vector<const Triangle*> kept;
    for (const Triangle& t : triangles_)
        if (t.faceNormal().length() > 1e-14) kept.push_back(&t);
    // Groups are stored as runs of consecutive triangles.
    std::stable_sort(kept.begin(), kept.end(), [](const Triangle* a, const Triangle* b) { return a->group < b->group; });

    std::map<PositionKey, std::vector<int>> facesAt;
    for (int i = 0; i < static_cast<int>(kept.size()); ++i)
        for (const Corner& c : kept[i]->corners) facesAt[keyOf(kept[i]->part, c.position)].push_back(i);

    const double creaseCos = std::cos(creaseDegrees * std::numbers::pi / 180.0);
    Mesh mesh;
    std::map<VertexKey, std::uint32_t> vertexIndex;
    for (int i = 0; i < static_cast<int>(kept.size()); ++i) {
        const Triangle& t = *kept[i];
        const Vec3 ownNormal = t.faceNormal().normalized();
        for (const Corner& c : t.corners) {
            // Sum of the neighbouring faces' normals within the crease angle, each weighted by
            // its angle at this point: unlike area weights, that does not depend on how a
            // surface happens to be cut into triangles. Each face counts once.
            Vec3 sum;
            const PositionKey here = keyOf(t.part, c.position);
            std::vector<int> around = facesAt[here];
            std::sort(around.begin(), around.end());
            around.erase(std::unique(around.begin(), around.end()), around.end());
            for (int f : around) {
                const Triangle& other = *kept[f];
                const Vec3 n = other.faceNormal().normalized();
                if (n.dot(ownNormal) < creaseCos - 1e-12) continue;
                for (int k = 0; k < 3; ++k) {
                    if (keyOf(other.part, other.corners[k].position) < here || here < keyOf(other.part, other.corners[k].position))
                        continue;
                    const Vec3 e1 = (other.corners[(k + 1) % 3].position - other.corners[k].position).normalized();
                    const Vec3 e2 = (other.corners[(k + 2) % 3].position - other.corners[k].position).normalized();
                    sum += n * std::acos(std::clamp(e1.dot(e2), -1.0, 1.0));
                    break;
                }
            }
            Vertex v;
            v.position = c.position;
            v.normal = sum.length() > 0.0 ? sum.normalized() : ownNormal;
            v.u = c.u;
            v.v = c.v;
            const auto [it, inserted] = vertexIndex.try_emplace(keyOf(v), static_cast<std::uint32_t>(mesh.vertices.size()));
            if (inserted) mesh.vertices.push_back(v);
            mesh.indices.push_back(it->second);
        }
    }
    for (int g = 0; g < static_cast<int>(groupNames_.size()); ++g) {
        Group group{groupNames_[g], 0, 0};
        bool started = false;
        for (int i = 0; i < static_cast<int>(kept.size()); ++i) {
            if (kept[i]->group != g) continue;
            if (!started) group.firstTriangle = i;
            started = true;
            ++group.triangleCount;
        }
        if (group.triangleCount > 0) mesh.groups.push_back(group);
    }
    return mesh;
}

}  // namespace assets
