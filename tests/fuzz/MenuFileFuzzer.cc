// Feeds arbitrary text to the menu texts reader. Besides crashes, hangs and leaks it checks that
// what the reader made of the text, written out again in the file's format, reads back the same.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "menus/pause/MenuPause.h"

namespace {

std::string Pairs(const std::vector<Object>& records) {
  std::string text;
  for (const Object& record : records) text += record.name + "\n" + record.description + "\n";
  return text;
}

// The lists in the file's format; a skill name that begins with the journal marker could not
// have been read as a skill.
std::string FileText(const MenuPause& menu) {
  std::string text = "Menu\n" + Pairs(menu.GetSkills()) + "*J\n";
  for (const MenuPause::JournalEntry& entry : menu.GetJournalEntries()) {
    text += "<" + entry.title + "\n";
    for (const Object& page : entry.pages) text += "#\n" + page.description + "\n";
    text += ">\n";
  }
  return text + "*T\n" + Pairs(menu.GetTerms());
}

std::string ReadAndWrite(MenuPause& menu, const std::string& text) {
  std::istringstream in(text);
  menu.LoadMenuText(in);
  return FileText(menu);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MenuPause menu(nullptr, nullptr, nullptr);
  const std::string written =
      ReadAndWrite(menu, std::string(reinterpret_cast<const char*>(data), size));
  if (ReadAndWrite(menu, written) != written) __builtin_trap();
  return 0;
}
