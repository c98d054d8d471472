#include <gtest/gtest.h>

#include <fstream>

#include "platform/Image.h"
#include "support/PixelColors.h"
#include "support/TempFolder.h"

using platform::Image;

namespace {

using pixel::Blue;
using pixel::White;

constexpr uint32_t Key = 0x0FF00FFF;

class ImageTest : public ::testing::Test {
 protected:
  std::string Write(const Image& image, const std::string& name) {
    std::string path = (folder.Path() / name).string();
    EXPECT_TRUE(platform::SaveImagePng(image, path));
    return path;
  }

  TempFolder folder;
};

}  // namespace

TEST_F(ImageTest, ColourKeyClearsOnlyExactMatches) {
  Image source{3, 1, {Key, Key + 1, White}};
  std::string path = Write(source, "keyed.png");
  std::optional<Image> keyed = platform::LoadImageFile(path, 3, 1, Key);
  ASSERT_TRUE(keyed);
  EXPECT_EQ(keyed->Pixel(0, 0), 0u);
  EXPECT_EQ(keyed->Pixel(1, 0), Key + 1);
  EXPECT_EQ(keyed->Pixel(2, 0), White);

  std::optional<Image> whiteKeyed = platform::LoadImageFile(path, 3, 1, White);
  ASSERT_TRUE(whiteKeyed);
  EXPECT_EQ(whiteKeyed->Pixel(0, 0), Key);
  EXPECT_EQ(whiteKeyed->Pixel(2, 0), 0u);
}

// A picture stored without alpha, here a 24-bit bitmap of magenta, blue and white, is keyed
// after its conversion: only the key's colour, fully opaque, turns clear.
TEST_F(ImageTest, APictureWithoutAlphaIsKeyedToo) {
  const std::string path = (folder.Path() / "keyed.bmp").string();
  {
    const uint8_t file[] = {
        'B', 'M', 66, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,              // file header
        40, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,            // size, 3 by 1, 24 bits
        0, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        255, 0, 255, 255, 0, 0, 255, 255, 255, 0, 0, 0};             // B, G, R each; padding
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file), sizeof file);
  }
  std::optional<Image> keyed = platform::LoadImageFile(path, 3, 1, 0xFFFF00FFu);
  ASSERT_TRUE(keyed);
  EXPECT_EQ(keyed->Pixel(0, 0), 0u);
  EXPECT_EQ(keyed->Pixel(1, 0), Blue);
  EXPECT_EQ(keyed->Pixel(2, 0), White);
}

TEST_F(ImageTest, ScalesToTheRequestedSize) {
  Image source{2, 2, std::vector<uint32_t>(4, Blue)};
  std::string path = Write(source, "small.png");
  std::optional<Image> large = platform::LoadImageFile(path, 8, 6, White);
  ASSERT_TRUE(large);
  EXPECT_EQ(large->width, 8);
  EXPECT_EQ(large->height, 6);
  EXPECT_EQ(large->Pixel(7, 5), Blue);

  std::optional<Image> asFile = platform::LoadImageFile(path, 0, 0, White);
  ASSERT_TRUE(asFile);
  EXPECT_EQ(asFile->width, 2);
}

TEST_F(ImageTest, UnreadableFilesGiveNothing) {
  EXPECT_FALSE(platform::LoadImageFile((folder.Path() / "missing.png").string(), 4, 4, Key));
  EXPECT_FALSE(platform::SaveImagePng(Image{2, 2, {White}}, (folder.Path() / "bad.png").string()));
}
