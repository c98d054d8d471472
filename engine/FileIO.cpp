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

bool WriteTextFile(const std::string& storedPath, const std::string& text) {
  const std::filesystem::path target = NativePath(storedPath);
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}
