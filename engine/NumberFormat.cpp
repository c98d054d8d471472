#include "engine/NumberFormat.h"

#include <cmath>
#include <cstring>
#include <limits>
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
  // Stream extraction cannot read "nan" or "inf" back, and a record that fails to read drops
  // every record after it: keep the file readable.
  if (std::isnan(value)) value = 0.0f;
  if (std::isinf(value)) {
    value = std::copysign(std::numeric_limits<float>::max(), value);
  }
  for (int precision = DefaultPrecision; precision < ExactPrecision; ++precision) {
    std::string text = FormatWithPrecision(value, precision);
    if (ReadsBackAs(text, value)) return text;
  }
  return FormatWithPrecision(value, ExactPrecision);
}
