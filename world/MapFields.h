#pragma once

#include <cstdint>
#include <istream>
#include <sstream>
#include <string>

#include "platform/MathTypes.h"

class TextLines;

// The fields of map lines as the map reader, the map writer and the triggers' records take
// them.

// The fields of one line, read in the classic locale.
std::istringstream FieldsOf(const std::string& line);
char Lower(char letter);
// Any number but 0 is set.
bool ReadFlag(std::istream& in, uint8_t& flag);
bool ReadVector(std::istream& in, platform::Vector3& point);
// A count on a line of its own.
bool ReadCountLine(TextLines& lines, long long& count);

std::string Flag(uint8_t flag);
std::string Number(float value);
