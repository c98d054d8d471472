#pragma once

#include <filesystem>

namespace figures {

// Draws the goblins' two sheets, the plain one and the shielded one, into the content folder
// and, when a folder is given, their contact sheet for review. False when a file cannot be
// written.
bool DrawGoblinSheets(const std::filesystem::path& contentFolder,
                      const std::filesystem::path& contactFolder);

}  // namespace figures
