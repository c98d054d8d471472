#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "platform/Image.h"
#include "platform/PictureDecoder.h"
#include "platform/Renderer.h"
#include "platform/RendererImpl.h"
#include "platform/SpriteBatch.h"
#include "platform/TextFont.h"
#include "support/PixelColors.h"
#include "support/TempFolder.h"

using namespace platform;

namespace {

using pixel::Black;
using pixel::Green;
using pixel::Red;

class RendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    renderer = Renderer::CreateOffscreen(Width, Height);
    ASSERT_TRUE(renderer);
    renderer->Clear(Black);
  }

  std::unique_ptr<DeviceTexture> SolidTexture(uint32_t color, int size = 4) {
    Image image{size, size, std::vector<uint32_t>(static_cast<size_t>(size) * size, color)};
    return renderer->CreateTexture(image);
  }

  static std::array<ScreenVertex, 4> ScreenQuad(float left, float top, float right, float bottom,
                                                uint32_t color) {
    return {ScreenVertex{left, top, 0, 1, color, 0, 0}, ScreenVertex{right, top, 0, 1, color, 1, 0},
            ScreenVertex{right, bottom, 0, 1, color, 1, 1},
            ScreenVertex{left, bottom, 0, 1, color, 0, 1}};
  }

  // The start camera: 42.6 pixels per world unit at depth 0, origin at the centre.
  void UseStartCamera() {
    renderer->SetTransform(TransformKind::View, MatrixLookAtLH({0, 0, -17}, {0, 0, 0}, {0, 1, 0}));
    renderer->SetTransform(TransformKind::Projection,
                           MatrixPerspectiveFovLH(0.7853982f, Width / float(Height), 5, 1000));
  }

  static constexpr int Width = 64;
  static constexpr int Height = 48;
  std::unique_ptr<Renderer> renderer;
};

}  // namespace

TEST_F(RendererTest, ScreenQuadOnPixelEdgesCoversWholePixels) {
  // Corners on half pixels cover exactly the pixels whose centres lie inside.
  auto quad = ScreenQuad(2.5f, 2.5f, 5.5f, 4.5f, Red);
  renderer->Draw(PrimitiveKind::TriangleFan, quad.data(), 2);
  for (int x = 3; x <= 5; ++x) {
    EXPECT_EQ(renderer->ReadPixel(x, 3), Red) << x;
    EXPECT_EQ(renderer->ReadPixel(x, 4), Red) << x;
  }
  EXPECT_EQ(renderer->ReadPixel(2, 3), Black);
  EXPECT_EQ(renderer->ReadPixel(6, 3), Black);
  EXPECT_EQ(renderer->ReadPixel(4, 2), Black);
  EXPECT_EQ(renderer->ReadPixel(4, 5), Black);
}

TEST_F(RendererTest, WorldTrianglesGoThroughTheTransforms) {
  UseStartCamera();
  renderer->SetTransform(TransformKind::World, MatrixTranslation(3.0f, 0.0f, 0.0f));
  WorldVertex fan[4] = {{-0.5f, 0.5f, 0, Green},
                        {0.5f, 0.5f, 0, Green},
                        {0.5f, -0.5f, 0, Green},
                        {-0.5f, -0.5f, 0, Green}};
  renderer->Draw(PrimitiveKind::TriangleFan, fan, 2);
  // 3.4 pixels per world unit in this small frame: world (3, 0, 0) is 10 pixels right of the
  // centre (32, 24).
  EXPECT_EQ(renderer->ReadPixel(32 + 10, 24), Green);
  EXPECT_EQ(renderer->ReadPixel(32, 24), Black);
}

TEST_F(RendererTest, PrimitivesBeforeTheNearPlaneAreNotDrawn) {
  UseStartCamera();
  // z = -14 lies 3 units in front of the eye, inside the near distance of 5.
  WorldVertex list[6] = {{-1, 1, 0, Red},   {1, 1, 0, Red},     {0, -1, 0, Red},
                         {-1, 1, -14, Red}, {1, 1, -14, Green}, {0, -1, 0, Green}};
  renderer->Draw(PrimitiveKind::TriangleList, list + 3, 1);
  EXPECT_EQ(renderer->ReadPixel(32, 24), Black);
  renderer->Draw(PrimitiveKind::TriangleList, list, 1);
  EXPECT_EQ(renderer->ReadPixel(32, 24), Red);
}

TEST_F(RendererTest, HugeTrianglesAreClippedAndStillFillTheFrame) {
  ScreenVertex list[3] = {
      {-1e7f, -1e7f, 0, 1, Red}, {1e7f, -1e7f, 0, 1, Red}, {0, 1e7f, 0, 1, Red}};
  renderer->Draw(PrimitiveKind::TriangleList, list, 1);
  EXPECT_EQ(renderer->ReadPixel(0, 0), Red);
  EXPECT_EQ(renderer->ReadPixel(Width - 1, Height - 1), Red);
  EXPECT_EQ(renderer->ReadPixel(0, Height - 1), Red);
}

TEST_F(RendererTest, TextureIsMultipliedByTheVertexColour) {
  auto white = SolidTexture(0xFFFFFFFF);
  ASSERT_TRUE(white);
  renderer->SetTexture(white.get());
  auto quad = ScreenQuad(0, 0, 16, 16, 0x80FF0000);  // half-transparent red
  renderer->Draw(PrimitiveKind::TriangleFan, quad.data(), 2);
  uint32_t pixel = renderer->ReadPixel(8, 8);
  EXPECT_NEAR((pixel >> 16) & 0xFF, 128, 2);
  EXPECT_EQ(pixel & 0xFFFF, 0u);

  renderer->SetTexture(nullptr);
  auto plain = ScreenQuad(20, 0, 30, 10, Green);
  renderer->Draw(PrimitiveKind::TriangleFan, plain.data(), 2);
  EXPECT_EQ(renderer->ReadPixel(25, 5), Green);
}

TEST_F(RendererTest, LinesKeepTheirDrawingOrder) {
  auto quad = ScreenQuad(0.5f, 0.5f, 20.5f, 20.5f, Red);
  renderer->Draw(PrimitiveKind::TriangleFan, quad.data(), 2);
  ScreenLineVertex line[2] = {{2, 10, 0, 1, 0, Green}, {18, 10, 0, 1, 0, Green}};
  renderer->Draw(PrimitiveKind::LineList, line, 1);
  EXPECT_EQ(renderer->ReadPixel(10, 10), Green);
  EXPECT_EQ(renderer->ReadPixel(10, 12), Red);

  ScreenVertex strip[3] = {{30, 30, 0, 1, Green}, {40, 30, 0, 1, Green}, {40, 40, 0, 1, Green}};
  renderer->Draw(PrimitiveKind::LineStrip, strip, 2);
  EXPECT_EQ(renderer->ReadPixel(35, 30), Green);
  EXPECT_EQ(renderer->ReadPixel(40, 35), Green);
}

TEST_F(RendererTest, SpriteBatchDrawsAtEndInOrder) {
  auto red = SolidTexture(Red);
  auto green = SolidTexture(Green);
  SpriteBatch batch(*renderer);
  batch.Begin();
  Vector3 position{10, 10, 0};
  batch.Draw(red.get(), nullptr, nullptr, &position, 0xFFFFFFFF);
  batch.Draw(green.get(), nullptr, nullptr, &position, 0xFFFFFFFF);
  EXPECT_EQ(renderer->ReadPixel(11, 11), Black);
  batch.End();
  EXPECT_EQ(renderer->ReadPixel(11, 11), Green);
  EXPECT_EQ(renderer->ReadPixel(14, 14), Black);
}

TEST_F(RendererTest, SpriteBatchAppliesItsTransformAndCentre) {
  auto red = SolidTexture(Red, 8);
  SpriteBatch batch(*renderer);
  batch.Begin();
  // Twice as wide, mirrored, about the picture's centre, placed at (30, 20).
  batch.SetTransform(MatrixTransformation2D({-2, 1}, 0.0f, {30, 20}));
  Vector3 center{4, 4, 0};
  batch.Draw(red.get(), nullptr, &center, nullptr, 0xFFFFFFFF);
  batch.End();
  EXPECT_EQ(renderer->ReadPixel(23, 20), Red);
  EXPECT_EQ(renderer->ReadPixel(37, 20), Red);
  EXPECT_EQ(renderer->ReadPixel(21, 20), Black);
  EXPECT_EQ(renderer->ReadPixel(30, 25), Black);
}

TEST_F(RendererTest, ResourcesMayOutliveTheRenderer) {
  auto texture = SolidTexture(Red);
  auto batch = std::make_unique<SpriteBatch>(*renderer);
  auto font = TextFont::Create(*renderer, 12);
  ASSERT_TRUE(font);
  font->Draw(batch.get(), L"abc", {0, 0, 30, 12}, TextAlign::Left, 0xFFFFFFFF);
  renderer.reset();
  batch->Begin();
  batch->Draw(texture.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF);
  batch->End();
  font->Draw(nullptr, L"more", {0, 0, 30, 12}, TextAlign::Left, 0xFFFFFFFF);
  texture.reset();
  font.reset();
  batch.reset();
}

TEST_F(RendererTest, SavedFrameIsAnOpaquePng) {
  auto quad = ScreenQuad(0, 0, 8, 8, Red);
  renderer->Draw(PrimitiveKind::TriangleFan, quad.data(), 2);
  TempFolder folder;
  const std::string path = (folder.Path() / "frame.png").string();
  ASSERT_TRUE(renderer->SaveFramePng(path));
  std::optional<Image> frame = LoadImageFile(path, 0, 0, 0);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->width, Width);
  EXPECT_EQ(frame->Pixel(4, 4), Red);
  EXPECT_EQ(frame->Pixel(20, 20), Black);
}

TEST_F(RendererTest, QuarterTurnedMirroredPictureKeepsItsOrientation) {
  Image halves{32, 16, std::vector<uint32_t>(32 * 16)};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 32; ++x) halves.pixels[y * 32 + x] = x < 16 ? Red : Green;
  }
  auto texture = renderer->CreateTexture(halves);
  SpriteBatch batch(*renderer);
  // Mirrored, then a quarter turn: the left (red) half ends up above the centre.
  batch.SetTransform(MatrixTransformation2D({-1, 1}, -1.5707963f, {32, 24}));
  Vector3 center{16, 8, 0};
  batch.Draw(texture.get(), nullptr, &center, nullptr, 0xFFFFFFFF);
  EXPECT_EQ(renderer->ReadPixel(28, 14), Red);
  EXPECT_EQ(renderer->ReadPixel(36, 14), Red);
  EXPECT_EQ(renderer->ReadPixel(28, 34), Green);
  EXPECT_EQ(renderer->ReadPixel(36, 34), Green);
}

TEST_F(RendererTest, TwoPicturesOfOneAtlasAtOnePlaceDrawEachWhole) {
  // The left half red, the right half green with a clear column at its left edge.
  Image atlas{32, 16, std::vector<uint32_t>(32 * 16)};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 32; ++x) atlas.pixels[y * 32 + x] = x < 16 ? Red : x == 16 ? 0 : Green;
  }
  auto texture = renderer->CreateTexture(atlas);
  SpriteBatch batch(*renderer);
  batch.Begin();
  const Vector3 position{20, 10, 0};
  const PixelRect under{0, 0, 16, 16};
  const PixelRect over{16, 0, 32, 16};
  batch.Draw(texture.get(), &under, nullptr, &position, 0xFFFFFFFF);
  batch.Draw(texture.get(), &over, nullptr, &position, 0xFFFFFFFF);
  batch.End();
  for (int y = 10; y < 26; ++y) {
    EXPECT_EQ(renderer->ReadPixel(19, y), Black) << y;
    EXPECT_EQ(renderer->ReadPixel(20, y), Red) << y;
    EXPECT_EQ(renderer->ReadPixel(21, y), Green) << y;
    EXPECT_EQ(renderer->ReadPixel(35, y), Green) << y;
    EXPECT_EQ(renderer->ReadPixel(36, y), Black) << y;
  }
}

TEST_F(RendererTest, APictureDecodedInTheBackgroundIsATextureOnceTakenAndABrokenFileIsNone) {
  TempFolder folder;
  const std::string path = (folder.Path() / "green.png").string();
  ASSERT_TRUE(SaveImagePng(Image{2, 2, std::vector<uint32_t>(4, Green)}, path));
  auto texture = renderer->CreateTexture(DecodeInBackground({path, 4, 4, 0}));
  renderer->Present();
  ASSERT_TRUE(texture->Handle());
  EXPECT_EQ(texture->Width(), 4);
  renderer->SetTexture(texture.get());
  auto quad = ScreenQuad(0, 0, 4, 4, 0xFFFFFFFF);
  renderer->Draw(PrimitiveKind::TriangleFan, quad.data(), 2);
  EXPECT_EQ(renderer->ReadPixel(1, 1), Green);

  const std::string broken = (folder.Path() / "broken.png").string();
  std::ofstream(broken) << "not a picture";
  auto none = renderer->CreateTexture(DecodeInBackground({broken, 4, 4, 0}));
  EXPECT_FALSE(none->Handle());
  EXPECT_EQ(none->Width(), 0);
}

// Scaled pictures are copied from kept stretches, opaque ones without blending, tinted ones by
// our own blitter, and whatever lies wholly outside is left out: the frame must be the one SDL
// draws from the same triangles.
TEST_F(RendererTest, ScaledQuadsDrawExactlyAsSdlDrawsTheirTriangles) {
  Image picture{16, 16, std::vector<uint32_t>(256)};
  for (int i = 0; i < 256; ++i) {
    picture.pixels[static_cast<size_t>(i)] =
        static_cast<uint32_t>(i % 16 * 16) << 16 | static_cast<uint32_t>(i / 16 * 16) << 8 | 0x40u;
  }
  Image opaque = picture;
  for (uint32_t& pixel : opaque.pixels) pixel |= 0xFF000000u;
  for (uint32_t& pixel : picture.pixels) pixel |= static_cast<uint32_t>(pixel >> 16 & 0xFF) << 24;
  auto sdl = Renderer::CreateOffscreen(Width, Height);
  struct Case {
    float left, top, width, height;
    uint32_t color;
  };
  const Case cases[] = {{3, 4, 37, 23, 0xFFFFFFFF},   {-9, 30, 37, 23, 0xFFFFFFFF},
                        {50, -5, 37, 23, 0xFF80C0FF}, {10.5f, 2.25f, 9, 30, 0x80FFFFFF},
                        {70, 10, 20, 20, 0xFFFFFFFF}, {-30, -30, 20, 20, 0x00FFFFFF},
                        {5, 6, 16, 16, 0xC0FF8040},   {-7.5f, 40, 16, 16, 0x80FFFFFF},
                        {60, 41, 37, 23, 0xFF808080}, {52, -3.75f, 16, 16, 0xFE102030}};
  for (const Image* image : {&picture, &opaque}) {
    auto ours = renderer->CreateTexture(*image);
    auto theirs = sdl->CreateTexture(*image);
    SDL_Renderer* direct = CoreOf(*sdl)->renderer;
    for (const Case& c : cases) {
      // Twice: the second copy comes from the kept stretch.
      for (int pass = 0; pass < 2; ++pass) {
        renderer->Clear(0xFF203040u);
        renderer->SetTexture(ours.get());
        auto quad = ScreenQuad(c.left, c.top, c.left + c.width, c.top + c.height, c.color);
        renderer->Draw(PrimitiveKind::TriangleFan, quad.data(), 2);
        sdl->Clear(0xFF203040u);
        SDL_Vertex v[4];
        for (int k = 0; k < 4; ++k) {
          v[k] = {{quad[k].x + 0.5f, quad[k].y + 0.5f}, ToSdlColor(c.color), {quad[k].u, quad[k].v}};
        }
        const SDL_Vertex triangles[6] = {v[0], v[1], v[2], v[0], v[2], v[3]};
        SDL_RenderGeometry(direct, theirs->Handle()->texture, triangles, 6, nullptr, 0);
        for (int y = 0; y < Height; ++y) {
          for (int x = 0; x < Width; ++x) {
            ASSERT_EQ(renderer->ReadPixel(x, y), sdl->ReadPixel(x, y))
                << "at (" << x << ", " << y << ") drawing at " << c.left << ", " << c.top;
          }
        }
      }
    }
  }
}
