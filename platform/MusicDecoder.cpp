#include "platform/MusicDecoder.h"

#include <vorbis/vorbisfile.h>

#include <climits>
#include <cstdio>

namespace platform {

namespace {

constexpr int LittleEndian = 0;
constexpr int SampleWordBytes = 2;
constexpr int SignedSamples = 1;
// Gaps come one report at a time; a file that reports nothing else is damaged beyond use.
constexpr int MaxGapsPerRead = 64;

size_t ReadFile(void* data, size_t size, size_t count, void* file) {
  return std::fread(data, size, count, static_cast<FILE*>(file));
}

int SeekFile(void* file, ogg_int64_t offset, int origin) {
  if (!file) return -1;
  return fseeko(static_cast<FILE*>(file), static_cast<off_t>(offset), origin);
}

int CloseFile(void* file) { return std::fclose(static_cast<FILE*>(file)); }

long TellFile(void* file) { return std::ftell(static_cast<FILE*>(file)); }

const ov_callbacks FileCallbacks = {ReadFile, SeekFile, CloseFile, TellFile};

}  // namespace

struct MusicDecoder::Impl {
  OggVorbis_File stream{};
  int channels = 0;
  uint32_t sampleRate = 0;

  ~Impl() { ov_clear(&stream); }
};

MusicDecoder::MusicDecoder(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

MusicDecoder::~MusicDecoder() = default;

std::unique_ptr<MusicDecoder> MusicDecoder::Open(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return nullptr;
  auto impl = std::make_unique<Impl>();
  if (ov_open_callbacks(file, &impl->stream, nullptr, 0, FileCallbacks) != 0) {
    // A failed open leaves the file to its opener.
    std::fclose(file);
    return nullptr;
  }
  const vorbis_info* info = ov_info(&impl->stream, -1);
  if (!info) return nullptr;
  impl->channels = info->channels;
  impl->sampleRate = static_cast<uint32_t>(info->rate);
  return std::unique_ptr<MusicDecoder>(new MusicDecoder(std::move(impl)));
}

int MusicDecoder::Channels() const { return impl_->channels; }

uint32_t MusicDecoder::SampleRate() const { return impl_->sampleRate; }

uint32_t MusicDecoder::Read(uint8_t* data, uint32_t size) {
  const int request = static_cast<int>(size > INT_MAX ? INT_MAX : size);
  for (int gaps = 0; gaps < MaxGapsPerRead; ++gaps) {
    int section = 0;
    const long result = ov_read(&impl_->stream, reinterpret_cast<char*>(data), request,
                                LittleEndian, SampleWordBytes, SignedSamples, &section);
    if (result == OV_HOLE) continue;
    return result > 0 ? static_cast<uint32_t>(result) : 0;
  }
  return 0;
}

bool MusicDecoder::Rewind() { return ov_pcm_seek(&impl_->stream, 0) == 0; }

}  // namespace platform
