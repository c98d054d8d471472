#include "engine/NumberFormat.h"

#include <cstring>
#include <locale>
#include <sstream>

namespace {

constexpr int DefaultPrecision = 6;
constexpr int ExactPrecision = 9;

std::string FormatWithPrecision(float value, int precision) {
  std::ostringstream stream;
  stream.imbue(std::locale::classic());
  stream.precision(precision);
  stream << value;
  return stream.str();
}

bool ReadsBackAs(const std::string& text, float value) {
  std::istringstream stream(text);
  stream.imbue(std::locale::classic());
  float read = 0.0f;
  stream >> read;
  return !stream.fail() && std::memcmp(&read, &value, sizeof value) == 0;
}

}  // namespace

std::string FormatFloat(float value) {
  for (int precision = DefaultPrecision; precision < ExactPrecision; ++precision) {
    std::string text = FormatWithPrecision(value, precision);
    if (ReadsBackAs(text, value)) return text;
  }
  return FormatWithPrecision(value, ExactPrecision);
}
