#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

struct DecodedPicture;

// A picture file to decode: every pixel that equals the colour key exactly becomes transparent
// black, then the picture is scaled linearly to the size (0 keeps the file's).
struct PictureRequest {
  std::string path;
  int width = 0;
  int height = 0;
  uint32_t colorKey = 0;
};

// Decodes on the calling thread, straight into the one buffer that is kept; null when the file
// cannot be read.
std::unique_ptr<DecodedPicture> DecodePicture(const PictureRequest& request);

// A picture being decoded on a worker thread.
class PendingPicture {
 public:
  explicit PendingPicture(PictureRequest request);
  ~PendingPicture();
  PendingPicture(const PendingPicture&) = delete;
  PendingPicture& operator=(const PendingPicture&) = delete;

  bool Ready() const;
  // Waits for the picture and hands it over, once; null when the file could not be read.
  std::unique_ptr<DecodedPicture> Take();

 private:
  friend class DecodeWorkers;
  struct State;
  void Decode();

  std::unique_ptr<State> state_;
};

// Queues the picture for the worker threads, which decode in parallel.
std::shared_ptr<PendingPicture> DecodeInBackground(PictureRequest request);

}  // namespace platform
