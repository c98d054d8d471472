#pragma once

#include <string>

// A float as files store it: the default stream text (six significant digits) unless that
// would read back as a different float; then just enough digits (at most nine) to read back
// exactly. Always in the classic "C" locale. Values that could not be read back are written
// as the nearest readable ones: NaN as 0, infinities as the largest finite floats.
std::string FormatFloat(float value);
