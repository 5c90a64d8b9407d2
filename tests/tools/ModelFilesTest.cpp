// The generated model files: read with a reader written here from the file format, then
// checked against what the game assumes of them (sizes, orientation, the points where guns,
// rails and exhaust sit, a seamless sky box inside the view volume).
#include "tests/support/DataFolder.h"
#include "tests/support/TestBitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

struct P3 {
    double x = 0, y = 0, z = 0;
    P3 operator-(const P3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    P3 operator+(const P3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    P3 operator*(double f) const { return {x * f, y * f, z * f}; }
    double dot(const P3& o) const { return x * o.x + y * o.y + z * o.z; }
    P3 cross(const P3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    double length() const { return std::sqrt(dot(*this)); }
};

struct GroupRecord {
    std::string texture;
    int first = 0, count = 0;
};

struct ModelContents {
    std::int32_t indexCount = 0, vertexCount = 0, materialCount = 0, groupCount = 0;
    std::vector<std::uint16_t> indices;
    std::vector<P3> vertices, normals;
    std::vector<std::array<float, 2>> uvs;
    std::vector<GroupRecord> groups;
    size_t fileSize = 0, bytesRead = 0;

    int triangles() const { return indexCount / 3; }
    P3 corner(int triangle, int k) const { return vertices[indices[3 * triangle + k]]; }
};

// Little-endian on every host.
class Reader {
public:
    explicit Reader(const std::vector<unsigned char>& d) : d_(d) {}
    bool ok() const { return ok_; }
    size_t position() const { return at_; }
    std::uint64_t uint(int bytes)
    {
        if (at_ + bytes > d_.size()) {
            ok_ = false;
            return 0;
        }
        std::uint64_t v = 0;
        for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint64_t>(d_[at_ + i]) << (8 * i);
        at_ += bytes;
        return v;
    }
    double f64()
    {
        const std::uint64_t bits = uint(8);
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    float f32()
    {
        const std::uint32_t bits = static_cast<std::uint32_t>(uint(4));
        float v;
        std::memcpy(&v, &bits, 4);
        return v;
    }
    std::string record(size_t size)
    {
        if (at_ + size > d_.size()) {
            ok_ = false;
            return {};
        }
        const auto* begin = reinterpret_cast<const char*>(&d_[at_]);
        at_ += size;
        return std::string(begin, strnlen(begin, size));
    }

private:
    const std::vector<unsigned char>& d_;
    size_t at_ = 0;
    bool ok_ = true;
};

bool readModel(const std::string& name, ModelContents& m, std::string& error)
{
    std::ifstream in(DataFolder::path("models/" + name), std::ios::binary);
    if (!in) return error = "models/" + name + " missing (is the data generated?)", false;
    const std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Reader r(data);
    m.fileSize = data.size();
    m.indexCount = static_cast<std::int32_t>(r.uint(4));
    m.vertexCount = static_cast<std::int32_t>(r.uint(4));
    m.materialCount = static_cast<std::int32_t>(r.uint(4));
    m.groupCount = static_cast<std::int32_t>(r.uint(4));
    if (!r.ok() || m.indexCount <= 0 || m.vertexCount <= 0 || m.groupCount <= 0 || m.vertexCount > 65536)
        return error = name + ": implausible counts", false;
    for (int i = 0; i < m.indexCount; ++i) m.indices.push_back(static_cast<std::uint16_t>(r.uint(2)));
    for (int i = 0; i < m.vertexCount; ++i) m.vertices.push_back({r.f64(), r.f64(), r.f64()});
    for (int i = 0; i < m.vertexCount; ++i) m.normals.push_back({r.f64(), r.f64(), r.f64()});
    for (int i = 0; i < m.vertexCount; ++i) m.uvs.push_back({r.f32(), r.f32()});
    m.groups.resize(m.groupCount);
    for (auto& g : m.groups) g.texture = r.record(392);
    for (auto& g : m.groups) g.first = static_cast<std::int32_t>(r.uint(4));
    for (auto& g : m.groups) g.count = static_cast<std::int32_t>(r.uint(4));
    m.bytesRead = r.position();
    if (!r.ok()) return error = name + ": file cut short", false;
    return true;
}

const std::vector<std::string> modelNames = {"asteroid", "asteroid2", "asteroid3", "fighter", "missile", "skybox"};

class ModelFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const std::string& name : modelNames) {
            std::string error;
            ModelContents m;
            if (readModel(name, m, error)) models()[name] = m;
            else errors()[name] = error;
        }
    }
    static std::map<std::string, ModelContents>& models()
    {
        static std::map<std::string, ModelContents> all;
        return all;
    }
    static std::map<std::string, std::string>& errors()
    {
        static std::map<std::string, std::string> all;
        return all;
    }
    const ModelContents& model(const std::string& name)
    {
        static const ModelContents empty;
        if (models().count(name) == 0) {
            ADD_FAILURE() << errors()[name];
            return empty;
        }
        return models()[name];
    }
};

// Closest point on a triangle (the usual region test), for distances to the surface.
P3 closestOnTriangle(const P3& p, const P3& a, const P3& b, const P3& c)
{
    const P3 ab = b - a, ac = c - a, ap = p - a;
    const double d1 = ab.dot(ap), d2 = ac.dot(ap);
    if (d1 <= 0 && d2 <= 0) return a;
    const P3 bp = p - b;
    const double d3 = ab.dot(bp), d4 = ac.dot(bp);
    if (d3 >= 0 && d4 <= d3) return b;
    const double vc = d1 * d4 - d3 * d2;
    if (vc <= 0 && d1 >= 0 && d3 <= 0) return a + ab * (d1 / (d1 - d3));
    const P3 cp = p - c;
    const double d5 = ab.dot(cp), d6 = ac.dot(cp);
    if (d6 >= 0 && d5 <= d6) return c;
    const double vb = d5 * d2 - d1 * d6;
    if (vb <= 0 && d2 >= 0 && d6 <= 0) return a + ac * (d2 / (d2 - d6));
    const double va = d3 * d6 - d5 * d4;
    if (va <= 0 && (d4 - d3) >= 0 && (d5 - d6) >= 0) return b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
    const double denominator = 1.0 / (va + vb + vc);
    return a + ab * (vb * denominator) + ac * (vc * denominator);
}

double distanceToSurface(const ModelContents& m, const P3& p)
{
    double best = 1e30;
    for (int t = 0; t < m.triangles(); ++t)
        best = std::min(best, (closestOnTriangle(p, m.corner(t, 0), m.corner(t, 1), m.corner(t, 2)) - p).length());
    return best;
}

double signedVolume(const ModelContents& m)
{
    double v = 0.0;
    for (int t = 0; t < m.triangles(); ++t) v += m.corner(t, 0).dot(m.corner(t, 1).cross(m.corner(t, 2))) / 6.0;
    return v;
}

struct Box {
    P3 low{1e30, 1e30, 1e30}, high{-1e30, -1e30, -1e30};
};
Box boundsOf(const ModelContents& m)
{
    Box b;
    for (const P3& v : m.vertices) {
        b.low = {std::min(b.low.x, v.x), std::min(b.low.y, v.y), std::min(b.low.z, v.z)};
        b.high = {std::max(b.high.x, v.x), std::max(b.high.y, v.y), std::max(b.high.z, v.z)};
    }
    return b;
}

bool isPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

TEST_F(ModelFilesTest, EveryFileHoldsExactlyWhatItsCountsSay)
{
    for (const std::string& name : modelNames) {
        SCOPED_TRACE(name);
        const ModelContents& m = model(name);
        if (m.indexCount == 0) continue;
        EXPECT_EQ(m.indexCount % 3, 0);
        EXPECT_EQ(m.bytesRead, m.fileSize) << "bytes after the last block";
        EXPECT_EQ(m.materialCount, m.groupCount);
        for (std::uint16_t i : m.indices) ASSERT_LT(i, m.vertexCount);
        // Groups are runs of triangles that together draw every triangle once.
        std::vector<int> drawn(m.triangles(), 0);
        for (const GroupRecord& g : m.groups) {
            ASSERT_GT(g.count, 0);
            ASSERT_GE(g.first, 0);
            ASSERT_LE(g.first + g.count, m.triangles());
            for (int t = g.first; t < g.first + g.count; ++t) ++drawn[t];
        }
        EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(), [](int n) { return n == 1; }));
        for (size_t i = 0; i < m.vertices.size(); ++i) {
            ASSERT_TRUE(std::isfinite(m.vertices[i].length()));
            ASSERT_NEAR(m.normals[i].length(), 1.0, 1e-6);
            ASSERT_TRUE(std::isfinite(m.uvs[i][0]) && std::isfinite(m.uvs[i][1]));
        }
    }
}

TEST_F(ModelFilesTest, NamedTexturesAreReadablePowerOfTwoBitmaps)
{
    int paletted = 0, trueColour = 0;
    for (const std::string& name : modelNames) {
        for (const GroupRecord& g : model(name).groups) {
            if (g.texture.empty()) continue;
            SCOPED_TRACE(name + " -> " + g.texture);
            TestBitmap bitmap;
            std::string error;
            ASSERT_TRUE(bitmap.load(DataFolder::path("models/" + g.texture), error)) << error;
            EXPECT_TRUE(isPowerOfTwo(bitmap.width) && isPowerOfTwo(bitmap.height));
            EXPECT_GE(bitmap.width, 4) << "rows must stay 4-byte aligned for the upload";
            (bitmap.bitsPerPixel == 8 ? paletted : trueColour)++;
        }
    }
    EXPECT_GE(paletted, 1) << "the paletted path of the reader should meet real data";
    EXPECT_GT(trueColour, paletted);
}

TEST_F(ModelFilesTest, SolidModelsFaceOutwardWithMatchingNormals)
{
    // A flipped triangle would be culled from the outside and lit from the wrong side.
    for (const char* name : {"asteroid", "asteroid2", "asteroid3", "fighter", "missile"}) {
        SCOPED_TRACE(name);
        const ModelContents& m = model(name);
        EXPECT_GT(signedVolume(m), 0.0);
        int disagreeing = 0;
        for (int t = 0; t < m.triangles(); ++t) {
            const P3 face = (m.corner(t, 1) - m.corner(t, 0)).cross(m.corner(t, 2) - m.corner(t, 0));
            for (int k = 0; k < 3; ++k)
                if (face.dot(m.normals[m.indices[3 * t + k]]) <= 0.0) ++disagreeing;
        }
        EXPECT_EQ(disagreeing, 0);
    }
}

TEST_F(ModelFilesTest, AsteroidsFillTheirCollisionSphereAndDiffer)
{
    std::vector<std::vector<double>> profiles;
    for (const char* name : {"asteroid", "asteroid2", "asteroid3"}) {
        SCOPED_TRACE(name);
        const ModelContents& m = model(name);
        EXPECT_GE(m.triangles(), 1000);
        EXPECT_LE(m.triangles(), 3000);
        ASSERT_EQ(m.groups.size(), 1u);
        EXPECT_FALSE(m.groups[0].texture.empty());
        // The game scales by 10 x size and collides at 0.9 x size: file radius 0.09.
        double sum = 0.0, largest = 0.0, smallest = 1e30;
        std::vector<double> radii;
        for (const P3& v : m.vertices) {
            sum += v.length();
            largest = std::max(largest, v.length());
            smallest = std::min(smallest, v.length());
            radii.push_back(v.length());
        }
        const double mean = sum / m.vertices.size();
        EXPECT_NEAR(mean, 0.09, 0.01);
        EXPECT_LT(largest, 0.125);
        EXPECT_GT(smallest, 0.05);
        const double equivalent = std::cbrt(signedVolume(m) * 3.0 / (4.0 * M_PI));
        EXPECT_NEAR(equivalent, 0.09, 0.012);
        std::sort(radii.begin(), radii.end());
        profiles.push_back({radii[radii.size() / 10], radii[radii.size() / 2], radii[radii.size() * 9 / 10],
                            largest / smallest});
    }
    // Three kinds, three shapes: their radius distributions must not coincide.
    ASSERT_EQ(profiles.size(), 3u);
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 3; ++b) {
            double difference = 0.0;
            for (int k = 0; k < 4; ++k) difference += std::abs(profiles[a][k] - profiles[b][k]) / profiles[a][k];
            EXPECT_GT(difference, 0.05) << "asteroid kinds " << a << " and " << b << " look alike";
        }
}

TEST_F(ModelFilesTest, FighterHasItsSizeAndItsGunsRailsAndExhaustOnTheHull)
{
    const ModelContents& m = model("fighter");
    if (m.indexCount == 0) return;
    const Box b = boundsOf(m);
    // In ship units (the game scales the model by 10).
    EXPECT_NEAR((b.high.x - b.low.x) * 10, 1.6, 0.15);
    EXPECT_NEAR((b.high.z - b.low.z) * 10, 1.4, 0.15);
    EXPECT_NEAR(b.high.x, -b.low.x, 1e-9) << "left and right should mirror";
    EXPECT_GT(b.high.z, -b.low.z) << "the nose points along +z";
    const auto onHull = [&](P3 shipPoint, double tolerance) {
        EXPECT_LT(distanceToSurface(m, shipPoint * 0.1) * 10, tolerance)
            << "ship point (" << shipPoint.x << ", " << shipPoint.y << ", " << shipPoint.z << ")";
    };
    onHull({0.25, 0.0, 0.7}, 0.02);
    onHull({-0.25, 0.0, 0.7}, 0.02);
    onHull({0.0, 0.0, -0.5}, 0.02);
    // A rail point is the hanging rocket's centre: just under its pylon.
    onHull({0.7, 0.16, -0.45}, 0.05);
    onHull({-0.7, 0.16, -0.45}, 0.05);
    bool textured = false, plain = false;
    for (const GroupRecord& g : m.groups) (g.texture.empty() ? plain : textured) = true;
    EXPECT_TRUE(textured && plain) << "a textured hull and an untextured canopy";
}

TEST_F(ModelFilesTest, MissileIsHalfAUnitLongWithItsNoseAlongMinusZ)
{
    const ModelContents& m = model("missile");
    if (m.indexCount == 0) return;
    const Box b = boundsOf(m);
    EXPECT_NEAR((b.high.z - b.low.z) * 0.2, 0.5, 0.05);
    // The tip is a point on the axis at the front; the fins spread wide at the back.
    double frontSpread = 0.0, backSpread = 0.0;
    const double length = b.high.z - b.low.z;
    for (const P3& v : m.vertices) {
        const double r = std::hypot(v.x, v.y);
        if (v.z < b.low.z + 0.05 * length) frontSpread = std::max(frontSpread, r);
        if (v.z > b.high.z - 0.25 * length) backSpread = std::max(backSpread, r);
    }
    EXPECT_LT(frontSpread, 0.5 * backSpread);
}

TEST_F(ModelFilesTest, SkyBoxLiesInsideTheViewVolume)
{
    const ModelContents& m = model("skybox");
    if (m.indexCount == 0) return;
    for (const P3& v : m.vertices) {
        // Scaled by 10, every point must stay between the near plane 0.1 and the far plane 100
        // in every viewing direction, so within 100 / sqrt(3) of the eye.
        EXPECT_LT(v.length() * 10, 57.0);
        EXPECT_GT(v.length() * 10, 1.0);
    }
    for (const GroupRecord& g : m.groups) EXPECT_FALSE(g.texture.empty());
}

TEST_F(ModelFilesTest, SkyBoxFacesAgreeAlongEveryEdge)
{
    const ModelContents& m = model("skybox");
    if (m.indexCount == 0) return;
    std::map<std::string, TestBitmap> pictures;
    for (const GroupRecord& g : m.groups) {
        std::string error;
        ASSERT_TRUE(pictures[g.texture].load(DataFolder::path("models/" + g.texture), error)) << error;
    }
    // Texel lookup as OpenGL does with GL_LINEAR and GL_REPEAT.
    auto sample = [](const TestBitmap& p, double s, double t, int channel) {
        const double x = s * p.width - 0.5, y = (1.0 - t) * p.height - 0.5;  // rows are top first here
        const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
        const double fx = x - x0, fy = y - y0;
        auto texel = [&](int xi, int yi) {
            xi = ((xi % p.width) + p.width) % p.width;
            yi = ((yi % p.height) + p.height) % p.height;
            return static_cast<double>(p.at(xi, yi)[channel]);
        };
        return (texel(x0, y0) * (1 - fx) + texel(x0 + 1, y0) * fx) * (1 - fy) +
               (texel(x0, y0 + 1) * (1 - fx) + texel(x0 + 1, y0 + 1) * fx) * fy;
    };
    struct Edge {
        int group;
        P3 a, b;
        std::array<float, 2> ua, ub;
    };
    std::vector<Edge> edges;
    for (int gi = 0; gi < static_cast<int>(m.groups.size()); ++gi) {
        const GroupRecord& g = m.groups[gi];
        for (int t = g.first; t < g.first + g.count; ++t)
            for (int k = 0; k < 3; ++k) {
                const int i = m.indices[3 * t + k], j = m.indices[3 * t + (k + 1) % 3];
                edges.push_back({gi, m.vertices[i], m.vertices[j], m.uvs[i], m.uvs[j]});
            }
    }
    int shared = 0;
    double worst = 0.0;
    for (const Edge& e : edges) {
        for (const Edge& f : edges) {
            if (f.group <= e.group) continue;
            const bool same = (e.a - f.a).length() < 1e-9 && (e.b - f.b).length() < 1e-9;
            const bool reversed = (e.a - f.b).length() < 1e-9 && (e.b - f.a).length() < 1e-9;
            if (!same && !reversed) continue;
            ++shared;
            const TestBitmap& pe = pictures[m.groups[e.group].texture];
            const TestBitmap& pf = pictures[m.groups[f.group].texture];
            double total = 0.0;
            constexpr int samples = 400;
            for (int s = 0; s <= samples; ++s) {
                const double t = static_cast<double>(s) / samples;
                const double u = reversed ? 1.0 - t : t;
                for (int c = 0; c < 3; ++c) {
                    const double ve = sample(pe, e.ua[0] + (e.ub[0] - e.ua[0]) * t, e.ua[1] + (e.ub[1] - e.ua[1]) * t, c);
                    const double vf = sample(pf, f.ua[0] + (f.ub[0] - f.ua[0]) * u, f.ua[1] + (f.ub[1] - f.ua[1]) * u, c);
                    total += std::abs(ve - vf);
                }
            }
            worst = std::max(worst, total / (3.0 * (samples + 1)));
        }
    }
    EXPECT_EQ(shared, 12) << "a cube has twelve edges between its faces";
    EXPECT_LT(worst, 1.5) << "mean difference in grey levels along the worst edge";
}

}  // namespace
