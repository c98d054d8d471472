#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>
#include <sstream>

#include "engine/NumberFormat.h"

namespace {

float ReadBack(const std::string& text) {
  std::istringstream in(text);
  float value = 0.0f;
  in >> value;
  return value;
}

int SignificantDigits(const std::string& text) {
  int digits = 0;
  bool leading = true;
  for (char c : text) {
    if (c == 'e') break;
    if (c < '0' || c > '9') continue;
    if (c != '0') leading = false;
    if (!leading) ++digits;
  }
  return digits;
}

}  // namespace

TEST(NumberFormatTest, ShortValuesKeepTheDefaultText) {
  EXPECT_EQ(FormatFloat(0.0f), "0");
  EXPECT_EQ(FormatFloat(100.0f), "100");
  EXPECT_EQ(FormatFloat(1.4f), "1.4");
  EXPECT_EQ(FormatFloat(0.5f), "0.5");
  EXPECT_EQ(FormatFloat(-50.0f), "-50");
  EXPECT_EQ(FormatFloat(1e6f), "1e+06");
}

TEST(NumberFormatTest, LongerValuesGetJustEnoughDigitsToReadBack) {
  EXPECT_EQ(FormatFloat(123456.789f), "123456.79");
  EXPECT_EQ(FormatFloat(1.0f / 3.0f), "0.33333334");
  EXPECT_EQ(FormatFloat(16777217.0f), "16777216");
  std::mt19937 random(7);
  std::uniform_int_distribution<uint32_t> bits;
  for (int i = 0; i < 20000; ++i) {
    const uint32_t pattern = bits(random);
    float value = 0.0f;
    std::memcpy(&value, &pattern, sizeof value);
    if (!std::isfinite(value)) continue;
    const std::string text = FormatFloat(value);
    const float back = ReadBack(text);
    ASSERT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
    ASSERT_LE(SignificantDigits(text), 9) << text;
  }
}

TEST(NumberFormatTest, ValuesThatCannotBeReadBackAreWrittenReadably) {
  EXPECT_EQ(FormatFloat(std::numeric_limits<float>::quiet_NaN()), "0");
  const float largest = std::numeric_limits<float>::max();
  EXPECT_EQ(ReadBack(FormatFloat(std::numeric_limits<float>::infinity())), largest);
  EXPECT_EQ(ReadBack(FormatFloat(-std::numeric_limits<float>::infinity())), -largest);
}
