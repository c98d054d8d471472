#include "AudioFiles.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

constexpr uint16_t PcmTag = 1;
constexpr uint16_t MonoChannels = 1;
constexpr uint16_t SampleBits = 16;
constexpr uint32_t FormatChunkBytes = 16;
constexpr uint32_t HeaderBytesAfterRiffSize = 36;
constexpr float VorbisQuality = 0.4f;
constexpr int EncodeChunkFrames = 1024;
constexpr int StreamSerial = 0x51a7;

void Put16(std::string& out, uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, static_cast<uint16_t>(value & 0xFFFF));
  Put16(out, static_cast<uint16_t>(value >> 16));
}

void AppendPages(ogg_stream_state& stream, std::string& out, bool flush) {
  ogg_page page;
  while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
    out.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
  }
}

}  // namespace

std::string EncodeWave(const Signal& samples) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  Put32(out, HeaderBytesAfterRiffSize + dataBytes);
  out += "WAVEfmt ";
  Put32(out, FormatChunkBytes);
  Put16(out, PcmTag);
  Put16(out, MonoChannels);
  Put32(out, SampleRate);
  Put32(out, SampleRate * MonoChannels * SampleBits / 8);
  Put16(out, MonoChannels * SampleBits / 8);
  Put16(out, SampleBits);
  out += "data";
  Put32(out, dataBytes);
  for (float sample : samples) {
    const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
    Put16(out, static_cast<uint16_t>(static_cast<int16_t>(value)));
  }
  return out;
}

std::string EncodeVorbis(const StereoSignal& signal, const std::string& title) {
  vorbis_info info;
  vorbis_info_init(&info);
  vorbis_encode_init_vbr(&info, 2, SampleRate, VorbisQuality);
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_comment_add_tag(&comment, "TITLE", title.c_str());
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, StreamSerial);

  std::string out;
  ogg_packet identification, comments, codebooks;
  vorbis_analysis_headerout(&dsp, &comment, &identification, &comments, &codebooks);
  ogg_stream_packetin(&stream, &identification);
  ogg_stream_packetin(&stream, &comments);
  ogg_stream_packetin(&stream, &codebooks);
  AppendPages(stream, out, true);

  const size_t frames = signal.left.size();
  auto drain = [&] {
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        AppendPages(stream, out, false);
      }
    }
  };
  for (size_t start = 0; start < frames; start += EncodeChunkFrames) {
    const int count = static_cast<int>(std::min<size_t>(EncodeChunkFrames, frames - start));
    float** channels = vorbis_analysis_buffer(&dsp, count);
    std::copy_n(signal.left.begin() + static_cast<std::ptrdiff_t>(start), count, channels[0]);
    std::copy_n(signal.right.begin() + static_cast<std::ptrdiff_t>(start), count, channels[1]);
    vorbis_analysis_wrote(&dsp, count);
    drain();
  }
  vorbis_analysis_wrote(&dsp, 0);
  drain();
  AppendPages(stream, out, true);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}

bool WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  return !error;
}
