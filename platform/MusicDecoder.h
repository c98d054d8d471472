#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// An Ogg Vorbis file decoded a piece at a time into 16-bit signed little-endian samples,
// interleaved by channel.
class MusicDecoder {
 public:
  // Null when the file is missing or is not Ogg Vorbis.
  static std::unique_ptr<MusicDecoder> Open(const std::string& path);
  ~MusicDecoder();
  MusicDecoder(const MusicDecoder&) = delete;
  MusicDecoder& operator=(const MusicDecoder&) = delete;

  int Channels() const;
  uint32_t SampleRate() const;
  // Decodes at most size bytes; returns how many it wrote, 0 at the end of the stream.
  // A gap in the data is skipped; damage that cannot be decoded ends the stream.
  uint32_t Read(uint8_t* data, uint32_t size);
  // Goes back to the first sample; false when the file cannot seek.
  bool Rewind();

 private:
  struct Impl;
  explicit MusicDecoder(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
