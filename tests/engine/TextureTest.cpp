#include <gtest/gtest.h>

#include <filesystem>

#include "engine/Texture.h"
#include "engine/draw/Sprite.h"
#include "platform/Image.h"
#include "support/PixelColors.h"
#include "support/RenderFixture.h"
#include "support/TempFolder.h"

namespace {

using pixel::Red;
using pixel::White;

constexpr uint32_t ClearBlue = 0xFF0000FF;
constexpr uint32_t KeyColour = 0x0FF00FFF;

// Content pictures written by the test into a fresh working folder.
class TextureTest : public RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    workingFolder = std::make_unique<WorkingFolder>(folder.Path());
    std::filesystem::create_directories(folder.Path() / "Content" / "Textures");
    // Left to right: the load key, opaque white, red, the key with another alpha.
    platform::Image picture{4, 1, {KeyColour, White, Red, 0xFFF00FFF}};
    ASSERT_TRUE(platform::SaveImagePng(picture, "Content/Textures/Keys.png"));
  }

  void TearDown() override {
    workingFolder.reset();
    RenderFixture::TearDown();
  }

  // Draws the texture 1:1 with its top-left corner at the frame's origin.
  void DrawAtOrigin(const Texture& texture) {
    renderer->Clear(ClearBlue);
    SpriteRenderer->Begin();
    SpriteRenderer->Draw(texture.texture.get(), nullptr, nullptr, nullptr, White);
    SpriteRenderer->End();
  }

  TempFolder folder;
  std::unique_ptr<WorkingFolder> workingFolder;
};

}  // namespace

TEST_F(TextureTest, LoadTextureKeysOnlyItsOwnColour) {
  auto texture = LoadTexture("Content\\Textures\\Keys.png", 4, 1);
  ASSERT_TRUE(texture->texture);
  EXPECT_EQ(texture->name, L"Content\\Textures\\Keys.png");
  EXPECT_EQ(texture->path, "Content\\Textures\\Keys.png");
  DrawAtOrigin(*texture);
  EXPECT_EQ(renderer->ReadPixel(0, 0), ClearBlue);
  EXPECT_EQ(renderer->ReadPixel(1, 0), White);
  EXPECT_EQ(renderer->ReadPixel(2, 0), Red);
  EXPECT_EQ(renderer->ReadPixel(3, 0), 0xFFF00FFF);
}

TEST_F(TextureTest, NamedTexturesLoseOpaqueWhite) {
  auto texture = LoadTextureNamed("Content\\Textures\\Keys.png", "Rock", 4, 1);
  ASSERT_TRUE(texture->texture);
  EXPECT_EQ(texture->name, L"Rock");
  DrawAtOrigin(*texture);
  EXPECT_EQ(renderer->ReadPixel(1, 0), ClearBlue);
  EXPECT_EQ(renderer->ReadPixel(2, 0), Red);
  EXPECT_NE(renderer->ReadPixel(0, 0), ClearBlue);  // the other key stays
}

TEST_F(TextureTest, KeepsAndUsesTheRequestedSize) {
  auto texture = LoadTexture("Content\\Textures\\Keys.png", 16, 8);
  ASSERT_TRUE(texture->texture);
  EXPECT_EQ(texture->width, 16u);
  EXPECT_EQ(texture->height, 8u);
  EXPECT_EQ(texture->texture->Width(), 16);
  EXPECT_EQ(texture->texture->Height(), 8);
  DrawAtOrigin(*texture);
  // Each source column now covers four pixels, blended linearly with its neighbours.
  auto channel = [this](int x, int shift) { return (renderer->ReadPixel(x, 4) >> shift) & 0xFF; };
  EXPECT_GE(channel(9, 16), 0xF0u);
  EXPECT_LE(channel(9, 8), 0x40u);
  EXPECT_GE(channel(5, 8), 0xC0u);
  EXPECT_EQ(renderer->ReadPixel(16, 4), ClearBlue);
}

TEST_F(TextureTest, MissingFileGivesARecordWithoutDeviceTexture) {
  auto texture = LoadTexture("Content\\Textures\\Missing.png", 64, 32);
  EXPECT_FALSE(texture->texture);
  EXPECT_EQ(texture->width, 64u);
  EXPECT_EQ(texture->height, 32u);
  EXPECT_EQ(texture->name, L"Content\\Textures\\Missing.png");
  DrawAtOrigin(*texture);
  EXPECT_EQ(renderer->ReadPixel(0, 0), ClearBlue);
  texture.reset();
}

TEST_F(TextureTest, WideNameIsSetFromBytes) {
  auto texture = LoadTexture("Content\\Textures\\Keys.png", 4, 1);
  texture->SetWideName("Caf\xe9");
  EXPECT_EQ(texture->name, std::wstring(L"Caf\u00e9"));
}

TEST_F(TextureTest, ADeferredPictureLoadsWhenFirstDrawnOrRequiredAndOnlyOnce) {
  auto texture = DeferTexture("Content\\Textures\\Keys.png", 4, 1);
  EXPECT_FALSE(texture->texture);
  EXPECT_EQ(texture->width, 4u);
  Sprite sprite(texture.get());
  sprite.SetAltPositionXYZ(2.0f, 0.5f, 0.0f);
  renderer->Clear(ClearBlue);
  SpriteRenderer->Begin();
  sprite.DrawScreen();
  SpriteRenderer->End();
  ASSERT_TRUE(texture->texture);
  EXPECT_EQ(renderer->ReadPixel(2, 0), Red);

  const platform::DeviceTexture* loaded = texture->texture.get();
  texture->Require();
  EXPECT_EQ(texture->texture.get(), loaded);
  auto required = DeferTexture("Content\\Textures\\Keys.png", 4, 1);
  required->Require();
  ASSERT_TRUE(required->texture);
  EXPECT_EQ(required->texture->Width(), 4);
  EXPECT_FALSE(DeferTexture("Content\\Textures\\Missing.png", 4, 1)->texture);
}
