// Generates the game's sound effects and music into Content/Audio. Only missing or outdated
// files are written, so that a build with nothing to change stays quick.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "AudioFiles.h"
#include "Effects.h"
#include "Music.h"

namespace fs = std::filesystem;

namespace {

// Raise when the music changes, so that existing tracks are encoded again.
constexpr const char* MusicVersion = "1";
constexpr const char* MusicVersionFile = "music-version.txt";

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool WriteIfChanged(const fs::path& path, const std::string& bytes) {
  if (fs::exists(path) && ReadFileBytes(path) == bytes) return true;
  std::cout << "Writing " << path.string() << '\n';
  return WriteFileBytes(path, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: gen_audio CONTENT_FOLDER\n";
    return 1;
  }
  const fs::path folder = fs::path(argv[1]) / "Audio";
  std::error_code error;
  fs::create_directories(folder, error);
  bool ok = !error;

  for (const Effect& effect : MakeEffects()) {
    ok = WriteIfChanged(folder / effect.fileName, EncodeWave(effect.samples)) && ok;
  }

  const bool musicCurrent = ReadFileBytes(folder / MusicVersionFile) == MusicVersion;
  for (const TrackStyle& style : TrackStyles()) {
    const fs::path path = folder / style.fileName;
    if (musicCurrent && fs::exists(path)) continue;
    std::cout << "Writing " << path.string() << '\n';
    ok = WriteFileBytes(path, EncodeVorbis(ComposeTrack(style), style.fileName)) && ok;
  }
  if (ok) ok = WriteIfChanged(folder / MusicVersionFile, MusicVersion);

  if (!ok) std::cerr << "gen_audio: could not write every file into " << folder.string() << '\n';
  return ok ? 0 : 1;
}
