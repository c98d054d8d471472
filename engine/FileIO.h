#pragma once

#include <string>
#include <utility>
#include <vector>

// Stored paths keep their backslashes; they become '/' only when a file is opened or listed.
std::string NativePath(const std::string& storedPath);

// Writes the whole text to a temporary file beside the target and renames it over the target,
// so a failed write leaves the old file as it was. Returns whether the write succeeded.
bool WriteTextFile(const std::string& storedPath, const std::string& text);

// Writes several files as one: every text goes to its temporary file first, and only when all
// of them were written whole are they renamed over their targets. A failure leaves every
// target as it was.
bool WriteTextFiles(const std::vector<std::pair<std::string, std::string>>& pathsAndTexts);

// The names of the regular files in the folder whose names end in the extension, in name
// order. A folder that cannot be read gives none.
std::vector<std::string> ListFiles(const std::string& storedFolder, const std::string& extension);
