#include "engine/StringConversion.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <locale>
#include <sstream>

namespace {

template <typename T>
std::wstring& AppendNumber(std::wstring& target, T value) {
  std::wostringstream stream;
  stream.imbue(std::locale::classic());
  stream << value;
  target += stream.str();
  return target;
}

}  // namespace

std::wstring StringToWString(std::string text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (char c : text) {
    if (c == '\0') break;
    wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
  }
  return wide;
}

void StringToWStringRef(const std::string& text, std::wstring& target) {
  target = StringToWString(text);
}

void StringToWStringCopy(std::string text, std::wstring& target) {
  target.clear();
  target = StringToWString(std::move(text));
}

std::string WStringToString(const std::wstring& text) {
  std::string narrow(text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    narrow[i] = static_cast<char>(static_cast<unsigned char>(text[i] & 0xFF));
  }
  return narrow;
}

std::wstring WStringToWString(std::wstring text) { return text; }

std::wstring ConcatWString(const std::wstring& a, const std::wstring& b) { return a + b; }

std::wstring& ToWString(std::wstring& target, char value) {
  target.push_back(static_cast<wchar_t>(static_cast<unsigned char>(value)));
  return target;
}

std::wstring& ToWString(std::wstring& target, int value) { return AppendNumber(target, value); }

std::wstring& ToWString(std::wstring& target, unsigned int value) {
  return AppendNumber(target, value);
}

std::wstring& ToWString(std::wstring& target, float value) { return AppendNumber(target, value); }

std::wstring& ToWString(std::wstring& target, double value) { return AppendNumber(target, value); }

std::wstring CharToWString(char value) {
  std::wstring text;
  return ToWString(text, value);
}

std::wstring IntToWString(int value) {
  std::wstring text;
  return ToWString(text, value);
}

std::wstring DoubleToWString(double value) {
  std::wstring text;
  return ToWString(text, value);
}

std::wstring FloatToWString(float value) {
  std::wstring text;
  return ToWString(text, value);
}

void AssignIntToWString(std::wstring& target, int value) { target = IntToWString(value); }

void AssignFloatToWString(std::wstring& target, float value) { target = FloatToWString(value); }

std::wstring FloatToWStringFormatted(const std::wstring& prefix, float value) {
  return prefix + FloatToWString(value);
}

std::wstring QuadToWString(const std::wstring& prefix, const platform::Vector3& vector) {
  return prefix + L"(" + FloatToWString(vector.x) + L", " + FloatToWString(vector.y) + L", " +
         FloatToWString(vector.z) + L")";
}

void RecordToWString(std::wstring& text, const platform::Vector3& vector) {
  text = QuadToWString(text, vector);
}

int32_t LeadingInteger(const std::string& text) {
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  return static_cast<int32_t>(std::clamp<long long>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

float LeadingReal(const std::string& text) {
  return static_cast<float>(std::strtod(text.c_str(), nullptr));
}
