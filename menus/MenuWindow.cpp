#include "menus/MenuWindow.h"

#include "engine/BitmapFonts.h"
#include "engine/Font.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/draw/ScreenBox.h"
#include "menus/AtlasPanels.h"
#include "menus/MenuCells.h"
#include "menus/TabStrip.h"
#include "platform/SpriteBatch.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr float GlyphSpacing = 1.0f;
constexpr float BackdropMargin = 10.0f;
constexpr Color4 BackdropColor{80, 0, 0, 0};
constexpr float FrameMiddleWidth = 660.0f;
constexpr float FooterRightInset = 20.0f;
constexpr float FooterBottomInset = 10.0f;
constexpr float FooterGap = 20.0f;
constexpr Vector3 ContentOffset{0.0f, 32.0f, 0.0f};
constexpr float TabRowInset = 10.0f;
// The first closed tab 57 pixels right of the tab row's left end, 35 above the content.
constexpr float FirstTabFromRowLeft = 57.0f;
constexpr float TabsAboveContent = 35.0f;

int Width(const platform::PixelRect& cell) { return cell.right - cell.left; }

}  // namespace

MenuWindow::MenuWindow(const GameStateSet* set, const platform::PixelRect& contentCell,
                       std::initializer_list<platform::PixelRect> moreFooterCells)
    : atlas(set ? set->interfaceAtlas.get() : nullptr),
      largeFont(set ? set->fontArc64pt.get() : nullptr),
      smallFont(set ? set->fontArc17pt.get() : nullptr) {
  const float w = static_cast<float>(ScreenWidth);
  const float h = static_cast<float>(ScreenHeight);
  backdrop.SetDimensions(w + BackdropMargin, h + BackdropMargin, 0.0f);
  backdrop.SetAltPosition({w / 2, h / 2, 0.0f});
  backdrop.SetFillColor(BackdropColor);

  const float half = FrameMiddleWidth / 2;
  const float leftX = -half - static_cast<float>(Width(MenuCells::WindowLeft)) / 2;
  const float rightX = half + static_cast<float>(Width(MenuCells::WindowRight)) / 2;
  BuildPanel(atlas, frame,
             {{&frameLeft, MenuCells::WindowLeft, 1, 1, leftX, 0},
              {&frameMiddle, MenuCells::WindowMiddle, FrameMiddleWidth, 1, 0, 0},
              {&frameRight, MenuCells::WindowRight, 1, 1, rightX, 0}});
  frame.SetAltPosition({w / 2, h / 2, 0.0f});
  const ScreenBox box = ScreenBoxOf(frame);

  std::vector<platform::PixelRect> footerCells{MenuCells::FooterRight, MenuCells::FooterMiddle};
  footerCells.insert(footerCells.end(), moreFooterCells);
  float right = box.right - FooterRightInset;
  for (const platform::PixelRect& cell : footerCells) {
    Sprite& footer = *footers.emplace_back(CutSprite(atlas, cell));
    const Vector3 size = footer.GetScaledSourceSize();
    footer.SetAltPosition({right - size.x / 2, box.bottom - FooterBottomInset - size.y / 2, 0.0f});
    right -= size.x + FooterGap;
  }

  content = CutSprite(atlas, contentCell);
  tabRowLeft = CutSprite(atlas, MenuCells::TabRowLeft);
  tabRowRight = CutSprite(atlas, MenuCells::TabRowRight);
  content->SetAltPosition(frame.altPosition + ContentOffset);
  const float contentTop = ScreenBoxOf(*content).top;
  const Vector3 leftSize = tabRowLeft->GetScaledSourceSize();
  const Vector3 rightSize = tabRowRight->GetScaledSourceSize();
  tabRowLeft->SetAltPosition(
      {box.left + TabRowInset + leftSize.x / 2, contentTop - TabRowInset - leftSize.y / 2, 0.0f});
  tabRowRight->SetAltPosition({box.right - TabRowInset - rightSize.x / 2,
                               contentTop - TabRowInset - rightSize.y / 2, 0.0f});
}

void MenuWindow::ResetGlyphSpacing() const {
  if (largeFont) largeFont->spacing = GlyphSpacing;
  if (smallFont) smallFont->spacing = GlyphSpacing;
}

void MenuWindow::DrawBehind(World* world) {
  if (world) world->Draw();
  backdrop.DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  frame.DrawScreen();
}

void MenuWindow::LayoutTabs(TabStrip& tabs, int openTab, const std::string& title) const {
  tabs.SizeOpenTab(largeFont, title);
  tabs.Layout(openTab, tabRowLeft->altPosition.x + FirstTabFromRowLeft,
              ScreenBoxOf(*content).top - TabsAboveContent);
}
