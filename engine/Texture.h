#pragma once

#include <cstdint>
#include <memory>
#include <optional>
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
  // Starts loading a deferred picture; does nothing for any other record.
  void Require();

  std::string path;  // as stored, with backslashes
  std::wstring name;
  std::unique_ptr<platform::DeviceTexture> texture;
  uint32_t width = 0;
  uint32_t height = 0;

 private:
  friend std::unique_ptr<Texture> DeferTexture(const std::string& path, uint32_t width,
                                               uint32_t height);
  // The colour key of a picture not loaded yet.
  std::optional<uint32_t> deferredKey_;
};

// Named after its path, with the key TextureColorKey.
std::unique_ptr<Texture> LoadTexture(const std::string& path, uint32_t width, uint32_t height);
// As LoadTexture, but the picture is loaded only when the record is first drawn or required.
std::unique_ptr<Texture> DeferTexture(const std::string& path, uint32_t width, uint32_t height);
// With the given name and the key NamedTextureColorKey (opaque white vanishes).
std::unique_ptr<Texture> LoadTextureNamed(const std::string& path, const std::string& name,
                                          uint32_t width, uint32_t height);
