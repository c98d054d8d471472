#include <gtest/gtest.h>

#include <filesystem>

#include "engine/BitmapFonts.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "platform/Image.h"
#include "support/FrameReferences.h"
#include "support/PixelColors.h"
#include "support/RenderFixture.h"
#include "support/TempFolder.h"

using platform::Vector3;

namespace {

using pixel::Blue;
using pixel::Cyan;
using pixel::Green;
using pixel::Magenta;
using pixel::Red;
using pixel::Yellow;

constexpr uint32_t Background = 0xFF203040;

// A frame of every shape and the three bitmap fonts over the generated atlases, drawn as the
// screens draw them, saved as PNG and checked pixel by pixel.
class ShapeFrameTest : public RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    SetInterfaceColors();
    // The atlases are read from the generated Content folder.
    workingFolder =
        std::make_unique<WorkingFolder>(std::filesystem::path(QM_CONTENT_DIR).parent_path());
    writtenAtlas = LoadTexture(FontWrittenLayout.atlasPath, FontAtlasSize, FontAtlasSize);
    arcAtlas = LoadTexture(FontArc64ptLayout.atlasPath, FontAtlasSize, FontAtlasSize);
    workingFolder.reset();
    ASSERT_TRUE(writtenAtlas->texture && arcAtlas->texture);
    quadrants = MadeTexture(64, 64, [](int x, int y) {
      return y < 32 ? (x < 32 ? Red : Green) : (x < 32 ? Yellow : Blue);
    });
    halves = MadeTexture(32, 16, [](int x, int) { return x < 16 ? Magenta : Cyan; });
  }

  template <typename Colour>
  std::unique_ptr<Texture> MadeTexture(int width, int height, Colour colour) {
    platform::Image image{width, height,
                          std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x)
        image.pixels[static_cast<size_t>(y) * width + x] = colour(x, y);
    }
    auto texture = std::make_unique<Texture>("made.png", L"made.png", width, height);
    texture->texture = renderer->CreateTexture(image);
    return texture;
  }

  uint32_t AtWorld(float x, float y) const {
    const Vector3 screen = WorldToScreen(x, y, 0);
    return frame->Pixel(static_cast<int>(screen.x), static_cast<int>(screen.y));
  }

  // Pixels whose brightness shows glyph ink over the dark background.
  int InkIn(int left, int top, int right, int bottom) const {
    return pixel::CountIn(*frame, {left, top, right, bottom},
                          [](uint32_t each) { return ((each >> 8) & 0xFF) > 0xA0; });
  }

  std::unique_ptr<WorkingFolder> workingFolder;
  std::unique_ptr<Texture> writtenAtlas;
  std::unique_ptr<Texture> arcAtlas;
  std::unique_ptr<Texture> quadrants;
  std::unique_ptr<Texture> halves;
  std::optional<platform::Image> frame;
  TempFolder folder;
};

}  // namespace

TEST_F(ShapeFrameTest, EveryShapeAndFontInOneFrame) {
  Quad plain;
  plain.SetDimensions(2, 1.5f, 0);
  plain.SetPosition({-6, 4, 0});
  plain.SetFillColorRGBA(255, 255, 0, 0);

  Quad textured;
  textured.SetDimensions(2.5f, 2.5f, 0);
  textured.SetPosition({-2, 4, 0});
  textured.SetRotation(45);
  textured.SetTexture(quadrants.get());
  textured.SetFillColor(ColorWhite);
  textured.outlineVisible = 1;
  textured.SetOutlineColorRGBA(255, 255, 255, 255);

  Circle circle;
  circle.SetRadius(1.2f);
  circle.SetPosition({2.5f, 4, 0});
  circle.SetFillColorRGBA(255, 0, 255, 0);
  circle.outlineVisible = 1;
  circle.SetOutlineColorRGBA(255, 255, 255, 255);

  Line line;
  line.SetLength(4);
  line.SetRotation(90);
  line.SetPosition({6.5f, 4, 0});
  line.SetFillColorRGBA(255, 255, 255, 0);

  Sprite sprite(halves.get());
  sprite.SetScale(2, 2);
  sprite.SetPosition({-6, 0.5f, 0});

  Quad left;
  left.SetDimensions(1, 1, 0);
  left.SetPosition({-1, 0.5f, 0});
  Quad right;
  right.SetDimensions(1, 1, 0);
  right.SetPosition({1, 0.5f, 0});
  ShapeList list;
  list.AddShape(&left);
  list.AddShape(&right);
  list.SetFillColorRGBA(255, 0, 0, 255);
  list.SetPosition(list.position + Vector3{3, 0, 0});

  FontWritten written(writtenAtlas.get());
  FontArc64pt large(arcAtlas.get());
  FontArc17pt small(arcAtlas.get());
  for (Font* font :
       {static_cast<Font*>(&written), static_cast<Font*>(&large), static_cast<Font*>(&small)}) {
    font->color = ColorWhite;
  }

  Device->Clear(Background);
  Device->BeginScene();
  plain.Draw();
  textured.Draw();
  circle.Draw();
  line.Draw();
  list.Draw();
  SpriteRenderer->Begin();
  sprite.Draw();
  written.DrawString("Written 0123 Quellmark!", {20, 380, 0}, FontAlignStart, FontAlignStart);
  large.DrawString("Arc Ag 64", {20, 430, 0}, FontAlignStart, FontAlignStart);
  small.DrawString("Arc 17: The quick brown fox jumps over the lazy dog.", {20, 520, 0},
                   FontAlignStart, FontAlignStart);
  large.DrawString("I", {700, 430, 0}, FontAlignStart, FontAlignCenter);
  large.DrawString("-", {760, 430, 0}, FontAlignStart, FontAlignCenter);
  SpriteRenderer->End();
  Device->EndScene();

  ASSERT_TRUE(KeepFrameIn(folder.Path(), "shapes.png"));
  frame = platform::LoadImageFile((folder.Path() / "shapes.png").string(), 0, 0, 0);
  ASSERT_TRUE(frame);

  // The plain quad fills its 2 x 1.5 rectangle and nothing beyond.
  EXPECT_EQ(AtWorld(-6, 4), Red);
  EXPECT_EQ(AtWorld(-6.9f, 4.6f), Red);
  EXPECT_EQ(AtWorld(-7.2f, 4), Background);
  // The textured quad turned 45 degrees: red top-left quarter on the left, green on top.
  EXPECT_EQ(AtWorld(-2 - 0.8f, 4), Red);
  EXPECT_EQ(AtWorld(-2, 4 + 0.8f), Green);
  EXPECT_EQ(AtWorld(-2 + 0.8f, 4), Blue);
  EXPECT_EQ(AtWorld(-2, 4 - 0.8f), Yellow);
  EXPECT_EQ(AtWorld(-2 + 1.1f, 4 + 1.1f), Background);
  // The circle, its rim just inside the radius, nothing outside.
  EXPECT_EQ(AtWorld(2.5f, 4), Green);
  EXPECT_EQ(AtWorld(2.5f + 1.0f, 4), Green);
  EXPECT_EQ(AtWorld(2.5f + 1.4f, 4), Background);
  // The upright line is one pixel wide.
  const Vector3 lineMiddle = WorldToScreen(6.5f, 4, 0);
  int lineWidth = 0;
  for (int x = static_cast<int>(lineMiddle.x) - 3; x <= static_cast<int>(lineMiddle.x) + 3; ++x) {
    lineWidth += frame->Pixel(x, static_cast<int>(lineMiddle.y)) == Yellow;
  }
  EXPECT_EQ(lineWidth, 1);
  EXPECT_EQ(AtWorld(6.5f, 6.5f), Background);
  // The sprite at scale 2: 64 x 32 pixels, magenta left half, cyan right half.
  const Vector3 spriteCentre = WorldToScreen(-6, 0.5f, 0);
  const int sx = static_cast<int>(spriteCentre.x);
  const int sy = static_cast<int>(spriteCentre.y);
  EXPECT_EQ(frame->Pixel(sx - 20, sy), Magenta);
  EXPECT_EQ(frame->Pixel(sx + 20, sy + 12), Cyan);
  EXPECT_EQ(frame->Pixel(sx + 36, sy), Background);
  EXPECT_EQ(frame->Pixel(sx, sy - 20), Background);
  // The shape list moved both members three units right and coloured them blue.
  EXPECT_EQ(AtWorld(2, 0.5f), Blue);
  EXPECT_EQ(AtWorld(4, 0.5f), Blue);
  EXPECT_EQ(AtWorld(3, 0.5f), Background);
  EXPECT_EQ(AtWorld(-1, 0.5f), Background);

  // Each line of text has ink inside its line and none in the gap above it.
  EXPECT_GT(InkIn(20, 380, 400, 412), 150);
  EXPECT_EQ(InkIn(20, 370, 400, 379), 0);
  EXPECT_GT(InkIn(20, 430, 300, 494), 600);
  EXPECT_GT(InkIn(20, 520, 460, 537), 150);
  EXPECT_EQ(InkIn(20, 510, 460, 519), 0);
  // A large "I" is a stroke centred on x = 700 that fills its advance of 29 and goes no
  // further; a "-" a short horizontal bar.
  EXPECT_GT(InkIn(697, 445, 704, 480), 150);
  EXPECT_EQ(InkIn(680, 430, 685, 494), 0);
  EXPECT_EQ(InkIn(716, 430, 721, 494), 0);
  EXPECT_GT(InkIn(752, 460, 769, 466), 40);
  EXPECT_EQ(InkIn(752, 432, 769, 450), 0);
}

TEST_F(ShapeFrameTest, EveryGlyphOfEveryFont) {
  FontWritten written(writtenAtlas.get());
  FontArc64pt large(arcAtlas.get());
  FontArc17pt small(arcAtlas.get());
  std::string all;
  for (int code = FirstGlyphCode; code <= LastGlyphCode; ++code) all += static_cast<char>(code);
  const std::string half1 = all.substr(0, GlyphCount / 2);
  const std::string half2 = all.substr(GlyphCount / 2);

  Device->Clear(Background);
  Device->BeginScene();
  SpriteRenderer->Begin();
  small.color = written.color = large.color = ColorWhite;
  small.DrawString(half1 + "\n" + half2, {10, 10, 0}, FontAlignStart, FontAlignStart);
  written.DrawString(half1 + "\n" + half2, {10, 60, 0}, FontAlignStart, FontAlignStart);
  large.scaleX = large.scaleY = 0.5f;
  large.DrawString(all.substr(0, 32) + "\n" + all.substr(32, 32) + "\n" + all.substr(64),
                   {10, 140, 0}, FontAlignStart, FontAlignStart);
  SpriteRenderer->End();
  Device->EndScene();

  ASSERT_TRUE(KeepFrameIn(folder.Path(), "glyphs.png"));
  frame = platform::LoadImageFile((folder.Path() / "glyphs.png").string(), 0, 0, 0);
  ASSERT_TRUE(frame);
  // Each printable glyph of the small font leaves ink in its own advance.
  float x = 10;
  for (char code : half1) {
    const float advance = small.glyphs[static_cast<unsigned char>(code) - FirstGlyphCode].advance;
    if (code != ' ') {
      EXPECT_GT(InkIn(static_cast<int>(x) - 1, 10, static_cast<int>(x + advance) + 2, 27), 0)
          << code;
    }
    x += advance + small.spacing;
  }
}
