#include <gtest/gtest.h>

#include "app/BuildGameStates.h"
#include "engine/BitmapFonts.h"
#include "engine/GameStateSet.h"
#include "engine/Texture.h"
#include "support/RenderFixture.h"
#include "support/TempFolder.h"

namespace {

class GameStateSetTest : public RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    SetInterfaceColors();
  }
};

}  // namespace

TEST_F(GameStateSetTest, LoadsTheAtlasesAndBuildsTheFontsInWhite) {
  // An empty working folder: every atlas is missing, which must not stop the start.
  TempFolder folder;
  WorkingFolder working(folder.Path());
  std::unique_ptr<GameStateSet> set = BuildGameStates(camera.get());
  ASSERT_TRUE(set->interfaceAtlas);
  EXPECT_EQ(set->interfaceAtlas->path, "Content\\Textures\\HUD\\menuatlas2.png");
  EXPECT_EQ(set->interfaceAtlas->width, 1024u);
  EXPECT_FALSE(set->interfaceAtlas->texture);
  ASSERT_TRUE(set->fontWritten && set->fontArc64pt && set->fontArc17pt);
  EXPECT_EQ(set->fontWritten->texture, set->writtenFontAtlas.get());
  EXPECT_EQ(set->writtenFontAtlas->path, "Content\\Textures\\Fonts\\FontAtlasv4.png");
  EXPECT_EQ(set->fontArc64pt->texture, set->arcFontAtlas.get());
  EXPECT_EQ(set->fontArc17pt->texture, set->arcFontAtlas.get());
  EXPECT_EQ(set->arcFontAtlas->path, "Content\\Textures\\Fonts\\fontArcV5.png");
  for (const Font* font : {static_cast<const Font*>(set->fontWritten.get()),
                           static_cast<const Font*>(set->fontArc64pt.get()),
                           static_cast<const Font*>(set->fontArc17pt.get())}) {
    EXPECT_EQ(font->GetColor(), ColorWhite);
  }
  DestroyGameStates(*set);
  EXPECT_FALSE(set->interfaceAtlas);
  EXPECT_FALSE(set->fontArc17pt);
  EXPECT_FALSE(set->arcFontAtlas);
  EXPECT_EQ(set->current, nullptr);
}

TEST_F(GameStateSetTest, GeneratedAtlasesLoadOnTheDevice) {
  WorkingFolder working(std::filesystem::path(QM_CONTENT_DIR).parent_path());
  std::unique_ptr<GameStateSet> set = BuildGameStates(camera.get());
  EXPECT_TRUE(set->writtenFontAtlas->texture);
  EXPECT_TRUE(set->arcFontAtlas->texture);
}
