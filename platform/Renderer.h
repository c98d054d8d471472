#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The drawing device: an accelerated renderer with vsync for a window, or a software renderer
// drawing into an off-screen frame that can be read back and saved.
class Renderer {
 public:
  struct Impl;

  explicit Renderer(std::unique_ptr<Impl> impl);
  ~Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  static std::unique_ptr<Renderer> CreateOffscreen(int width, int height);

  int Width() const;
  int Height() const;
  bool Offscreen() const;

  // Colours are packed alpha << 24 | red << 16 | green << 8 | blue.
  void Clear(uint32_t argb);
  void BeginScene();
  void EndScene();
  void Present();

  // Reads the frame drawn since the last clear (the back buffer before Present).
  uint32_t ReadPixel(int x, int y) const;
  bool SaveFramePng(const std::string& path) const;

  Impl& Internals() { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
