#include <gtest/gtest.h>

#include <locale>

#include "engine/StringConversion.h"

namespace {

TEST(StringConversionTest, NarrowAndWideKeepByteValues) {
  EXPECT_EQ(StringToWString("\xE9"), std::wstring(1, wchar_t{0x00E9}));
  EXPECT_EQ(StringToWString("A\xFFz"), (std::wstring{L'A', wchar_t{0xFF}, L'z'}));
  EXPECT_EQ(WStringToString(std::wstring(1, wchar_t{0x0141})), "A");
  EXPECT_EQ(WStringToString(L""), "");
  EXPECT_EQ(WStringToString(std::wstring{wchar_t{0xE9}, wchar_t{0x100}}),
            (std::string{'\xE9', '\0'}));
}

TEST(StringConversionTest, NarrowTextStopsAtItsFirstZeroByte) {
  const std::string text("ab\0cd", 5);
  EXPECT_EQ(StringToWString(text), L"ab");
  std::wstring target = L"old";
  StringToWStringRef(text, target);
  EXPECT_EQ(target, L"ab");
  target = L"older text";
  StringToWStringCopy(text, target);
  EXPECT_EQ(target, L"ab");
}

TEST(StringConversionTest, CopiesAndConcatenation) {
  EXPECT_EQ(WStringToWString(L"same"), L"same");
  EXPECT_EQ(ConcatWString(L"ab", L"cd"), L"abcd");
  EXPECT_EQ(ConcatWString(L"", L""), L"");
}

TEST(StringConversionTest, IntegersHaveNoGrouping) {
  EXPECT_EQ(IntToWString(-42), L"-42");
  EXPECT_EQ(IntToWString(1000000), L"1000000");
  EXPECT_EQ(IntToWString(-2147483647 - 1), L"-2147483648");
  std::wstring target = L"x";
  EXPECT_EQ(ToWString(target, 4000000000u), L"x4000000000");
}

TEST(StringConversionTest, FloatsUseSixSignificantDigits) {
  EXPECT_EQ(FloatToWString(2.0f), L"2");
  EXPECT_EQ(FloatToWString(0.1f), L"0.1");
  EXPECT_EQ(FloatToWString(0.5f), L"0.5");
  EXPECT_EQ(FloatToWString(123.456789f), L"123.457");
  EXPECT_EQ(FloatToWString(3.14159274f), L"3.14159");
  EXPECT_EQ(FloatToWString(-0.25f), L"-0.25");
  EXPECT_EQ(DoubleToWString(1.0), L"1");
  // The exponent form keeps six significant digits; its exponent width is the library's.
  const std::wstring large = FloatToWString(1234567.0f);
  EXPECT_EQ(large.substr(0, 9), L"1.23457e+");
  EXPECT_EQ(DoubleToWString(0.00001).substr(0, 3), L"1e-");
}

// A program-wide locale with a decimal comma and digit grouping.
struct GroupingPunctuation : std::numpunct<wchar_t> {
  wchar_t do_decimal_point() const override { return L','; }
  wchar_t do_thousands_sep() const override { return L'.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(StringConversionTest, NumbersIgnoreTheGlobalLocale) {
  const std::locale saved =
      std::locale::global(std::locale(std::locale::classic(), new GroupingPunctuation));
  const std::wstring fraction = FloatToWString(1.5f);
  const std::wstring whole = IntToWString(1234567);
  std::locale::global(saved);
  EXPECT_EQ(fraction, L"1.5");
  EXPECT_EQ(whole, L"1234567");
}

TEST(StringConversionTest, AppendingForms) {
  std::wstring target = L"Level ";
  EXPECT_EQ(ToWString(target, 3), L"Level 3");
  EXPECT_EQ(target, L"Level 3");
  EXPECT_EQ(ToWString(target, 'x'), L"Level 3x");
  EXPECT_EQ(CharToWString('A'), L"A");
  EXPECT_EQ(CharToWString('\xE9'), std::wstring(1, wchar_t{0xE9}));
  EXPECT_EQ(ToWString(target, 0.5), L"Level 3x0.5");
}

TEST(StringConversionTest, AssignReplacesTheText) {
  std::wstring target = L"previous";
  AssignIntToWString(target, 7);
  EXPECT_EQ(target, L"7");
  AssignFloatToWString(target, 2.5f);
  EXPECT_EQ(target, L"2.5");
  EXPECT_EQ(FloatToWStringFormatted(L"Speed: ", 1.25f), L"Speed: 1.25");
}

TEST(StringConversionTest, VectorsInBrackets) {
  EXPECT_EQ(QuadToWString(L"Position: ", {1.5f, -2.0f, 0.0f}), L"Position: (1.5, -2, 0)");
  EXPECT_EQ(QuadToWString(L"", {}), L"(0, 0, 0)");
  std::wstring text = L"At ";
  RecordToWString(text, {0.1f, 100.0f, -3.25f});
  EXPECT_EQ(text, L"At (0.1, 100, -3.25)");
}

}  // namespace
