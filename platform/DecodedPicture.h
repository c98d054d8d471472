#pragma once

#include <SDL.h>

#include <memory>

namespace platform {

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Decoded pixels, ARGB: `pixels` is the surface read from, `owner` (when set) the decoder's
// surface whose memory it lies over. Opaque when every pixel's alpha is full.
struct DecodedPicture {
  SurfacePtr owner;
  SurfacePtr pixels;
  bool opaque = false;
};

}  // namespace platform
