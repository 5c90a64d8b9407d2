// Reading model files: each block's message, and damage refused before any read out of bounds.
#include "scene/ModelFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "scene/Model.h"
#include "tests/support/Expect.h"
#include "tests/support/ModelBytes.h"
#include "tests/support/TemporaryFolder.h"

namespace {
struct ModelFileTest : ::testing::Test {
    std::string readFailure(const ModelBytes& model) const
    {
        model.write(path);
        return GAME_ERROR_OF(ModelFile::read(path));
    }
    TemporaryFolder folder;
    const std::string path = folder.file("model");
};
}  // namespace

TEST_F(ModelFileTest, EachBlockThatCannotBeReadHasItsOwnMessageButACutInTheLastIsAccepted)
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
        // Less than one element of the block is as good as nothing.
        for (std::size_t extra : {0, 1}) {
            writeFile(path, {whole.begin(), whole.begin() + starts[block] + extra});
            EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(path)), messages[block]) << block + 1 << " +" << extra;
        }
    }
    EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(folder.file("missing"))), "Model not found!");
    EXPECT_EQ(GAME_ERROR_OF(ModelFile::read(folder.path().string())), "Model not found!");
    for (const char* name : {"rocket", "", "Skybox", "Asteroid4"})
        EXPECT_GAME_ERROR(delete Model::getModel(name), "Model not aviable");

    // A cut in the last block is accepted; texture names end after 391 characters.
    ModelBytes two = ModelBytes::square(1, std::string(400, 'a'));
    two.groups.push_back({"", 1, 1});
    two.groups[0].triangleCount = 1;
    std::vector<unsigned char> bytes = two.bytes();
    bytes.resize(bytes.size() - 4);
    writeFile(path, bytes);
    const ModelFile model = ModelFile::read(path);
    ASSERT_EQ(model.groups.size(), 2u);
    EXPECT_EQ(model.groups[0].textureName, std::string(391, 'a'));
    EXPECT_EQ(model.groups[0].triangleCount, 1);
    EXPECT_EQ(model.groups[1].textureName, "");
    EXPECT_EQ(model.groups[1].triangleCount, 0) << "the missing count";
    EXPECT_EQ(model.vertices[2][0], 1.0);
    EXPECT_EQ(model.textureCoordinates[2][1], 1.0f);
}

TEST_F(ModelFileTest, DamagedModelsAreRefusedBeforeAnythingReadsOutOfBounds)
{
    const std::string damaged = "Model file " + path + " is damaged: ";
    const std::pair<std::function<void(ModelBytes&)>, std::string> cases[] = {
        {[](ModelBytes& m) { m.indices[4] = 4; }, damaged + "index 4 points past its 4 vertices"},
        {[](ModelBytes& m) {
             m.groups[0] = {"", 1, 2};
         },
         damaged + "group 0 reaches past its 6 indices"},
        {[](ModelBytes& m) { m.normals[3][1] = std::numeric_limits<double>::quiet_NaN(); },
         damaged + "vertex 3 is not a finite number"},
        {[](ModelBytes& m) { m.groups.clear(); }, "Can\xB4t load Materials"},
        {[](ModelBytes& m) { m.indexCount = 0; }, "Can\x60t load Indices"},
        {[](ModelBytes& m) { m.indexCount = -5; }, "Can\x60t load Indices"},
        // Counts promising more than the file holds cost no memory: the next block finds nothing.
        {[](ModelBytes& m) { m.indexCount = 0x7FFFFFFF; }, "Can\x60t load Vertices"},
        {[](ModelBytes& m) { m.vertexCount = 0x7FFFFFFF; }, "Can\x60t load Normals"},
    };
    for (const auto& [damage, message] : cases) {
        ModelBytes model = ModelBytes::square(1);
        damage(model);
        EXPECT_EQ(readFailure(model), message);
    }
}
