// Reading model files: the message of each block that cannot be read (byte for byte), the
// tolerated cut in the last block, and damaged files that must be refused before anything
// reads out of bounds.
#include "scene/ModelFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scene/Model.h"
#include "tests/support/Expect.h"
#include "tests/support/ModelBytes.h"
#include "tests/support/TemporaryFolder.h"

namespace {
struct ModelFileTest : ::testing::Test {
    std::string path(const std::string& name = "model") const { return folder.file(name); }
    TemporaryFolder folder;
};
}  // namespace

TEST_F(ModelFileTest, EachBlockThatCannotBeReadHasItsOwnMessage)
{
    // Seven messages are written with a backquote (0x60), four with an acute accent (0xB4).
    const std::string messages[] = {"Can\x60t load Indices Count",  "Can\x60t load Vertices Count",
                                    "Can\x60t load Material Count", "Can\xB4t load Groups Count",
                                    "Can\x60t load Indices",        "Can\x60t load Vertices",
                                    "Can\x60t load Normals",        "Can\x60t load UVs",
                                    "Can\xB4t load Materials",      "Can\xB4t load FaceStarts",
                                    "Can\xB4t load FaceCounts"};
    const ModelBytes square = ModelBytes::square(1);
    const std::vector<unsigned char> whole = square.bytes();
    const std::vector<std::size_t> starts = square.blockStarts();
    for (std::size_t block = 0; block < 11; ++block) {
        writeFile(path(), {whole.begin(), whole.begin() + starts[block]});
        EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path())), messages[block]) << "cut before block " << block + 1;
        // Less than one element of the block is as good as nothing.
        writeFile(path(), {whole.begin(), whole.begin() + starts[block] + 1});
        EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path())), messages[block]) << "one byte into block " << block + 1;
    }
    EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path("missing"))), "Model not found!");
    EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(folder.path().string())), "Model not found!");
}

TEST_F(ModelFileTest, EmptyBlocksFailAndACutInTheLastBlockIsAccepted)
{
    ModelBytes noGroups = ModelBytes::square(1);
    noGroups.groups.clear();
    noGroups.write(path());
    EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path())), "Can\xB4t load Materials");

    for (std::int32_t count : {0, -5}) {
        ModelBytes noIndices = ModelBytes::square(1);
        noIndices.indexCount = count;
        noIndices.write(path());
        EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path())), "Can\x60t load Indices") << count;
    }

    // Two groups; the file ends after the first group's triangle count.
    ModelBytes two = ModelBytes::square(1, "rock.bmp");
    two.groups = {{"rock.bmp", 0, 1}, {"", 1, 1}};
    std::vector<unsigned char> bytes = two.bytes();
    bytes.resize(bytes.size() - 4);
    writeFile(path(), bytes);
    const ModelFile model = ModelFile::read(path());
    ASSERT_EQ(model.groups.size(), 2u);
    EXPECT_EQ(model.groups[0].textureName, "rock.bmp");
    EXPECT_EQ(model.groups[0].triangleCount, 1);
    EXPECT_EQ(model.groups[1].textureName, "");
    EXPECT_EQ(model.groups[1].triangleCount, 0) << "the missing count";
    EXPECT_EQ(model.vertices[2][0], 1.0);
    EXPECT_EQ(model.textureCoordinates[2][1], 1.0f);
}

TEST_F(ModelFileTest, DamagedModelsAreRefusedBeforeAnythingReadsOutOfBounds)
{
    ModelBytes pastVertices = ModelBytes::square(1);
    pastVertices.indices[4] = 4;  // four vertices: 0 to 3
    pastVertices.write(path());
    EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path())),
              "Model file " + path() + " is damaged: index 4 points past its 4 vertices");

    ModelBytes pastIndices = ModelBytes::square(1);
    pastIndices.groups[0] = {"", 1, 2};  // triangles 1 and 2 of two
    pastIndices.write(path());
    EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path())),
              "Model file " + path() + " is damaged: group 0 reaches past its 6 indices");

    ModelBytes backwards = ModelBytes::square(1);
    backwards.groups[0] = {"", -1, 1};
    backwards.write(path());
    EXPECT_NE(GAME_ERROR_OF(ModelFile::read(path())).find("group 0 reaches past"), std::string::npos);

    ModelBytes notANumber = ModelBytes::square(1);
    notANumber.normals[3][1] = std::numeric_limits<double>::quiet_NaN();
    notANumber.write(path());
    EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path())),
              "Model file " + path() + " is damaged: vertex 3 is not a finite number");

    // Counts that promise far more than the file holds cost no memory: the block takes what
    // is there, and the next one finds nothing.
    ModelBytes greedy = ModelBytes::square(1);
    greedy.indexCount = 0x7FFFFFFF;
    greedy.write(path());
    EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path())), "Can\x60t load Vertices");
    greedy = ModelBytes::square(1);
    greedy.vertexCount = 0x7FFFFFFF;
    greedy.write(path());
    EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path())), "Can\x60t load Normals");
}

TEST_F(ModelFileTest, TextureNamesEndAtTheirZeroOrAfter391Characters)
{
    ModelBytes named = ModelBytes::square(1, std::string(400, 'a'));
    named.write(path());
    EXPECT_EQ(ModelFile::read(path()).groups[0].textureName, std::string(391, 'a'));
}

TEST(ModelLibraryTest, UnknownNamesAreNotAvailable)
{
    for (const char* name : {"rocket", "", "Skybox", "Asteroid4"})
        EXPECT_GAME_ERROR(delete Model::getModel(name), "Model not aviable");
}
