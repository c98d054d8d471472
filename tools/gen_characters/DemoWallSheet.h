#pragma once

#include <filesystem>

namespace figures {

// Draws the DemoWall's sheet into the content folder and, when a folder is given, its contact
// sheet for review. False when a file cannot be written.
bool DrawDemoWallSheet(const std::filesystem::path& contentFolder,
                       const std::filesystem::path& contactFolder);

}  // namespace figures
