#include "engine/FileIO.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

std::string NativePath(const std::string& storedPath) {
  std::string path = storedPath;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

namespace {

std::filesystem::path TemporaryOf(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  return temporary;
}

// The whole text into the temporary file beside the target; nothing is left behind on failure.
bool WriteTemporary(const std::filesystem::path& target, const std::string& text) {
  const std::filesystem::path temporary = TemporaryOf(target);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (out) return true;
  }
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return false;
}

bool RenameTemporary(const std::filesystem::path& target) {
  std::error_code error;
  std::filesystem::rename(TemporaryOf(target), target, error);
  if (!error) return true;
  std::filesystem::remove(TemporaryOf(target), error);
  return false;
}

}  // namespace

bool WriteTextFile(const std::string& storedPath, const std::string& text) {
  const std::filesystem::path target = NativePath(storedPath);
  return WriteTemporary(target, text) && RenameTemporary(target);
}

bool WriteTextFiles(const std::vector<std::pair<std::string, std::string>>& pathsAndTexts) {
  std::vector<std::filesystem::path> written;
  for (const auto& [storedPath, text] : pathsAndTexts) {
    const std::filesystem::path target = NativePath(storedPath);
    if (!WriteTemporary(target, text)) {
      std::error_code ignored;
      for (const std::filesystem::path& done : written) {
        std::filesystem::remove(TemporaryOf(done), ignored);
      }
      return false;
    }
    written.push_back(target);
  }
  bool allRenamed = true;
  for (const std::filesystem::path& target : written) allRenamed &= RenameTemporary(target);
  return allRenamed;
}

std::vector<std::string> ListFiles(const std::string& storedFolder, const std::string& extension) {
  std::vector<std::string> names;
  std::error_code error;
  std::filesystem::directory_iterator entry(NativePath(storedFolder), error);
  for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
    std::string name = entry->path().filename().string();
    std::error_code typeError;
    if (name.ends_with(extension) && entry->is_regular_file(typeError)) {
      names.push_back(std::move(name));
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}
