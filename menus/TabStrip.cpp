#include "menus/TabStrip.h"

#include <cmath>

#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/draw/ScreenBox.h"
#include "menus/AtlasPanels.h"

namespace {

constexpr float TabTitleScale = 0.46875f;
constexpr float TitleFromIcon = 30.0f;
// Room for the icon and the margins beside the title.
constexpr float OpenTabPadding = 60.0f;
// The open tab's left edge stands this far left of where its closed tab's centre would be.
constexpr float OpenTabReach = 28.0f;
constexpr float OpenTabDrop = 1.0f;
constexpr float GapAfterOpenTab = 30.0f;
// The stretch of a freshly cut middle, before the first title sizes it.
constexpr float InitialMiddleWidth = 50.0f;

}  // namespace

TabStrip::TabStrip(Texture* atlas, const Cells& cells)
    : openLeft(CutSprite(atlas, cells.openLeft)),
      openMiddle(CutSprite(atlas, cells.openMiddle, InitialMiddleWidth)),
      openRight(CutSprite(atlas, cells.openRight)) {
  for (const platform::PixelRect& icon : cells.icons) {
    closed.push_back(CutSprite(atlas, cells.closed));
    icons.push_back(CutSprite(atlas, icon));
  }
  openLeft->SetName("m_tabOpenLeft");
  openMiddle->SetName("m_tabOpenMiddle");
  openRight->SetName("m_tabOpenRight");
  const float half = InitialMiddleWidth / 2;
  openLeft->SetAltPosition({-half - openLeft->GetScaledSourceSize().x / 2, 0.0f, 0.0f});
  openRight->SetAltPosition({half + openRight->GetScaledSourceSize().x / 2, 0.0f, 0.0f});
  for (Sprite* piece : {openLeft.get(), openMiddle.get(), openRight.get()}) open.AddShape(piece);
}

void TabStrip::SizeOpenTab(const Font* font, const std::string& title) {
  const float w = font ? font->MeasureText(title, true, TabTitleScale) : 0.0f;
  const float middle = std::round(w + OpenTabPadding);
  openMiddle->SetScale(middle, 1.0f);
  openMiddle->SetAltPosition({0.0f, 0.0f, 0.0f});
  openLeft->SetAltPosition({-(middle / 2 + openLeft->GetScaledSourceSize().x / 2), 0.0f, 0.0f});
  openRight->SetAltPosition({middle / 2 + openRight->GetScaledSourceSize().x / 2, 0.0f, 0.0f});
  open.Clear();
  for (Sprite* piece : {openLeft.get(), openMiddle.get(), openRight.get()}) open.AddShape(piece);
}

void TabStrip::Layout(int openTab, float firstTabX, float y) {
  const float width = ScreenBoxOf(open).Width();
  for (int tab = 0; tab < openTab && tab < Count(); ++tab) {
    const float x = firstTabX + TabSpacing * static_cast<float>(tab);
    closed[tab]->SetAltPosition({x, y, 0.0f});
    icons[tab]->SetAltPosition({x, y, 0.0f});
  }
  const float openX = firstTabX + TabSpacing * static_cast<float>(openTab);
  open.SetAltPosition({openX - OpenTabReach + width / 2, y + OpenTabDrop, 0.0f});
  if (openTab >= 0 && openTab < Count()) icons[openTab]->SetAltPosition({openX, y, 0.0f});
  const float afterOpen = ScreenBoxOf(open).right + GapAfterOpenTab;
  for (int tab = openTab + 1; tab < Count(); ++tab) {
    const float x = afterOpen + TabSpacing * static_cast<float>(tab - openTab - 1);
    closed[tab]->SetAltPosition({x, y, 0.0f});
    icons[tab]->SetAltPosition({x, y, 0.0f});
  }
}

void TabStrip::DrawClosedTabs(int openTab) {
  for (int tab = 0; tab < Count(); ++tab) {
    if (tab != openTab) closed[tab]->DrawScreen();
    icons[tab]->DrawScreen();
  }
}

void TabStrip::DrawTitle(Font* font, int openTab, const std::string& title) {
  if (!font || openTab < 0 || openTab >= Count()) return;
  font->scaleX = TabTitleScale;
  font->scaleY = TabTitleScale;
  font->color = ColorWhite;
  const platform::Vector3 icon = icons[openTab]->altPosition;
  font->DrawString(title, {icon.x + TitleFromIcon, icon.y, icon.z}, FontAlignStart,
                   FontAlignStart);
}
