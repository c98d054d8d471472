#include "engine/Globals.h"
#include "engine/draw/ScreenBox.h"
#include "menus/AtlasPanels.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/PauseMenuCells.h"

using platform::PixelRect;
using platform::Vector3;
namespace Cells = PauseMenuCells;

namespace {

// The title plate in the frame's top-left corner.
constexpr Vector3 TitlePlateInset{30.0f, 10.0f, 0.0f};

// Tokens.
constexpr float TokensPlateBelowWindowTop = 8.0f;
constexpr float TokenIconFromRight = 34.0f;
constexpr float TokensPlateMiddleWidth = 185.0f;

// Page panels, all 300 wide, where the menu first puts them.
constexpr float PagePanelFromContentRight = 20.0f;

// Highlights.
constexpr float RowHighlightWidth = 185.0f;
constexpr float SpareHighlightWidth = 145.0f;
constexpr float SpareHighlightHeight = 18.0f;
constexpr float SelectionArrowGap = 9.0f;

Vector3 Size(const Sprite& sprite) { return sprite.GetScaledSourceSize(); }

void PlaceAt(Sprite& sprite, float x, float y) { sprite.SetAltPosition({x, y, 0.0f}); }

}  // namespace

void MenuPause::BuildTitlePlate() {
  const ScreenBox window = ScreenBoxOf(m_window.frame);
  m_titlePlate = CutSprite(m_window.atlas, Cells::TitlePlate);
  const Vector3 title = Size(*m_titlePlate);
  PlaceAt(*m_titlePlate, window.left + TitlePlateInset.x + title.x / 2,
          window.top + TitlePlateInset.y + title.y / 2);
}

void MenuPause::PlaceItemPagePanels() {
  const Sprite& contentPanel = *m_window.content;
  const ScreenBox content = ScreenBoxOf(contentPanel);
  const float y = contentPanel.altPosition.y;
  for (ShapeList* panel : {&m_itemPage.detailsPanel, &m_itemPage.entryPanel}) {
    const float x = content.right - PagePanelFromContentRight - ScreenBoxOf(*panel).Width() / 2;
    panel->SetAltPosition({x, y, 0.0f});
  }
}

void MenuPause::PlacePagePieces() {
  const Vector3 page = m_itemPage.CentreIn(*m_window.content);
  m_itemPage.descriptionPanel.SetAltPosition(page);
  m_itemPage.detailsPanel.SetAltPosition(page);
  if (m_player) m_itemPage.PlaceHud(*m_player);
  m_itemPage.PlaceMarkers();
}

void MenuPause::BuildMarkers() {
  Texture* atlas = m_window.atlas;
  m_selectionArrow = CutSprite(atlas, Cells::SelectionArrow);
  m_sideHighlight = CutSprite(atlas, Cells::RowHighlight, RowHighlightWidth);
  m_listHighlight = CutSprite(atlas, Cells::RowHighlight, RowHighlightWidth);
  m_spareHighlight =
      CutSprite(atlas, Cells::HighlightPlate, SpareHighlightWidth, SpareHighlightHeight);
}

void MenuPause::BuildSpareTabIcons() {
  for (int k = 0; k < Cells::SpareTabIconCount; ++k) {
    const int top = Cells::SpareTabIconTop + Cells::TabIconHeight * k;
    const PixelRect& first = Cells::TabIcons[0];
    m_spareTabIcons[k] =
        CutSprite(m_window.atlas, {first.left, top, first.right, top + Cells::TabIconHeight});
  }
}

void MenuPause::BuildTokensPlate() {
  Texture* atlas = m_window.atlas;
  m_tokensPlateRight = CutSprite(atlas, Cells::TokensPlateRight);
  m_tokensPlateMiddle = CutSprite(atlas, Cells::TokensPlateMiddle, TokensPlateMiddleWidth);
  m_tokensPlateLeft = CutSprite(atlas, Cells::TokensPlateLeft);
  m_tokenIcon = CutSprite(atlas, Cells::TokenIcon);
  const ScreenBox window = ScreenBoxOf(m_window.frame);
  const ScreenBox windowRight = ScreenBoxOf(*m_window.frameRight);
  const Vector3 rightSize = Size(*m_tokensPlateRight);
  const float y = window.top + TokensPlateBelowWindowTop + rightSize.y / 2;
  PlaceAt(*m_tokensPlateRight, windowRight.left + rightSize.x / 2, y);
  const float middleX = windowRight.left - Size(*m_tokensPlateMiddle).x / 2;
  PlaceAt(*m_tokensPlateMiddle, middleX, y);
  PlaceAt(*m_tokensPlateLeft,
          ScreenBoxOf(*m_tokensPlateMiddle).left - Size(*m_tokensPlateLeft).x / 2, y);
  PlaceAt(*m_tokenIcon, ScreenBoxOf(*m_tokensPlateRight).right - TokenIconFromRight, y);
  for (Sprite* piece : {m_tokensPlateRight.get(), m_tokensPlateMiddle.get(),
                        m_tokensPlateLeft.get(), m_tokenIcon.get()}) {
    m_tokensPlate.AddShape(piece);
  }
}

void MenuPause::LayoutSidePanel(int rowCount) { m_sidePanel.Layout(rowCount, OverlayOffset); }

void MenuPause::LayoutListPanel(int rowCount) { m_listPanel.Layout(rowCount, OverlayOffset); }

void MenuPause::LayoutTabStrip(int openPlace, const std::string& title) {
  m_window.LayoutTabs(m_tabs, openPlace, title);
}

void MenuPause::PlaceSelectionArrow(const Sprite& highlight) {
  const Vector3 at = highlight.altPosition;
  m_selectionArrow->SetAltPosition({at.x + Size(highlight).x / 2 + SelectionArrowGap, at.y, at.z});
}
