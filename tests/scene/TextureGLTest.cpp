// Textures made from BMP files: the pixels reach GL intact, also for widths whose rows are not
// a multiple of four bytes, and a missing or damaged file gives texture 0.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "scene/BmpReader.h"
#include "scene/Platform.h"
#include "tests/support/BmpBytes.h"
#include "tests/support/TemporaryFolder.h"

namespace {
std::vector<unsigned char> textureImage(unsigned texture, int width, int height)
{
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
}  // namespace

TEST(TextureGLTest, TextureHoldsTheBitmapsPixels)
{
    TemporaryFolder folder;
    folder.enter();
    std::filesystem::create_directory("models");
    // 3 x 2 pixels, 9 bytes per row: GL's default unpack alignment would misread them.
    BmpBytes{.width = 3, .height = 2}.write("models/odd.bmp");
    const std::optional<BmpImage> image = loadBmp("models/odd.bmp");
    ASSERT_TRUE(image.has_value());
    const unsigned texture = loadTexture("odd.bmp");
    ASSERT_NE(texture, 0u);
    EXPECT_EQ(textureImage(texture, 3, 2), image->data);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4) << "the unpack alignment is put back";
    glDeleteTextures(1, &texture);
}

TEST(TextureGLTest, MissingFilesGiveNoTextureAndNoMessageDamagedOnesAMessage)
{
    TemporaryFolder folder;
    folder.enter();
    std::filesystem::create_directory("models");
    auto& platform = static_cast<NullPlatform&>(Platform::get());
    platform.lastMessage.clear();
    EXPECT_EQ(loadTexture("nothing.bmp"), 0u);
    EXPECT_EQ(platform.lastMessage, "");
    writeFile("models/broken.bmp", {'B', 'M', 1, 2, 3});
    EXPECT_EQ(loadTexture("broken.bmp"), 0u);
    EXPECT_EQ(platform.lastMessage, "Unknown DIB file format.");
}
