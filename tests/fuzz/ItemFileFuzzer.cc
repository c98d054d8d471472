// Feeds arbitrary text to the item file readers of every kind. Besides crashes, hangs and
// leaks it checks that what a reader made of the text is written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <locale>
#include <sstream>
#include <string>

#include "items/ItemFileWriter.h"

namespace {

template <typename Pool>
std::string LoadAndWrite(const std::string& text, std::string (*write)(const Pool&)) {
  Pool pool;
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  pool.LoadFrom(in);
  return write(pool);
}

template <typename Pool>
void CheckRoundTrip(const std::string& input, std::string (*write)(const Pool&)) {
  const std::string written = LoadAndWrite(input, write);
  if (LoadAndWrite(written, write) != written) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  CheckRoundTrip<EquipmentPool>(input, EquipmentFileText);
  CheckRoundTrip<RunePool>(input, RunesFileText);
  CheckRoundTrip<ExpendablePool>(input, ExpendablesFileText);
  CheckRoundTrip<KeyItemPool>(input, KeyItemsFileText);
  return 0;
}
