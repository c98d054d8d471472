#pragma once

#include <filesystem>

namespace figures {

// Draws every villager's sheet and portrait into the content folder and, when a folder is
// given, their contact sheet for review. False when a file cannot be written.
bool DrawNPCSheets(const std::filesystem::path& contentFolder,
                   const std::filesystem::path& contactFolder);

}  // namespace figures
