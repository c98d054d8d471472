#include "monkey/WrittenFiles.h"

#include <cctype>
#include <fstream>
#include <locale>
#include <memory>
#include <sstream>

#include "engine/DeferredDeleteList.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/Texture.h"
#include "items/EquipmentPool.h"
#include "items/ExpendablePool.h"
#include "items/ItemFileWriter.h"
#include "items/KeyItemPool.h"
#include "items/RunePool.h"
#include "menus/MenuSave.h"
#include "player/Player.h"
#include "triggers/SaveShape.h"
#include "world/CompanionFile.h"
#include "world/MapReader.h"
#include "world/MapWriter.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace {

// Pictures and sounds are linked, never written.
bool Linked(const fs::directory_entry& entry) { return entry.is_symlink(); }

std::string TextOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::istringstream ClassicStream(const std::string& text) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  return in;
}

std::string Compared(const std::string& written, const std::string& again) {
  if (written == again) return {};
  size_t at = 0;
  while (at < written.size() && at < again.size() && written[at] == again[at]) ++at;
  const size_t lineStart =
      written.rfind('\n', at) == std::string::npos ? 0 : written.rfind('\n', at) + 1;
  return "read back differently from byte " + std::to_string(at) + ": file has \"" +
         written.substr(lineStart, at - lineStart + 40) + "\", again \"" +
         again.substr(lineStart, at - lineStart + 40) + "\"";
}

// An enemy writes the level its experience gives, which need not read back to the same
// experience: its lines are left out.
std::string WithoutEnemies(const std::string& text) {
  const size_t from = text.find("*Enemies \n");
  const size_t to = text.find("*NPCs \n");
  if (from == std::string::npos || to == std::string::npos) return text;
  return text.substr(0, from) + text.substr(to);
}

// A shop's stock names items by their place in the item files: once those are rewritten, a
// map written before reads back another stock.
bool IsStockLine(const std::string& line) {
  std::istringstream fields(line);
  std::string code;
  long long index = 0;
  float price = 0.0f;
  std::string more;
  return fields >> code >> index >> price && !(fields >> more) && code.size() == 1 &&
         std::isalpha(static_cast<unsigned char>(code.front()));
}

std::string WithoutStocks(const std::string& text) {
  std::istringstream lines(text);
  std::string kept;
  for (std::string line; std::getline(lines, line);) {
    if (!IsStockLine(line)) kept += line + '\n';
  }
  return kept;
}

// Read into the running world in place of its level, as the editor's loader does.
std::string MapProblem(const std::string& text, bool itemFilesWritten) {
  World* world = GameStates ? GameStates->world : nullptr;
  if (!world) return "no world to read the map into";
  world->ClearLevel();
  world->resources.clear();
  std::istringstream in = ClassicStream(text);
  const bool whole = ReadMap(*world, in);
  std::string again;
  BuildMapText(*world, again);
  world->ClearLevel();
  if (DeferredDeletes) DeferredDeletes->Empty();
  if (!whole) return "the map reader stopped before the end";
  if (itemFilesWritten)
    return Compared(WithoutStocks(WithoutEnemies(text)), WithoutStocks(WithoutEnemies(again)));
  return Compared(WithoutEnemies(text), WithoutEnemies(again));
}

// The textures a companion file names, as records: the reader matches them by path.
std::string CompanionProblem(const std::string& text) {
  std::vector<std::unique_ptr<Texture>> textures;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const std::string path = line.substr(0, line.find(' '));
    if (!path.empty() && path != "0") {
      textures.push_back(std::make_unique<Texture>(path, L"named", 8, 8));
    }
  }
  std::istringstream in = ClassicStream(text);
  return Compared(text, CompanionFileText(ReadCompanionFile(in, textures)));
}

template <typename Pool>
std::string ItemProblem(const std::string& text, std::string (*write)(const Pool&)) {
  Pool pool;
  std::istringstream in = ClassicStream(text);
  pool.LoadFrom(in);
  return Compared(text, write(pool));
}

// Continued from and saved again at the save point the record names: the first player and
// the save screen of the running game, whose session is over.
std::string RecordProblem(const fs::path& file, const std::string& text) {
  World* world = GameStates ? GameStates->world : nullptr;
  Player* player = world ? world->GetFirstPlayer() : nullptr;
  MenuSave* save = GameStates ? GameStates->menuSave : nullptr;
  if (!player || !save) return "no player to read the record into";
  std::istringstream header = ClassicStream(text);
  std::string mapPath;
  SaveShape point(world);
  header >> mapPath >> point.position.x >> point.position.y;
  player->ResetInventory();
  std::istringstream in = ClassicStream(text);
  player->LoadRecord(in);
  world->mapName = mapPath;
  save->savePoint = &point;
  const bool written = save->WriteSaveFile();
  save->savePoint = nullptr;
  if (!written) return "the record read back could not be saved again";
  return Compared(text, TextOf(file));
}

}  // namespace

ContentSnapshot::ContentSnapshot(const fs::path& gameFolder)
    : folder_(gameFolder), files_(Read(gameFolder)) {}

std::map<fs::path, std::string> ContentSnapshot::Read(const fs::path& folder) {
  std::map<fs::path, std::string> files;
  std::error_code error;
  for (auto entry = fs::recursive_directory_iterator(folder, error);
       entry != fs::recursive_directory_iterator(); entry.increment(error)) {
    if (Linked(*entry)) {
      entry.disable_recursion_pending();
    } else if (entry->is_regular_file()) {
      files.emplace(fs::relative(entry->path(), folder), TextOf(entry->path()));
    }
  }
  return files;
}

std::vector<fs::path> ContentSnapshot::WrittenSince() const {
  std::vector<fs::path> written;
  for (const auto& [file, text] : Read(folder_)) {
    const auto before = files_.find(file);
    if (before == files_.end() || before->second != text) written.push_back(file);
  }
  return written;
}

bool IsReadBack(const fs::path& file) {
  const fs::path name = file.filename();
  return file.extension() == ".gmf" || file.extension() == ".mef" || name == "Player.rff" ||
         name == "Equipment.ipf" || name == "Runes.ipf" || name == "Expendables.ipf" ||
         name == "KeyItems.ipf";
}

bool IsItemFile(const fs::path& file) { return file.extension() == ".ipf"; }

std::string ReadBackProblem(const fs::path& file, bool itemFilesWritten) {
  const std::string text = TextOf(file);
  const fs::path name = file.filename();
  if (file.extension() == ".gmf") return MapProblem(text, itemFilesWritten);
  if (file.extension() == ".mef") return CompanionProblem(text);
  if (name == "Player.rff") return RecordProblem(file, text);
  if (name == "Equipment.ipf") return ItemProblem<EquipmentPool>(text, EquipmentFileText);
  if (name == "Runes.ipf") return ItemProblem<RunePool>(text, RunesFileText);
  if (name == "Expendables.ipf") return ItemProblem<ExpendablePool>(text, ExpendablesFileText);
  if (name == "KeyItems.ipf") return ItemProblem<KeyItemPool>(text, KeyItemsFileText);
  return {};
}
