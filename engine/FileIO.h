#pragma once

#include <string>

// Stored paths keep their backslashes; they become '/' only when a file is opened or listed.
std::string NativePath(const std::string& storedPath);

// Writes the whole text to a temporary file beside the target and renames it over the target,
// so a failed write leaves the old file as it was. Returns whether the write succeeded.
bool WriteTextFile(const std::string& storedPath, const std::string& text);
