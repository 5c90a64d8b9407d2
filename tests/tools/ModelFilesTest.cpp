// The generated models, textures and font, read with the game's own readers, against what the
// game assumes of them: every group drawn, solids facing out, the asteroids' collision size,
// the points where guns, rails and exhaust sit, a seamless sky box inside the view volume, and
// the font's grid of glyphs.
#include "scene/BmpReader.h"
#include "scene/ModelFile.h"
#include "scene/Vector.h"
#include "tests/support/DataFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

struct Model {
    ModelFile file;
    Vector vertex(std::size_t i) const { return {file.vertices[i][0], file.vertices[i][1], file.vertices[i][2]}; }
    Vector corner(int triangle, int k) const { return vertex(file.indices[3 * triangle + k]); }
    int triangles() const { return static_cast<int>(file.indices.size() / 3); }
};

// Read once per process; a missing or damaged file fails the test that needs it.
const Model& model(const std::string& name)
{
    static std::map<std::string, Model> cache;
    auto found = cache.find(name);
    if (found == cache.end())
        found = cache.emplace(name, Model{ModelFile::read(DataFolder::path("models/" + name))}).first;
    return found->second;
}

BmpImage picture(const std::string& relative)
{
    std::optional<BmpImage> image = loadBmp(DataFolder::path(relative));
    if (!image) throw std::runtime_error(relative + " is not readable");
    return *image;
}

double signedVolume(const Model& m)
{
    double v = 0.0;
    for (int t = 0; t < m.triangles(); ++t) v += m.corner(t, 0).dot(m.corner(t, 1).cross(m.corner(t, 2))) / 6.0;
    return v;
}

// Closest point on a triangle (the usual region test), for distances to the surface.
Vector closestOnTriangle(const Vector& p, const Vector& a, const Vector& b, const Vector& c)
{
    const Vector ab = b - a, ac = c - a, ap = p - a;
    const double d1 = ab.dot(ap), d2 = ac.dot(ap);
    if (d1 <= 0 && d2 <= 0) return a;
    const Vector bp = p - b;
    const double d3 = ab.dot(bp), d4 = ac.dot(bp);
    if (d3 >= 0 && d4 <= d3) return b;
    const double vc = d1 * d4 - d3 * d2;
    if (vc <= 0 && d1 >= 0 && d3 <= 0) return a + ab * (d1 / (d1 - d3));
    const Vector cp = p - c;
    const double d5 = ab.dot(cp), d6 = ac.dot(cp);
    if (d6 >= 0 && d5 <= d6) return c;
    const double vb = d5 * d2 - d1 * d6;
    if (vb <= 0 && d2 >= 0 && d6 <= 0) return a + ac * (d2 / (d2 - d6));
    const double va = d3 * d6 - d5 * d4;
    if (va <= 0 && (d4 - d3) >= 0 && (d5 - d6) >= 0) return b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
    const double denominator = 1.0 / (va + vb + vc);
    return a + ab * (vb * denominator) + ac * (vc * denominator);
}

double distanceToSurface(const Model& m, const Vector& p)
{
    double best = 1e30;
    for (int t = 0; t < m.triangles(); ++t)
        best = std::min(best, (closestOnTriangle(p, m.corner(t, 0), m.corner(t, 1), m.corner(t, 2)) - p).length());
    return best;
}

bool isPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

const std::vector<std::string> asteroidNames = {"asteroid",  "asteroid_lod1",  "asteroid_lod2",
                                                "asteroid2", "asteroid2_lod1", "asteroid2_lod2",
                                                "asteroid3", "asteroid3_lod1", "asteroid3_lod2"};
const std::vector<std::string> modelNames = [] {
    std::vector<std::string> names = asteroidNames;
    names.insert(names.end(), {"fighter", "missile", "skybox"});
    return names;
}();

TEST(ModelFilesTest, GroupsDrawEveryTriangleOnceWithReadableTextures)
{
    for (const std::string& name : modelNames) {
        SCOPED_TRACE(name);
        const Model& m = model(name);
        std::vector<int> drawn(m.triangles(), 0);
        for (const ModelFile::Group& g : m.file.groups) {
            ASSERT_GT(g.triangleCount, 0);
            for (int t = g.firstTriangle; t < g.firstTriangle + g.triangleCount; ++t) ++drawn[t];
            if (g.textureName.empty()) continue;
            const BmpImage texture = picture("models/" + g.textureName);
            EXPECT_TRUE(isPowerOfTwo(texture.width) && isPowerOfTwo(texture.height)) << g.textureName;
        }
        EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(), [](int n) { return n == 1; }));
        for (const auto& normal : m.file.normals) ASSERT_NEAR(std::hypot(normal[0], normal[1], normal[2]), 1.0, 1e-6);
    }
}

TEST(ModelFilesTest, SolidModelsFaceOutwardWithMatchingNormals)
{
    // A flipped triangle would be culled from the outside and lit from the wrong side.
    for (const std::string& name : modelNames) {
        if (name == "skybox") continue;
        SCOPED_TRACE(name);
        const Model& m = model(name);
        EXPECT_GT(signedVolume(m), 0.0);
        int disagreeing = 0;
        for (int t = 0; t < m.triangles(); ++t) {
            const Vector face = (m.corner(t, 1) - m.corner(t, 0)).cross(m.corner(t, 2) - m.corner(t, 0));
            for (int k = 0; k < 3; ++k) {
                const auto& n = m.file.normals[m.file.indices[3 * t + k]];
                if (face.dot(Vector(n[0], n[1], n[2])) <= 0.0) ++disagreeing;
            }
        }
        EXPECT_EQ(disagreeing, 0);
    }
}

TEST(ModelFilesTest, AsteroidsFillTheirCollisionSphere)
{
    // The game scales by 10 x size and collides at 0.9 x size: file radius 0.09.
    for (const std::string& name : asteroidNames) {
        SCOPED_TRACE(name);
        const Model& m = model(name);
        double largest = 0.0, smallest = 1e30;
        for (std::size_t i = 0; i < m.file.vertices.size(); ++i) {
            largest = std::max(largest, m.vertex(i).length());
            smallest = std::min(smallest, m.vertex(i).length());
        }
        EXPECT_LT(largest, 0.125);
        EXPECT_GT(smallest, 0.05);
        EXPECT_NEAR(std::cbrt(signedVolume(m) * 3.0 / (4.0 * M_PI)), 0.09, 0.012);
    }
}

TEST(ModelFilesTest, CoarserAsteroidLevelsKeepCornersOfTheFullRock)
{
    // So that switching levels neither moves nor resizes the rock.
    for (const char* full : {"asteroid", "asteroid2", "asteroid3"}) {
        const Model& fine = model(full);
        for (const char* level : {"_lod1", "_lod2"}) {
            SCOPED_TRACE(std::string(full) + level);
            const Model& coarse = model(std::string(full) + level);
            EXPECT_LT(coarse.triangles(), fine.triangles());
            for (std::size_t i = 0; i < coarse.file.vertices.size(); ++i) {
                double nearest = 1e30;
                for (std::size_t j = 0; j < fine.file.vertices.size(); ++j)
                    nearest = std::min(nearest, (coarse.vertex(i) - fine.vertex(j)).length());
                ASSERT_LT(nearest, 1e-6) << "vertex " << i;
            }
        }
    }
}

TEST(ModelFilesTest, FighterAndMissileCarryTheirPointsWhereTheGameExpects)
{
    const Model& fighter = model("fighter");
    // In ship units (the game scales the model by 10): two guns, the exhaust, two rails whose
    // point is the hanging rocket's centre just under its pylon.
    const auto onHull = [&](Vector shipPoint, double tolerance) {
        EXPECT_LT(distanceToSurface(fighter, shipPoint * 0.1) * 10, tolerance)
            << "ship point " << shipPoint.x() << ", " << shipPoint.y() << ", " << shipPoint.z();
    };
    onHull({0.25, 0.0, 0.7}, 0.02);
    onHull({-0.25, 0.0, 0.7}, 0.02);
    onHull({0.0, 0.0, -0.5}, 0.02);
    onHull({0.7, 0.16, -0.45}, 0.05);
    onHull({-0.7, 0.16, -0.45}, 0.05);
    // The missile is half a unit long at the game's scale of 0.2, its nose at -z.
    const Model& missile = model("missile");
    double low = 1e30, high = -1e30, front = 0.0, back = 0.0;
    for (std::size_t i = 0; i < missile.file.vertices.size(); ++i) {
        low = std::min(low, missile.vertex(i).z());
        high = std::max(high, missile.vertex(i).z());
    }
    for (std::size_t i = 0; i < missile.file.vertices.size(); ++i) {
        const Vector v = missile.vertex(i);
        const double r = std::hypot(v.x(), v.y());
        if (v.z() < low + 0.05 * (high - low)) front = std::max(front, r);
        if (v.z() > high - 0.25 * (high - low)) back = std::max(back, r);
    }
    EXPECT_NEAR((high - low) * 0.2, 0.5, 0.05);
    EXPECT_LT(front, 0.5 * back);
}

TEST(ModelFilesTest, SkyBoxLiesInsideTheViewVolumeAndItsFacesAgreeAlongEveryEdge)
{
    const Model& m = model("skybox");
    // Scaled by 10, every point stays between the near plane 0.1 and the far plane 100 in
    // every viewing direction, so within 100 / sqrt(3) of the eye.
    for (std::size_t i = 0; i < m.file.vertices.size(); ++i) {
        EXPECT_LT(m.vertex(i).length() * 10, 57.0);
        EXPECT_GT(m.vertex(i).length() * 10, 1.0);
    }
    std::map<std::string, BmpImage> pictures;
    for (const ModelFile::Group& g : m.file.groups) pictures[g.textureName] = picture("models/" + g.textureName);
    // Texel lookup as OpenGL does with GL_LINEAR and GL_REPEAT; rows bottom first.
    const auto sample = [](const BmpImage& p, double s, double t, int channel) {
        const double x = s * p.width - 0.5, y = t * p.height - 0.5;
        const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
        const double fx = x - x0, fy = y - y0;
        const auto texel = [&](int xi, int yi) {
            xi = ((xi % p.width) + p.width) % p.width;
            yi = ((yi % p.height) + p.height) % p.height;
            return static_cast<double>(p.data[(static_cast<std::size_t>(yi) * p.width + xi) * 3 + channel]);
        };
        return (texel(x0, y0) * (1 - fx) + texel(x0 + 1, y0) * fx) * (1 - fy) +
               (texel(x0, y0 + 1) * (1 - fx) + texel(x0 + 1, y0 + 1) * fx) * fy;
    };
    struct Edge {
        std::size_t group;
        Vector a, b;
        std::array<float, 2> ua, ub;
    };
    std::vector<Edge> edges;
    for (std::size_t gi = 0; gi < m.file.groups.size(); ++gi) {
        const ModelFile::Group& g = m.file.groups[gi];
        for (int t = g.firstTriangle; t < g.firstTriangle + g.triangleCount; ++t)
            for (int k = 0; k < 3; ++k) {
                const int i = m.file.indices[3 * t + k], j = m.file.indices[3 * t + (k + 1) % 3];
                edges.push_back(
                    {gi, m.vertex(i), m.vertex(j), m.file.textureCoordinates[i], m.file.textureCoordinates[j]});
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
            const BmpImage& pe = pictures[m.file.groups[e.group].textureName];
            const BmpImage& pf = pictures[m.file.groups[f.group].textureName];
            double total = 0.0;
            constexpr int samples = 400;
            for (int s = 0; s <= samples; ++s) {
                const double t = static_cast<double>(s) / samples, u = reversed ? 1.0 - t : t;
                for (int c = 0; c < 3; ++c)
                    total +=
                        std::abs(sample(pe, e.ua[0] + (e.ub[0] - e.ua[0]) * t, e.ua[1] + (e.ub[1] - e.ua[1]) * t, c) -
                                 sample(pf, f.ua[0] + (f.ub[0] - f.ua[0]) * u, f.ua[1] + (f.ub[1] - f.ua[1]) * u, c));
            }
            worst = std::max(worst, total / (3.0 * (samples + 1)));
        }
    }
    EXPECT_EQ(shared, 12) << "a cube has twelve edges between its faces";
    EXPECT_LT(worst, 1.5) << "mean difference in grey levels along the worst edge";
}

// The game reads the font as a 16 x 16 grid of cells (code c at row c / 16 from the top),
// takes the red channel as coverage and measures each glyph's margins from its columns.
TEST(FontBitmapTest, EveryPrintableCodeHasAGlyphInsideItsCellAndNothingElseDoes)
{
    const BmpImage font = picture("fonts/arial.bmp");
    ASSERT_EQ(font.width, font.height);
    const int cell = font.width / 16;
    for (int c = 0; c < 256; ++c) {
        SCOPED_TRACE(c);
        bool lit = false, onBorder = false;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x) {
                const int row = font.height - 1 - ((c / 16) * cell + y);
                if (font.data[(static_cast<std::size_t>(row) * font.width + (c % 16) * cell + x) * 3] == 0) continue;
                lit = true;
                // Linear filtering would lend a pixel on the edge to the glyph next door.
                onBorder = onBorder || x == 0 || y == 0 || x >= cell - 1 || y >= cell - 1;
            }
        EXPECT_EQ(lit, (c > 32 && c < 127) || (c > 160 && c < 256));
        EXPECT_FALSE(onBorder);
    }
}

}  // namespace
