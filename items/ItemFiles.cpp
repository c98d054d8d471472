#include "items/ItemFiles.h"

#include <locale>

#include "engine/FileIO.h"

std::ifstream OpenItemFile(const char* storedPath) {
  std::ifstream in(NativePath(storedPath), std::ios::binary);
  in.imbue(std::locale::classic());
  return in;
}
