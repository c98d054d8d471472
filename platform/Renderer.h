#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "platform/Matrix.h"
#include "platform/Vertex.h"

namespace platform {

struct Image;
class PendingPicture;
struct RenderCore;
struct TextureHandle;
struct TextureSlot;

// A picture on the drawing device. It may outlive the renderer; it then releases nothing. One
// made from a picture still being decoded becomes a device texture when the renderer next
// presents its frame, or as soon as anything asks for it; a picture that could not be read
// leaves it without one (drawn, it shows as a texture that failed to load).
class DeviceTexture {
 public:
  explicit DeviceTexture(std::shared_ptr<TextureSlot> slot);
  ~DeviceTexture();
  DeviceTexture(const DeviceTexture&) = delete;
  DeviceTexture& operator=(const DeviceTexture&) = delete;

  int Width() const;
  int Height() const;
  const std::shared_ptr<TextureHandle>& Handle() const;

  // A picture of the whole texture made for drawing it at one scale on both axes (letters
  // hinted for that size), which the texture keeps: a sprite drawn unturned at that scale is
  // copied from it pixel for pixel (see SizedRect and SizedPixel) instead of being filtered.
  void AddSizedPicture(float scale, std::unique_ptr<DeviceTexture> picture);
  // The picture made for drawing at exactly this scale, or null.
  const DeviceTexture* SizedPicture(float scale) const;

 private:
  std::shared_ptr<TextureSlot> slot_;
  std::vector<std::pair<float, std::unique_ptr<DeviceTexture>>> sizedPictures_;
};

// The whole pixel a coordinate lands on in a picture made for a scale, halves rounding up:
// drawing and the picture's generator share it, so that they agree on every pixel.
int SizedPixel(float coordinate);
// Where a picture made for the scale holds what the rectangle of the full picture shows.
PixelRect SizedRect(const PixelRect& rect, float scale);

enum class TransformKind { World, View, Projection };

// The drawing device: an accelerated renderer with vsync for a window, or a software renderer
// drawing into an off-screen frame that can be read back and saved. World vertices go through
// world x view x projection and the viewport; screen vertices are pixels. Blending is source
// alpha over inverse source alpha; a texture's colour is multiplied by the vertex colour.
class Renderer {
 public:
  struct Impl;

  explicit Renderer(std::unique_ptr<Impl> impl);
  ~Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // The off-screen frame never waits to present; presentWaits makes it report that it does, as
  // a display with vsync would, for tests of the frame loop.
  static std::unique_ptr<Renderer> CreateOffscreen(int width, int height,
                                                   bool presentWaits = false);

  int Width() const;
  int Height() const;
  bool Offscreen() const;
  // Whether Present waits for the display's refresh (vsync granted), which paces the frames.
  bool PresentWaitsForDisplay() const;
  Viewport GetViewport() const;

  // Colours are packed alpha << 24 | red << 16 | green << 8 | blue.
  void Clear(uint32_t argb);
  void BeginScene();
  void EndScene();
  void Present();

  void SetTransform(TransformKind kind, const Matrix4& matrix);
  const Matrix4& GetTransform(TransformKind kind) const;
  // The texture of the following triangles; null draws them in their vertex colours.
  void SetTexture(const DeviceTexture* texture);

  // primitiveCount triangles or lines of the given kind. Lines are never textured. A world
  // primitive with a vertex in front of the near plane is not drawn.
  void Draw(PrimitiveKind kind, const WorldVertex* vertices, int primitiveCount);
  void Draw(PrimitiveKind kind, const ScreenVertex* vertices, int primitiveCount);
  void Draw(PrimitiveKind kind, const WorldLineVertex* vertices, int primitiveCount);
  void Draw(PrimitiveKind kind, const ScreenLineVertex* vertices, int primitiveCount);

  std::unique_ptr<DeviceTexture> CreateTexture(const Image& image);
  std::unique_ptr<DeviceTexture> CreateTexture(std::shared_ptr<PendingPicture> picture);

  // Whether a disc about the centre, in the plane facing the camera at the centre's depth, lands
  // wholly outside the frame through the present transforms; false when that cannot be told (a
  // corner behind the camera).
  bool DiscMissesView(const Vector3& center, float radius) const;

  // Reads the frame drawn since the last clear (the back buffer before Present).
  uint32_t ReadPixel(int x, int y) const;
  // The whole frame, opaque as seen; an empty image when it cannot be read.
  Image ReadFrame() const;
  bool SaveFramePng(const std::string& path) const;

  Impl& Internals() { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
