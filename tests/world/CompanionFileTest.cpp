#include <gtest/gtest.h>

#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Texture.h"
#include "world/CompanionFile.h"

namespace {

constexpr Color4 OpaqueWhite{255, 255, 255, 255};
constexpr const char* PlanksPath = "Content\\Textures\\Tiles\\Planks.png";

class CompanionFileReading : public ::testing::Test {
 protected:
  CompanionFileReading() {
    textures.push_back(std::make_unique<Texture>(PlanksPath, L"Planks", 256, 256));
  }

  PrimitiveList Read(const std::string& text) const {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    return ReadCompanionFile(in, textures);
  }

  static const PrimitiveTemplate& First(const PrimitiveList& pages) { return pages[0][0]; }

  std::vector<std::unique_ptr<Texture>> textures;
};

void ExpectDefaults(const PrimitiveTemplate& element) {
  EXPECT_EQ(element.m_templateQuad->texture, nullptr);
  EXPECT_EQ(element.m_rotation, 0.0f);
  EXPECT_EQ(element.m_scaleX, 1.0f);
  EXPECT_EQ(element.m_scaleY, 1.0f);
  EXPECT_EQ(element.m_layer, 0);
  EXPECT_EQ(element.m_color, OpaqueWhite);
  EXPECT_EQ(element.m_templateQuad->width, 32.0f);
  EXPECT_EQ(element.m_templateQuad->outlineVisible, 1);
}

TEST_F(CompanionFileReading, TheBlankPaletteHoldsTenPagesOfTenEmptyWhiteCells) {
  const PrimitiveList pages = BlankPalette();
  ASSERT_EQ(pages.size(), PalettePageCount);
  for (const TemplatePage& page : pages) {
    ASSERT_EQ(page.size(), PalettePageSize);
    for (const PrimitiveTemplate& element : page) {
      ExpectDefaults(element);
      EXPECT_EQ(element.m_templateQuad->fillColor, (Color4{200, 255, 255, 255}))
          << "see-through in the cell";
    }
  }
}

TEST_F(CompanionFileReading, FifteenTokensMakeOneTemplateWhateverTheLinesAre) {
  for (const char* text :
       {"0 0 0 32 32 1 0 90 2 2 3 255 255 0 0\n", "0\n0 0\n32 32 1\n0 90 2 2\n3 255 255 0 0",
        "0 0 0 32 32 1 0 90 2 2 3 255 255 0 0 0 0 0 32 32 1 0 90 2 2 3 255 255 0 0"}) {
    SCOPED_TRACE(text);
    const PrimitiveList pages = Read(text);
    const PrimitiveTemplate& element = First(pages);
    EXPECT_EQ(element.m_templateQuad->texture, nullptr);
    EXPECT_EQ(element.m_templateQuad->sourceRect.right, 32);
    EXPECT_EQ(element.m_templateQuad->sourceRect.bottom, 32);
    EXPECT_EQ(element.m_flipX, 1);
    EXPECT_EQ(element.m_templateQuad->flipHorizontal, 1);
    EXPECT_EQ(element.m_flipY, 0);
    EXPECT_EQ(element.m_rotation, 90.0f);
    EXPECT_EQ(element.m_scaleX, 2.0f);
    EXPECT_EQ(element.m_scaleY, 2.0f);
    EXPECT_EQ(element.m_layer, 3);
    EXPECT_EQ(element.m_color, (Color4{255, 255, 0, 0}));
    EXPECT_EQ(element.m_templateQuad->fillColor, element.m_color);
  }
}

TEST_F(CompanionFileReading, TexturesAreFoundByTheirExactPathAndColoursKeepTheirLowByte) {
  const PrimitiveList pages =
      Read(std::string(PlanksPath) + " 0 0 256 32 0 1 0 1 1 0 256 511 -1 7\n" +
           "content\\textures\\tiles\\planks.png 0 0 8 8 0 0 0 1 1 0 1 1 1 1\n");
  EXPECT_EQ(pages[0][0].m_templateQuad->texture, textures[0].get());
  EXPECT_EQ(pages[0][0].m_templateQuad->sourceRect.bottom, 32)
      << "the file's rectangle, not the texture's";
  EXPECT_EQ(pages[0][0].m_templateQuad->flipVertical, 1);
  EXPECT_EQ(pages[0][0].m_color, (Color4{0, 255, 255, 7}));
  EXPECT_EQ(pages[0][1].m_templateQuad->texture, nullptr) << "names differing in case find nothing";
}

TEST_F(CompanionFileReading, FromTheFirstBadTokenEveryFieldKeepsItsDefault) {
  const PrimitiveList pages =
      Read("0 1 2 3 4 0 0 45 3 1 2 255 1 2 3\n0 1 2 3 4 2 0 45 3 1 2 9 9 9 9\n");
  EXPECT_EQ(pages[0][0].m_rotation, 45.0f) << "the first template reads whole";
  const PrimitiveTemplate& cut = pages[0][1];
  EXPECT_EQ(cut.m_templateQuad->sourceRect.bottom, 4) << "read before the bad flip";
  EXPECT_EQ(cut.m_flipX, 0);
  ExpectDefaults(cut);
  ExpectDefaults(pages[9][9]);
  EXPECT_EQ(pages[9][9].m_templateQuad->fillColor, OpaqueWhite);
}

TEST_F(CompanionFileReading, WhatIsWrittenReadsBackTheSame) {
  const std::string text = std::string(PlanksPath) + " 0 0 256 32 1 1 12.5 0.1 3 -2 128 10 20 30\n";
  const std::string written = CompanionFileText(Read(text));
  EXPECT_EQ(written.substr(0, text.size()), text);
  EXPECT_EQ(CompanionFileText(Read(written)), written);
}

}  // namespace
