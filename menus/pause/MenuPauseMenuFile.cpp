#include <fstream>
#include <string>

#include "engine/FileIO.h"
#include "menus/pause/MenuPause.h"

namespace {

// Section markers: a line that begins with one ends the section before it.
constexpr const char* JournalMarker = "*J";
constexpr const char* TermsMarker = "*T";
// Journal lines by their first character.
constexpr char TitleLine = '<';
constexpr char PageLine = '#';
constexpr char CloseLine = '>';

// One whole line, the carriage returns before its line feed dropped. False once nothing is
// left, so that every read consumes input and no section can loop.
bool ReadMenuLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  while (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

// Name and text lines in pairs, up to the end or up to a line that begins with the marker
// where a name would stand. A pair counts only when both its lines were read.
void ReadPairs(std::istream& in, std::vector<Object>& records, const char* endMarker) {
  std::string name;
  std::string text;
  while (ReadMenuLine(in, name)) {
    if (endMarker && name.starts_with(endMarker)) return;
    if (!ReadMenuLine(in, text)) return;
    Object& record = records.emplace_back();
    record.SetName(std::move(name));
    record.SetDescription(std::move(text));
  }
}

}  // namespace

void MenuPause::LoadMenuFile(std::string path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  LoadMenuText(in);
}

void MenuPause::LoadMenuText(std::istream& in) {
  m_skills.clear();
  m_journalEntries.clear();
  m_terms.clear();
  std::string header;
  if (!ReadMenuLine(in, header)) return;
  ReadSkills(in);
  ReadJournal(in);
  ReadTerms(in);
}

void MenuPause::ReadSkills(std::istream& in) { ReadPairs(in, m_skills, JournalMarker); }

void MenuPause::ReadJournal(std::istream& in) {
  // Pages that no closing line takes into an entry are dropped with it.
  JournalEntry building;
  std::string line;
  while (ReadMenuLine(in, line)) {
    if (line.starts_with(TermsMarker)) return;
    if (line.empty()) continue;
    switch (line.front()) {
      case CloseLine:
        m_journalEntries.push_back(building);
        building.pages.clear();
        break;
      case TitleLine:
        building.title = line.substr(1);
        break;
      case PageLine: {
        std::string text;
        if (ReadMenuLine(in, text)) building.pages.emplace_back().SetDescription(std::move(text));
        break;
      }
      default:
        break;
    }
  }
}

void MenuPause::ReadTerms(std::istream& in) { ReadPairs(in, m_terms, nullptr); }
