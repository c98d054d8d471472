#pragma once

#include <filesystem>

namespace figures {

// Draws the sheet both Nidhogglets share into the content folder and, when a folder is given,
// its contact sheet for review. False when a file cannot be written.
bool DrawNidhoggletSheet(const std::filesystem::path& contentFolder,
                         const std::filesystem::path& contactFolder);

}  // namespace figures
