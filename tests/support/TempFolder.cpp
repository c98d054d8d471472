#include "support/TempFolder.h"

#include <random>
#include <string>

TempFolder::TempFolder() {
  std::random_device seed;
  std::mt19937_64 generator(seed());
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  do {
    path_ = base / ("quellmark-test-" + std::to_string(generator()));
  } while (!std::filesystem::create_directory(path_));
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

WorkingFolder::WorkingFolder(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(folder);
}

WorkingFolder::~WorkingFolder() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
}
