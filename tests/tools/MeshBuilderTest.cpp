// Welding loose triangles into the game's mesh format: normals smoothed only across gentle
// bends and only within a part, groups kept as runs, and the file writer's limits.
#include "tools/common/MeshBuilder.h"
#include "tools/common/ModelFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

using assets::Mesh;
using assets::MeshBuilder;
using assets::ModelFile;
using assets::Vec3;

namespace {
void addCube(MeshBuilder& b, const Vec3& centre)
{
    const Vec3 c[8] = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}, {-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}};
    const int faces[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {2, 3, 7, 6}, {1, 2, 6, 5}, {0, 4, 7, 3}};
    for (const auto& f : faces) b.quad(centre + c[f[0]], centre + c[f[1]], centre + c[f[2]], centre + c[f[3]]);
}
}  // namespace

TEST(MeshBuilderTest, SharpEdgesSplitVerticesGentleOnesShareThem)
{
    MeshBuilder sharp;
    addCube(sharp, Vec3());
    const Mesh hard = sharp.build(30.0);
    EXPECT_EQ(hard.triangleCount(), 12);
    EXPECT_EQ(hard.vertices.size(), 24u) << "each corner once per face it belongs to";
    for (const auto& v : hard.vertices) {
        const double axis = std::max({std::abs(v.normal.x), std::abs(v.normal.y), std::abs(v.normal.z)});
        EXPECT_NEAR(axis, 1.0, 1e-12) << "face normals at a 90 degree edge";
    }
    const Mesh soft = sharp.build(100.0);
    EXPECT_EQ(soft.vertices.size(), 8u);
    for (const auto& v : soft.vertices) {
        const Vec3 radial = v.position.normalized();
        EXPECT_NEAR(v.normal.dot(radial), 1.0, 1e-9) << "smoothed corners point away from the centre";
    }
}

TEST(MeshBuilderTest, PartsNeverShareNormalsAndDegenerateTrianglesVanish)
{
    MeshBuilder b;
    b.useGroup("");
    b.triangle(Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(0, 1, 0));
    b.newPart();
    b.triangle(Vec3(0, 0, 0), Vec3(0, 1, 0), Vec3(0, 0, 1));  // same corner, another part
    b.triangle(Vec3(0, 0, 0), Vec3(1, 1, 1), Vec3(2, 2, 2));  // no area
    const Mesh m = b.build(180.0);
    EXPECT_EQ(m.triangleCount(), 2);
    EXPECT_EQ(m.vertices.size(), 6u);
    EXPECT_NEAR(m.vertices[m.indices[0]].normal.z, 1.0, 1e-12);
    EXPECT_NEAR(m.vertices[m.indices[3]].normal.x, 1.0, 1e-12);
}

TEST(MeshBuilderTest, GroupsBecomeRunsWhateverTheOrderOfTriangles)
{
    MeshBuilder b;
    b.useGroup("hull.bmp");
    b.triangle(Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(0, 1, 0));
    b.useGroup("");
    b.triangle(Vec3(5, 0, 0), Vec3(6, 0, 0), Vec3(5, 1, 0));
    b.useGroup("hull.bmp");
    b.triangle(Vec3(0, 0, 3), Vec3(1, 0, 3), Vec3(0, 1, 3));
    const Mesh m = b.build(40.0);
    ASSERT_EQ(m.groups.size(), 2u);
    EXPECT_EQ(m.groups[0].texture, "hull.bmp");
    EXPECT_EQ(m.groups[0].firstTriangle, 0);
    EXPECT_EQ(m.groups[0].triangleCount, 2);
    EXPECT_EQ(m.groups[1].firstTriangle, 2);
    EXPECT_EQ(m.groups[1].triangleCount, 1);
}

TEST(GeneratedModelFileTest, WritesWhatItReadsBackAndRefusesWhatDoesNotFit)
{
    MeshBuilder b;
    b.useGroup("tex.bmp");
    addCube(b, Vec3(0.5, 0, 0));
    b.mapTexture(-1, [](MeshBuilder::Triangle& t) {
        for (auto& c : t.corners) c.u = static_cast<float>(c.position.x), c.v = static_cast<float>(c.position.y);
    });
    const Mesh mesh = b.build(30.0);
    const std::string path = (std::filesystem::temp_directory_path() / "model_file_test_cube").string();
    ModelFile::write(path, mesh);
    EXPECT_EQ(std::filesystem::file_size(path), 16u + 36u * 2 + 24u * (24 + 24 + 8) + 392 + 8);
    Mesh back;
    std::string error;
    ASSERT_TRUE(ModelFile::read(path, back, error)) << error;
    std::filesystem::remove(path);
    EXPECT_EQ(back.indices, mesh.indices);
    ASSERT_EQ(back.groups.size(), 1u);
    EXPECT_EQ(back.groups[0].texture, "tex.bmp");
    EXPECT_EQ(back.vertices[5].position.x, mesh.vertices[5].position.x);
    EXPECT_EQ(back.vertices[5].u, mesh.vertices[5].u);

    Mesh huge;
    huge.vertices.resize(65537);
    huge.groups.push_back({"", 0, 0});
    EXPECT_THROW(ModelFile::write(path, huge), std::runtime_error);
    Mesh longName = mesh;
    longName.groups[0].texture = std::string(392, 'x');
    EXPECT_THROW(ModelFile::write(path, longName), std::runtime_error);
}
