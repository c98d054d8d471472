#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// The text files of a game folder's Content as they were when it was taken (the linked pictures
// and sounds are left out), to tell afterwards which files the game wrote.
class ContentSnapshot {
 public:
  explicit ContentSnapshot(const std::filesystem::path& gameFolder);

  // Files new or changed since the snapshot, relative to the game folder.
  std::vector<std::filesystem::path> WrittenSince() const;

 private:
  static std::map<std::filesystem::path, std::string> Read(const std::filesystem::path& folder);

  std::filesystem::path folder_;
  std::map<std::filesystem::path, std::string> files_;
};

// Reads the file the game wrote with the game's own reader for its kind (a map, a companion
// file, an item file, the player record) and writes what was read again: empty when that gives
// the file's text back, else why not. Files no reader reads are left alone. Once item files
// were written, a map's shop stocks are left out: they name items by their place in those
// files. Run from the game folder while the game runs.
std::string ReadBackProblem(const std::filesystem::path& file, bool itemFilesWritten);

bool IsItemFile(const std::filesystem::path& file);

// Whether a reader of the game reads files of this kind.
bool IsReadBack(const std::filesystem::path& file);
