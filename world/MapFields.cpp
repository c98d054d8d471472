#include "world/MapFields.h"

#include <cctype>
#include <locale>

#include "engine/NumberFormat.h"
#include "engine/TextLines.h"

std::istringstream FieldsOf(const std::string& line) {
  std::istringstream fields(line);
  fields.imbue(std::locale::classic());
  return fields;
}

char Lower(char letter) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
}

bool ReadFlag(std::istream& in, uint8_t& flag) {
  int32_t value = 0;
  if (!(in >> value)) return false;
  flag = value != 0;
  return true;
}

bool ReadVector(std::istream& in, platform::Vector3& point) {
  platform::Vector3 read;
  if (!(in >> read.x >> read.y >> read.z)) return false;
  point = read;
  return true;
}

bool ReadCountLine(TextLines& lines, long long& count) {
  std::string line;
  if (!lines.Next(line)) return false;
  std::istringstream fields = FieldsOf(line);
  return static_cast<bool>(fields >> count);
}

std::string Flag(uint8_t flag) { return flag ? "1" : "0"; }

std::string Number(float value) { return FormatFloat(value); }
