#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "engine/TextDrawing.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "platform/Image.h"
#include "platform/MatrixStack.h"
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
using pixel::White;
using pixel::Yellow;

constexpr float Pi = 3.14159265f;

// A frame of the start camera with a fan, a turned textured quad, a turned and mirrored
// sprite and text of both fonts, drawn the way the shapes and screens draw them.
class FrameCaptureTest : public RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    SetInterfaceColors();
    workingFolder = std::make_unique<WorkingFolder>(folder.Path());
    std::filesystem::create_directories(folder.Path() / "Content" / "Textures");
    platform::Image quadrants{64, 64, std::vector<uint32_t>(64 * 64)};
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        uint32_t colour = y < 32 ? (x < 32 ? Red : Green) : (x < 32 ? Yellow : Blue);
        quadrants.pixels[y * 64 + x] = colour;
      }
    }
    platform::Image halves{32, 16, std::vector<uint32_t>(32 * 16)};
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 32; ++x) halves.pixels[y * 32 + x] = x < 16 ? Magenta : Cyan;
    }
    ASSERT_TRUE(platform::SaveImagePng(quadrants, "Content/Textures/Quadrants.png"));
    ASSERT_TRUE(platform::SaveImagePng(halves, "Content/Textures/Halves.png"));
  }

  void TearDown() override {
    workingFolder.reset();
    RenderFixture::TearDown();
  }

  uint32_t PixelAtWorld(float x, float y) {
    Vector3 screen = WorldToScreen(x, y, 0);
    return renderer->ReadPixel(static_cast<int>(screen.x), static_cast<int>(screen.y));
  }

  void DrawFan(const Vector3& centre, float radius, uint32_t colour) {
    constexpr int Segments = 12;
    platform::WorldVertex fan[Segments + 2];
    fan[0] = {centre.x, centre.y, centre.z, colour};
    for (int i = 0; i <= Segments; ++i) {
      float angle = static_cast<float>(i) * 2.0f * Pi / Segments;
      fan[i + 1] = {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle),
                    centre.z, colour};
    }
    Device->SetTexture(nullptr);
    Device->Draw(platform::PrimitiveKind::TriangleFan, fan, Segments);
  }

  // As a quad does: unrotated vertices, turned about its position by the world transform.
  void DrawTexturedQuad(const Texture& texture, const Vector3& position, float size,
                        float degrees) {
    const float h = size / 2;
    platform::WorldVertex fan[4] = {{position.x - h, position.y + h, position.z, White, 0, 0},
                                    {position.x + h, position.y + h, position.z, White, 1, 0},
                                    {position.x + h, position.y - h, position.z, White, 1, 1},
                                    {position.x - h, position.y - h, position.z, White, 0, 1}};
    platform::MatrixStack stack;
    stack.LoadMatrix(IdentityMatrix);
    stack.Push();
    stack.TranslateLocal(position.x, position.y, position.z);
    stack.RotateAboutZLocal(degrees * DegreesToRadians);
    stack.TranslateLocal(-position.x, -position.y, -position.z);
    Device->SetTransform(platform::TransformKind::World, stack.Top());
    Device->SetTexture(texture.texture.get());
    Device->Draw(platform::PrimitiveKind::TriangleFan, fan, 2);
    stack.Pop();
    Device->SetTransform(platform::TransformKind::World, stack.Top());
  }

  // As a sprite does: through the shared batch, sized by the camera distance.
  void DrawSprite(const Texture& texture, const Vector3& position, float degrees, bool flip) {
    Vector3 screen = WorldToScreen(position.x, position.y, position.z);
    const float k = SpriteScaleNumerator / CameraDistance;
    platform::Matrix4 transform = platform::MatrixTransformation2D(
        {flip ? -k : k, k}, -degrees * DegreesToRadians, {screen.x, screen.y});
    platform::Matrix4 saved = SpriteRenderer->GetTransform();
    SpriteRenderer->SetTransform(transform);
    Vector3 centre{static_cast<float>(texture.width) / 2, static_cast<float>(texture.height) / 2,
                   0};
    SpriteRenderer->Draw(texture.texture.get(), nullptr, &centre, nullptr, ColorWhite.ToD3DColor());
    SpriteRenderer->SetTransform(saved);
  }

  TempFolder folder;
  std::unique_ptr<WorkingFolder> workingFolder;
};

}  // namespace

TEST_F(FrameCaptureTest, DrawsAFrameAndSavesIt) {
  auto quadrants = LoadTexture("Content\\Textures\\Quadrants.png", 64, 64);
  auto halves = LoadTexture("Content\\Textures\\Halves.png", 32, 16);
  ASSERT_TRUE(quadrants->texture && halves->texture);

  Device->Clear(ClearColor.ToD3DColor());
  Device->BeginScene();
  DrawFan({0, 0, 0}, 0.5f, Green);
  DrawFan({-5, 2, 0}, 1.0f, Red);
  DrawTexturedQuad(*quadrants, {4, 2, 0}, 2.0f, 45.0f);
  SpriteRenderer->Begin();
  DrawSprite(*halves, {0, -3, 0}, 90.0f, true);
  DrawTextAligned(SmallFont, 400, 520, 0, L"Small centred text", White, AlignCenter, AlignTop);
  DrawTextAligned(LargeFont, 780, 40, 0, L"Large right text", Yellow, AlignRight, AlignMiddle);
  SpriteRenderer->End();
  Device->EndScene();

  const std::filesystem::path saved = folder.Path() / "frame.png";
  ASSERT_TRUE(Device->SaveFramePng(saved.string()));
  std::optional<platform::Image> frame = platform::LoadImageFile(saved.string(), 0, 0, 0);
  ASSERT_TRUE(frame);
  ASSERT_EQ(frame->width, 800);
  ASSERT_EQ(frame->height, 600);

  // The world origin is pixel (400, 300), and a world unit about 42.6 pixels at depth 0.
  EXPECT_EQ(frame->Pixel(400, 300), Green);
  EXPECT_EQ(frame->Pixel(400 + 18, 300), Green);
  EXPECT_EQ(frame->Pixel(400 + 24, 300), ClearColor.ToD3DColor());
  EXPECT_EQ(PixelAtWorld(-5, 2), Red);
  EXPECT_EQ(frame->Pixel(187, 215), Red);  // (-5, 2) is 213 pixels left and 85 up
  EXPECT_EQ(PixelAtWorld(-5, 3.2f), ClearColor.ToD3DColor());

  // Turned 45 degrees counter-clockwise: top-left red goes left, top-right green up.
  EXPECT_EQ(PixelAtWorld(4 - 0.7f, 2), Red);
  EXPECT_EQ(PixelAtWorld(4, 2 + 0.7f), Green);
  EXPECT_EQ(PixelAtWorld(4 + 0.7f, 2), Blue);
  EXPECT_EQ(PixelAtWorld(4, 2 - 0.7f), Yellow);
  EXPECT_EQ(PixelAtWorld(4 + 0.9f, 2 + 0.9f), ClearColor.ToD3DColor());

  // The sprite, 32 x 16 texels at one pixel each, stands upright after a quarter turn; the
  // mirror puts its left (magenta) half above the centre.
  Vector3 spriteCentre = WorldToScreen(0, -3, 0);
  const int cx = static_cast<int>(spriteCentre.x);
  const int cy = static_cast<int>(spriteCentre.y);
  EXPECT_EQ(frame->Pixel(cx, cy - 10), Magenta);
  EXPECT_EQ(frame->Pixel(cx, cy + 10), Cyan);
  EXPECT_EQ(frame->Pixel(cx - 6, cy + 14), Cyan);
  EXPECT_EQ(frame->Pixel(cx + 10, cy), ClearColor.ToD3DColor());
  EXPECT_EQ(frame->Pixel(cx, cy - 18), ClearColor.ToD3DColor());

  // Both texts lie in the boxes their alignment gives, in their colours.
  // Glyph edges are blended with the clear colour; count the pixels close to the text colour.
  auto litIn = [&frame](const platform::PixelRect& box, uint32_t colour) {
    int lit = 0;
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) {
        uint32_t pixel = frame->Pixel(x, y);
        bool close = true;
        for (int shift : {0, 8, 16}) {
          int difference = static_cast<int>((pixel >> shift) & 0xFF) -
                           static_cast<int>((colour >> shift) & 0xFF);
          close = close && std::abs(difference) < 0x30;
        }
        lit += close;
      }
    }
    return lit;
  };
  const platform::PixelRect smallBox =
      AlignedTextBox(400, 520, SmallFont->Measure(L"Small centred text"), AlignCenter, AlignTop)
          .value();
  const platform::PixelRect largeBox =
      AlignedTextBox(780, 40, LargeFont->Measure(L"Large right text"), AlignRight, AlignMiddle)
          .value();
  EXPECT_EQ(smallBox.top, 520);
  EXPECT_EQ(largeBox.right, 780);
  EXPECT_EQ(largeBox.top, 30);
  EXPECT_GT(litIn(smallBox, White), 40);
  EXPECT_GT(litIn(largeBox, Yellow), 80);
  platform::PixelRect aboveSmall{smallBox.left, smallBox.top - 12, smallBox.right, smallBox.top};
  EXPECT_EQ(litIn(aboveSmall, White), 0);
}
