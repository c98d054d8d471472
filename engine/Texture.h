#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {
class DeviceTexture;
}

// Colour keys (ARGB): pixels of exactly this colour load as transparent black.
constexpr uint32_t TextureColorKey = 0x0FF00FFF;
constexpr uint32_t NamedTextureColorKey = 0xFFFFFFFF;

// One picture file on the drawing device, with the path it came from, its display name and the
// size it was requested at. When the file could not be loaded it has no device texture.
class Texture {
 public:
  Texture(std::string path, std::wstring name, uint32_t width, uint32_t height);
  ~Texture();
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;

  void SetWideName(const std::string& narrowName);

  std::string path;  // as stored, with backslashes
  std::wstring name;
  std::unique_ptr<platform::DeviceTexture> texture;
  uint32_t width = 0;
  uint32_t height = 0;
};

// Named after its path, with the key TextureColorKey.
std::unique_ptr<Texture> LoadTexture(const std::string& path, uint32_t width, uint32_t height);
// With the given name and the key NamedTextureColorKey (opaque white vanishes).
std::unique_ptr<Texture> LoadTextureNamed(const std::string& path, const std::string& name,
                                          uint32_t width, uint32_t height);
