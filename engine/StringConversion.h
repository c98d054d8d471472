#pragma once

#include <cstdint>
#include <string>

#include "platform/MathTypes.h"

// Narrow text widens byte by byte (0-255); wide text narrows by keeping the low 8 bits.
std::wstring StringToWString(std::string text);
void StringToWStringRef(const std::string& text, std::wstring& target);
void StringToWStringCopy(std::string text, std::wstring& target);
std::string WStringToString(const std::wstring& text);
std::wstring WStringToWString(std::wstring text);
std::wstring ConcatWString(const std::wstring& a, const std::wstring& b);

// Append a value's text to the target and return it. Numbers are written as a default wide
// string stream writes them: classic locale, six significant digits for floating point.
std::wstring& ToWString(std::wstring& target, char value);
std::wstring& ToWString(std::wstring& target, int value);
std::wstring& ToWString(std::wstring& target, unsigned int value);
std::wstring& ToWString(std::wstring& target, float value);
std::wstring& ToWString(std::wstring& target, double value);

std::wstring CharToWString(char value);
std::wstring IntToWString(int value);
std::wstring DoubleToWString(double value);
std::wstring FloatToWString(float value);
void AssignIntToWString(std::wstring& target, int value);
void AssignFloatToWString(std::wstring& target, float value);
std::wstring FloatToWStringFormatted(const std::wstring& prefix, float value);
// prefix + "(x, y, z)"
std::wstring QuadToWString(const std::wstring& prefix, const platform::Vector3& vector);
void RecordToWString(std::wstring& text, const platform::Vector3& vector);

// Numbers as the C library's atoi and atof read them: leading blanks skipped, reading stops at
// the first character that does not fit, text without a number reads as 0. Integers beyond
// 32 bits saturate.
int32_t LeadingInteger(const std::string& text);
float LeadingReal(const std::string& text);
