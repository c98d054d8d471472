#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/FileIO.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

TEST(FileList, RegularFilesOfTheExtensionInNameOrder) {
  TempFolder folder;
  WorkingFolder working(folder.Path());
  fs::create_directories("Content/Maps/Folder.gmf");
  for (const char* name : {"b.gmf", "a.gmf", ".gmf", "c.gmfx", "d.mef", "[TEMP].gmf"}) {
    std::ofstream(fs::path("Content/Maps") / name) << "x";
  }
  fs::create_symlink(fs::absolute("Content/Maps/a.gmf"), "Content/Maps/linked.gmf");
  EXPECT_EQ(ListFiles("Content\\Maps\\", ".gmf"),
            (std::vector<std::string>{".gmf", "[TEMP].gmf", "a.gmf", "b.gmf", "linked.gmf"}));
  EXPECT_TRUE(ListFiles("Content\\Audio\\", ".ogg").empty()) << "a missing folder lists nothing";
}
