#include "engine/Texture.h"

#include <filesystem>

#include "engine/FileIO.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "platform/PictureDecoder.h"
#include "platform/Renderer.h"

namespace {

// The largest side the device takes; a larger request loads nothing.
constexpr uint32_t MaxTextureSide = 8192;

// The picture is decoded on a worker thread; the device texture waits for it where it is first
// used. A missing file is known at once and leaves the record without a device texture.
void StartLoading(Texture& texture, uint32_t colorKey) {
  if (!Device || texture.width > MaxTextureSide || texture.height > MaxTextureSide) return;
  std::string file = NativePath(texture.path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return;
  texture.texture = Device->CreateTexture(platform::DecodeInBackground(
      {std::move(file), static_cast<int>(texture.width), static_cast<int>(texture.height),
       colorKey}));
}

std::unique_ptr<Texture> Load(const std::string& path, std::wstring name, uint32_t width,
                              uint32_t height, uint32_t colorKey) {
  auto texture = std::make_unique<Texture>(path, std::move(name), width, height);
  StartLoading(*texture, colorKey);
  return texture;
}

}  // namespace

Texture::Texture(std::string filePath, std::wstring displayName, uint32_t requestedWidth,
                 uint32_t requestedHeight)
    : path(std::move(filePath)),
      name(std::move(displayName)),
      width(requestedWidth),
      height(requestedHeight) {}

Texture::~Texture() = default;

void Texture::SetWideName(const std::string& narrowName) { name = StringToWString(narrowName); }

void Texture::Require() {
  if (!deferredKey_) return;
  const uint32_t colorKey = *deferredKey_;
  deferredKey_.reset();
  StartLoading(*this, colorKey);
}

std::unique_ptr<Texture> DeferTexture(const std::string& path, uint32_t width, uint32_t height) {
  auto texture = std::make_unique<Texture>(path, StringToWString(path), width, height);
  texture->deferredKey_ = TextureColorKey;
  return texture;
}

std::unique_ptr<Texture> LoadTexture(const std::string& path, uint32_t width, uint32_t height) {
  return Load(path, StringToWString(path), width, height, TextureColorKey);
}

std::unique_ptr<Texture> LoadTextureNamed(const std::string& path, const std::string& name,
                                          uint32_t width, uint32_t height) {
  return Load(path, StringToWString(name), width, height, NamedTextureColorKey);
}
