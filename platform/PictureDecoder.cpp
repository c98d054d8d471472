#include "platform/PictureDecoder.h"

#include <SDL_image.h>
#include <malloc.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/DecodedPicture.h"

namespace platform {

namespace {

constexpr uint32_t AlphaMask = 0xFF000000u;
constexpr unsigned MaxWorkers = 8;
// Pictures are decoded on the workers and freed on the main thread once their textures hold
// them. Left to itself the C library raises its mapping threshold after the first large free
// and keeps every later picture's memory in the workers' heaps for good; a fixed threshold
// maps each large buffer on its own and gives it back when freed.
constexpr int LargeBufferBytes = 256 * 1024;

// Applies the key to the row of ARGB pixels; false when a pixel is left less than opaque.
bool KeyRow(uint32_t* row, int width, uint32_t colorKey) {
  bool opaque = true;
  for (int x = 0; x < width; ++x) {
    if (row[x] == colorKey) row[x] = 0;
    opaque &= (row[x] & AlphaMask) == AlphaMask;
  }
  return opaque;
}

// The same for pixels read as bytes R, G, B, A, turned to ARGB where they lie.
bool SwizzleAndKeyRow(uint32_t* row, int width, uint32_t colorKey) {
  bool opaque = true;
  for (int x = 0; x < width; ++x) {
    const uint32_t p = row[x];
    uint32_t argb = (p & 0xFF00FF00u) | ((p & 0xFFu) << 16) | ((p >> 16) & 0xFFu);
    if (argb == colorKey) argb = 0;
    row[x] = argb;
    opaque &= (argb & AlphaMask) == AlphaMask;
  }
  return opaque;
}

uint32_t* Row(SDL_Surface& surface, int y) {
  return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface.pixels) + y * surface.pitch);
}

bool EveryPixelOpaque(SDL_Surface& surface) {
  for (int y = 0; y < surface.h; ++y) {
    const uint32_t* row = Row(surface, y);
    for (int x = 0; x < surface.w; ++x) {
      if ((row[x] & AlphaMask) != AlphaMask) return false;
    }
  }
  return true;
}

}  // namespace

struct PendingPicture::State {
  PictureRequest request;
  mutable std::mutex mutex;
  std::condition_variable decoded;
  bool done = false;
  std::unique_ptr<DecodedPicture> picture;
};

// Threads that decode queued pictures, started on the first request and joined at exit.
class DecodeWorkers {
 public:
  static DecodeWorkers& Instance() {
    static DecodeWorkers workers;
    return workers;
  }

  void Queue(std::shared_ptr<PendingPicture> picture) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (threads_.empty()) Start();
      queue_.push_back(std::move(picture));
    }
    wake_.notify_one();
  }

  ~DecodeWorkers() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }

 private:
  void Start() {
    // The decoder's libraries are made ready once, before any worker uses them.
    IMG_Init(IMG_INIT_PNG);
    mallopt(M_MMAP_THRESHOLD, LargeBufferBytes);
    const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, MaxWorkers);
    for (unsigned i = 0; i < count; ++i) threads_.emplace_back([this] { Work(); });
  }

  void Work() {
    DecodeUntilStopped();
    // SDL keeps storage of its own (the last error's text) for each thread it did not start.
    SDL_TLSCleanup();
  }

  void DecodeUntilStopped() {
    for (;;) {
      std::shared_ptr<PendingPicture> picture;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        picture = std::move(queue_.front());
        queue_.pop_front();
      }
      // A picture whose texture is already gone is not worth decoding.
      if (picture.use_count() > 1) picture->Decode();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::shared_ptr<PendingPicture>> queue_;
  std::vector<std::thread> threads_;
  bool stopping_ = false;
};

std::unique_ptr<DecodedPicture> DecodePicture(const PictureRequest& request) {
  SurfacePtr loaded(IMG_Load(request.path.c_str()));
  if (!loaded) return nullptr;
  auto picture = std::make_unique<DecodedPicture>();
  bool opaque = true;
  // Four bytes a pixel are keyed where they lie (turned round first when stored R, G, B, A);
  // any other layout is converted once.
  const uint32_t format = loaded->format->format;
  if (format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_ABGR8888) {
    for (int y = 0; y < loaded->h; ++y) {
      opaque &= format == SDL_PIXELFORMAT_ARGB8888
                    ? KeyRow(Row(*loaded, y), loaded->w, request.colorKey)
                    : SwizzleAndKeyRow(Row(*loaded, y), loaded->w, request.colorKey);
    }
    if (format == SDL_PIXELFORMAT_ARGB8888) {
      picture->pixels = std::move(loaded);
    } else {
      picture->pixels.reset(SDL_CreateRGBSurfaceWithFormatFrom(
          loaded->pixels, loaded->w, loaded->h, 32, loaded->pitch, SDL_PIXELFORMAT_ARGB8888));
      picture->owner = std::move(loaded);
    }
  } else {
    picture->pixels.reset(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    loaded.reset();
    if (!picture->pixels) return nullptr;
    for (int y = 0; y < picture->pixels->h; ++y) {
      opaque &= KeyRow(Row(*picture->pixels, y), picture->pixels->w, request.colorKey);
    }
  }
  if (!picture->pixels) return nullptr;

  SDL_Surface& source = *picture->pixels;
  const int width = request.width > 0 ? request.width : source.w;
  const int height = request.height > 0 ? request.height : source.h;
  if (width != source.w || height != source.h) {
    SurfacePtr sized(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!sized || SDL_SoftStretchLinear(&source, nullptr, sized.get(), nullptr) != 0) return nullptr;
    picture->pixels = std::move(sized);
    picture->owner.reset();
    opaque = EveryPixelOpaque(*picture->pixels);
  }
  picture->opaque = opaque;
  return picture;
}

PendingPicture::PendingPicture(PictureRequest request) : state_(std::make_unique<State>()) {
  state_->request = std::move(request);
}

PendingPicture::~PendingPicture() = default;

bool PendingPicture::Ready() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->done;
}

std::unique_ptr<DecodedPicture> PendingPicture::Take() {
  std::unique_lock<std::mutex> lock(state_->mutex);
  state_->decoded.wait(lock, [this] { return state_->done; });
  return std::move(state_->picture);
}

void PendingPicture::Decode() {
  std::unique_ptr<DecodedPicture> picture = DecodePicture(state_->request);
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->picture = std::move(picture);
    state_->done = true;
  }
  state_->decoded.notify_all();
}

std::shared_ptr<PendingPicture> DecodeInBackground(PictureRequest request) {
  auto picture = std::make_shared<PendingPicture>(std::move(request));
  DecodeWorkers::Instance().Queue(picture);
  return picture;
}

}  // namespace platform
