#pragma once

#include <filesystem>

namespace figures {

// Draws the DemoEnemy's four sheets into the content folder and, when a folder is given, its
// contact sheet for review. False when a file cannot be written.
bool DrawDemoEnemySheets(const std::filesystem::path& contentFolder,
                         const std::filesystem::path& contactFolder);

}  // namespace figures
