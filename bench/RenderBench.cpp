// Cost of drawing a frame on the software renderer: 2,000 world quads, 500 sprites and 50 text
// lines through the game's drawing layer, and the same quads handed straight to SDL in one call
// as the yardstick for the layer's own cost.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/Camera.h"
#include "engine/Globals.h"
#include "engine/TextDrawing.h"
#include "engine/VectorMath.h"
#include "platform/Image.h"
#include "platform/MatrixStack.h"
#include "platform/Renderer.h"
#include "platform/RendererImpl.h"
#include "platform/SpriteBatch.h"
#include "platform/TextFont.h"
#include "support/PixelColors.h"
#include "support/RenderGlobals.h"

namespace {

using pixel::White;

constexpr int QuadCount = 2000;
constexpr int SpriteCount = 500;
constexpr int TextLineCount = 50;
constexpr int OverlayLineCount = 21;
constexpr float QuadSize = 0.6f;

struct Placed {
  platform::Vector3 position;
  float rotation;
};

// The start-up drawing globals over an off-screen frame, with one texture for everything.
struct Scene : RenderGlobals {
  Scene() {
    SetInterfaceColors();

    platform::Image picture{64, 64, std::vector<uint32_t>(64 * 64)};
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        picture.pixels[y * 64 + x] = 0xFF000000u | static_cast<uint32_t>(x * 4) << 16 |
                                     static_cast<uint32_t>(y * 4) << 8 | 0x80u;
      }
    }
    texture = renderer->CreateTexture(picture);

    // Spread over the visible part of the plane z = 0 (about 18.8 by 14.1 units).
    for (int i = 0; i < QuadCount; ++i) {
      quads.push_back({{std::fmod(i * 3.7f, 18.0f) - 9.0f, std::fmod(i * 1.3f, 13.0f) - 6.5f, 0},
                       static_cast<float>((i * 7) % 360)});
    }
    for (int i = 0; i < SpriteCount; ++i) {
      spritesPlaced.push_back(
          {{std::fmod(i * 5.1f, 18.0f) - 9.0f, std::fmod(i * 2.9f, 13.0f) - 6.5f, 0},
           static_cast<float>((i * 11) % 360)});
    }
    for (int i = 0; i < TextLineCount; ++i) {
      lines.push_back(L"Position: (" + std::to_wstring(i) + L".5, -2, 0)  State: Idling");
    }
  }

  // As a quad draws: its unrotated fan turned about its position by the world transform.
  void DrawQuad(const Placed& quad) {
    const platform::Vector3& p = quad.position;
    const float h = QuadSize / 2;
    const platform::WorldVertex fan[4] = {{p.x - h, p.y + h, p.z, White, 0, 0},
                                          {p.x + h, p.y + h, p.z, White, 1, 0},
                                          {p.x + h, p.y - h, p.z, White, 1, 1},
                                          {p.x - h, p.y - h, p.z, White, 0, 1}};
    platform::MatrixStack stack;
    stack.LoadMatrix(IdentityMatrix);
    stack.Push();
    stack.TranslateLocal(p.x, p.y, p.z);
    stack.RotateAboutZLocal(quad.rotation * DegreesToRadians);
    stack.TranslateLocal(-p.x, -p.y, -p.z);
    Device->SetTransform(platform::TransformKind::World, stack.Top());
    Device->SetTexture(texture.get());
    Device->Draw(platform::PrimitiveKind::TriangleFan, fan, 2);
    stack.Pop();
    Device->SetTransform(platform::TransformKind::World, stack.Top());
  }

  // As a sprite draws: through the shared batch at its place on the screen.
  void DrawSprite(const Placed& sprite) {
    platform::Vector3 screen = WorldToScreen(sprite.position.x, sprite.position.y, 0);
    const float k = SpriteScaleNumerator / CameraDistance;
    SpriteRenderer->SetTransform(platform::MatrixTransformation2D(
        {k * 0.5f, k * 0.5f}, -sprite.rotation * DegreesToRadians, {screen.x, screen.y}));
    const platform::Vector3 centre{32, 32, 0};
    SpriteRenderer->Draw(texture.get(), nullptr, &centre, nullptr, White);
  }

  void DrawQuads() {
    for (const Placed& quad : quads) DrawQuad(quad);
  }

  // The triangles the layer hands to SDL for the quads, in screen pixels.
  std::vector<SDL_Vertex> QuadTriangles() {
    std::vector<SDL_Vertex> triangles;
    const float h = QuadSize / 2;
    for (const Placed& quad : quads) {
      const platform::Vector3 corners[4] = {{-h, h, 0}, {h, h, 0}, {h, -h, 0}, {-h, -h, 0}};
      const SDL_FPoint uv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
      SDL_Vertex v[4];
      for (int k = 0; k < 4; ++k) {
        platform::Vector3 turned = RotateVector(corners[k], quad.rotation) + quad.position;
        platform::Vector3 screen = WorldToScreen(turned.x, turned.y, turned.z);
        v[k] = {{screen.x + 0.5f, screen.y + 0.5f}, {255, 255, 255, 255}, uv[k]};
      }
      for (int k : {0, 1, 2, 0, 2, 3}) triangles.push_back(v[k]);
    }
    return triangles;
  }

  std::unique_ptr<platform::DeviceTexture> texture;
  std::vector<Placed> quads;
  std::vector<Placed> spritesPlaced;
  std::vector<std::wstring> lines;
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_QuadsThroughLayer(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) {
    Device->Clear(ClearColor.ToD3DColor());
    Device->BeginScene();
    scene.DrawQuads();
    Device->EndScene();
  }
  state.SetItemsProcessed(state.iterations() * QuadCount);
}
BENCHMARK(BM_QuadsThroughLayer)->Unit(benchmark::kMillisecond);

void BM_QuadsStraightToSdl(benchmark::State& state) {
  Scene& scene = TheScene();
  std::vector<SDL_Vertex> triangles = scene.QuadTriangles();
  SDL_Renderer* sdl = CoreOf(*scene.renderer)->renderer;
  SDL_Texture* texture = scene.texture->Handle()->texture;
  // As SDL is handed the texture by anyone else: blended (the layer leaves the opaque texture
  // unblended after its own draws).
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  for (auto _ : state) {
    Device->Clear(ClearColor.ToD3DColor());
    SDL_RenderGeometry(sdl, texture, triangles.data(), static_cast<int>(triangles.size()), nullptr,
                       0);
    SDL_RenderFlush(sdl);
  }
  state.SetItemsProcessed(state.iterations() * QuadCount);
}
BENCHMARK(BM_QuadsStraightToSdl)->Unit(benchmark::kMillisecond);

void BM_WholeFrame(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) {
    Device->Clear(ClearColor.ToD3DColor());
    Device->BeginScene();
    scene.DrawQuads();
    SpriteRenderer->Begin();
    for (const Placed& sprite : scene.spritesPlaced) scene.DrawSprite(sprite);
    SpriteRenderer->SetTransform(IdentityMatrix);
    for (int i = 0; i < TextLineCount; ++i) {
      DrawTextAligned(i % 2 ? LargeFont : SmallFont, 10, 10.0f + 11.0f * i, 0, scene.lines[i],
                      DebugTextColor.ToD3DColor(), AlignLeft, AlignTop);
    }
    SpriteRenderer->End();
    Device->EndScene();
  }
}
BENCHMARK(BM_WholeFrame)->Unit(benchmark::kMillisecond);

// The debug overlay's 21 lines, their figures new in every frame: text comes from glyphs the
// font drew once, so changing text costs no more than the same text again.
void BM_OverlayLinesChangingEveryFrame(benchmark::State& state) {
  TheScene();
  int frame = 0;
  for (auto _ : state) {
    Device->BeginScene();
    SpriteRenderer->Begin();
    for (int i = 0; i < OverlayLineCount; ++i) {
      const std::wstring line = L"World mouse position: (" + std::to_wstring(frame * 7 + i) +
                                L".25, " + std::to_wstring(frame - i) + L".5, 0)";
      DrawTextAligned(SmallFont, 795, 69.0f + 10.0f * i, 0, line, DebugTextColor.ToD3DColor(),
                      AlignRight, AlignTop);
    }
    SpriteRenderer->End();
    Device->EndScene();
    ++frame;
  }
  state.SetItemsProcessed(state.iterations() * OverlayLineCount);
}
BENCHMARK(BM_OverlayLinesChangingEveryFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
