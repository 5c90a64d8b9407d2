// The generated models, textures and font, read with the game's own readers, against what the
// game assumes of them.
#include "scene/BmpReader.h"
#include "scene/ModelFile.h"
#include "scene/Vector.h"
#include "tests/support/DataFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

struct Model {
    ModelFile file;
    std::vector<Vector> points;  // the vertices
    Vector corner(int triangle, int k) const { return points[file.indices[3 * triangle + k]]; }
    int triangles() const { return static_cast<int>(file.indices.size() / 3); }
    double signedVolume() const
    {
        double v = 0.0;
        for (int t = 0; t < triangles(); ++t) v += corner(t, 0).dot(corner(t, 1).cross(corner(t, 2))) / 6.0;
        return v;
    }
};

// Read once per process; a missing or damaged file fails the test that needs it.
const Model& model(const std::string& name)
{
    static std::map<std::string, Model> cache;
    if (cache.contains(name)) return cache[name];
    Model& m = cache[name];
    m.file = ModelFile::read(DataFolder::path("models/" + name));
    for (const auto& v : m.file.vertices) m.points.emplace_back(v[0], v[1], v[2]);
    return m;
}

BmpImage picture(const std::string& relative)
{
    std::optional<BmpImage> image = loadBmp(DataFolder::path(relative));
    if (!image) throw std::runtime_error(relative + " is not readable");
    return *image;
}

// Every rock in its three levels of detail, finest first.
const std::vector<std::string> rockNames = {"asteroid",  "asteroid_lod1",  "asteroid_lod2",
                                            "asteroid2", "asteroid2_lod1", "asteroid2_lod2",
                                            "asteroid3", "asteroid3_lod1", "asteroid3_lod2"};

TEST(ModelFilesTest, GroupsDrawEveryTriangleOnceWithReadableTexturesAndSolidsFaceOutward)
{
    std::vector<std::string> names = rockNames;
    names.insert(names.end(), {"fighter", "missile", "skybox"});
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Model& m = model(name);
        std::vector<int> drawn(m.triangles(), 0);
        for (const ModelFile::Group& g : m.file.groups) {
            ASSERT_GT(g.triangleCount, 0);
            for (int t = g.firstTriangle; t < g.firstTriangle + g.triangleCount; ++t) ++drawn[t];
            if (g.textureName.empty()) continue;
            const BmpImage texture = picture("models/" + g.textureName);
            EXPECT_TRUE(std::has_single_bit(unsigned(texture.width)) && std::has_single_bit(unsigned(texture.height)))
                << g.textureName;
        }
        EXPECT_TRUE(std::ranges::all_of(drawn, [](int n) { return n == 1; }));
        for (const auto& normal : m.file.normals) ASSERT_NEAR(std::hypot(normal[0], normal[1], normal[2]), 1.0, 1e-6);
        if (name == "skybox") continue;
        // A flipped triangle would be culled from the outside and lit from the wrong side.
        EXPECT_GT(m.signedVolume(), 0.0);
        for (int t = 0; t < m.triangles(); ++t) {
            const Vector face = (m.corner(t, 1) - m.corner(t, 0)).cross(m.corner(t, 2) - m.corner(t, 0));
            for (int k = 0; k < 3; ++k) {
                const auto& n = m.file.normals[m.file.indices[3 * t + k]];
                ASSERT_GT(face.dot(Vector(n[0], n[1], n[2])), 0.0) << "normal " << k << " of triangle " << t;
            }
        }
    }
}

TEST(ModelFilesTest, AsteroidsFillTheirCollisionSphere)
{
    // The game scales by 10 x size and collides at 0.9 x size: file radius 0.09.
    for (const std::string& name : rockNames) {
        SCOPED_TRACE(name);
        const Model& m = model(name);
        const auto [nearest, farthest] = std::ranges::minmax(m.points, {}, &Vector::length);
        EXPECT_LT(farthest.length(), 0.125);
        EXPECT_GT(nearest.length(), 0.05);
        EXPECT_NEAR(std::cbrt(m.signedVolume() * 3.0 / (4.0 * M_PI)), 0.09, 0.012);
    }
}

TEST(ModelFilesTest, CoarserRockLevelsKeepCornersOfTheFullRock)
{
    // So that switching levels neither moves nor resizes the rock.
    for (std::size_t level = 0; level < rockNames.size(); ++level) {
        if (level % 3 == 0) continue;
        SCOPED_TRACE(rockNames[level]);
        const Model& fine = model(rockNames[level - level % 3]);
        const Model& coarse = model(rockNames[level]);
        EXPECT_LT(coarse.triangles(), fine.triangles());
        for (const Vector& corner : coarse.points) {
            const auto distance = [&](const Vector& v) { return (v - corner).length(); };
            ASSERT_LT(distance(std::ranges::min(fine.points, {}, distance)), 1e-6);
        }
    }
}

TEST(ModelFilesTest, FighterAndMissileCarryTheirPointsWhereTheGameExpects)
{
    // Guns, exhaust and rails (a hanging rocket's centre) in ship units, each near a hull vertex.
    const Model& fighter = model("fighter");
    const struct {
        Vector point;
        double tolerance;
    } onHull[] = {{{0.25, 0.0, 0.7}, 0.02},
                  {{-0.25, 0.0, 0.7}, 0.02},
                  {{0.0, 0.0, -0.5}, 0.02},
                  {{0.7, 0.16, -0.45}, 0.05},
                  {{-0.7, 0.16, -0.45}, 0.05}};
    for (const auto& [point, tolerance] : onHull) {
        const auto distance = [&](const Vector& v) { return (v * 10 - point).length(); };
        EXPECT_LT(distance(std::ranges::min(fighter.points, {}, distance)), tolerance)
            << "ship point " << point.x() << ", " << point.y() << ", " << point.z();
    }
    // The missile is half a unit long at the game's scale of 0.2, its nose at -z.
    const std::vector<Vector>& points = model("missile").points;
    const auto [low, high] = std::ranges::minmax(points, {}, &Vector::z);
    const double length = high.z() - low.z();
    double front = 0.0, back = 0.0;
    for (const Vector& v : points) {
        if (v.z() < low.z() + 0.05 * length) front = std::max(front, std::hypot(v.x(), v.y()));
        if (v.z() > high.z() - 0.25 * length) back = std::max(back, std::hypot(v.x(), v.y()));
    }
    EXPECT_NEAR(length * 0.2, 0.5, 0.05);
    EXPECT_LT(front, 0.5 * back);
}

// The game reads the font as a 16 x 16 grid of cells, code c at row c / 16 from the top.
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
