#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/draw/ScreenBox.h"
#include "menus/AtlasPanels.h"
#include "menus/MenuWindow.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/PauseMenuCells.h"

using platform::PixelRect;
using platform::Vector3;
namespace Cells = PauseMenuCells;

namespace {

// Statistics pages: the panel leaves a margin round the screen and room for the buttons below.
constexpr float StatisticsPanelInset = 10.0f;
constexpr float StatisticsPanelTop = 30.0f;
constexpr float StatisticsPanelHeightInset = 100.0f;
constexpr Color4 StatisticsPanelColor{180, 80, 60, 200};
constexpr Color4 OutlineColor{255, 0, 0, 0};
constexpr float ButtonBelowPanel = 30.0f;
constexpr float ButtonSpacing = 160.0f;
constexpr Color4 ButtonHighlightColor{80, 255, 255, 255};

// The title plate in the frame's top-left corner.
constexpr Vector3 TitlePlateInset{30.0f, 10.0f, 0.0f};

// The tab strip: the first closed tab 57 pixels right of the row's left end, 35 above the
// content.
constexpr float FirstTabFromRowLeft = 57.0f;
constexpr float TabStripAboveContent = 35.0f;

// Tokens.
constexpr float TokensPlateBelowWindowTop = 8.0f;
constexpr float TokenIconFromRight = 34.0f;
constexpr float TokensPlateMiddleWidth = 185.0f;

// Stats slot columns: 70-pixel rows 72 apart, the header strip above them.
constexpr float SlotRowStep = 72.0f;
constexpr float ColumnHeaderY = 29.0f;
constexpr float ColumnWidth = 195.0f;
constexpr float SlotRowHeight = 70.0f;

// Page panels, all 300 wide.
constexpr float PagePanelFromContentRight = 20.0f;

// Highlights.
constexpr float RowHighlightWidth = 185.0f;
constexpr float SettingsHighlightWidth = 190.0f;
constexpr float SpareHighlightWidth = 145.0f;
constexpr float SettingsHighlightHeight = 18.0f;
constexpr Color4 ItemIconTint{255, 100, 100, 100};
constexpr float SelectionArrowGap = 9.0f;

Vector3 Size(const Sprite& sprite) { return sprite.GetScaledSourceSize(); }

void PlaceAt(Sprite& sprite, float x, float y) { sprite.SetAltPosition({x, y, 0.0f}); }

// One piece of a group: placed relative to the group's origin, then added.
void AddAt(ShapeList& group, Sprite& piece, float x, float y) {
  PlaceAt(piece, x, y);
  group.AddShape(&piece);
}

}  // namespace

void MenuPause::BuildStatisticsQuads() {
  const float w = static_cast<float>(ScreenWidth);
  const float h = static_cast<float>(ScreenHeight);
  MenuWindow::SetUpBackdrop(m_backdrop);

  const float panelHeight = h - StatisticsPanelHeightInset;
  m_statisticsPanel.SetDimensions(w - StatisticsPanelInset, panelHeight, 0.0f);
  m_statisticsPanel.SetAltPosition({w / 2, StatisticsPanelTop + panelHeight / 2, 0.0f});
  const Vector3 corner = m_statisticsPanel.GetAltTopLeftUnrotated();
  const float panelBottom = corner.y + m_statisticsPanel.height;
  m_resumeButton.SetDimensions(ButtonWidth, ButtonHeight, 0.0f);
  m_resumeButton.SetAltPosition({corner.x + ButtonWidth / 2, panelBottom + ButtonBelowPanel, 0.0f});
  m_quitButton.SetDimensions(ButtonWidth, ButtonHeight, 0.0f);
  m_quitButton.SetAltPosition(m_resumeButton.altPosition + Vector3{ButtonSpacing, 0.0f, 0.0f});
  for (Quad* quad : {&m_statisticsPanel, &m_resumeButton, &m_quitButton}) {
    quad->SetFillColor(StatisticsPanelColor);
    quad->SetOutlineColor(OutlineColor);
    quad->outlineVisible = 1;
  }
  m_buttonHighlight.SetFillColor(ButtonHighlightColor);
  m_selectedButton = &m_resumeButton;
  PlaceOver(m_buttonHighlight, *m_selectedButton);
}

void MenuPause::BuildFrame() {
  Texture* atlas = m_menuAtlas;
  MenuWindow::BuildFrame(atlas, m_window, m_windowLeft, m_windowMiddle, m_windowRight);
  const ScreenBox window = ScreenBoxOf(m_window);
  m_titlePlate = CutSprite(atlas, Cells::TitlePlate);
  const Vector3 title = Size(*m_titlePlate);
  PlaceAt(*m_titlePlate, window.left + TitlePlateInset.x + title.x / 2,
          window.top + TitlePlateInset.y + title.y / 2);
  m_footerRight = CutSprite(atlas, Cells::FooterRight);
  m_footerMiddle = CutSprite(atlas, Cells::FooterMiddle);
  m_footerLeft = CutSprite(atlas, Cells::FooterLeft);
  MenuWindow::PlaceFooters(m_window, {m_footerRight.get(), m_footerMiddle.get(), m_footerLeft.get()});
  m_contentPanel = CutSprite(atlas, Cells::ContentPanel);
  m_tabRowLeft = CutSprite(atlas, Cells::TabRowLeft);
  m_tabRowRight = CutSprite(atlas, Cells::TabRowRight);
  MenuWindow::PlaceContent(m_window, *m_contentPanel, *m_tabRowLeft, *m_tabRowRight);
}

void MenuPause::BuildSlotColumns() {
  Texture* atlas = m_menuAtlas;
  m_columnHighlightHeader = CutSprite(atlas, Cells::ColumnHeader);
  AddAt(m_columnHighlight, *m_columnHighlightHeader, 0.0f, ColumnHeaderY);
  for (int i = 0; i < SlotRowCount; ++i) {
    const float y = SlotRowStep * static_cast<float>(i + 1);
    m_equipmentRowFrames[i] = CutSprite(atlas, Cells::SlotFrame);
    AddAt(m_equipmentColumn, *m_equipmentRowFrames[i], 0.0f, y);
    m_runeRowFrames[i] = CutSprite(atlas, Cells::SlotFrame);
    m_runeRowFrames[i]->flipHorizontal = 1;
    AddAt(m_runeColumn, *m_runeRowFrames[i], 0.0f, y);
    m_columnHighlightPlates[i] = CutSprite(atlas, Cells::HighlightPlate, ColumnWidth, SlotRowHeight);
    AddAt(m_columnHighlight, *m_columnHighlightPlates[i], 0.0f, y);
  }
}

void MenuPause::PlaceItemPagePanels() {
  const ScreenBox content = ScreenBoxOf(*m_contentPanel);
  const float y = m_contentPanel->altPosition.y;
  for (ShapeList* panel : {&m_itemPage.detailsPanel, &m_itemPage.entryPanel}) {
    const float x = content.right - PagePanelFromContentRight - ScreenBoxOf(*panel).Width() / 2;
    panel->SetAltPosition({x, y, 0.0f});
  }
}

void MenuPause::BuildMarkersAndPictures() {
  Texture* atlas = m_menuAtlas;
  m_selectionArrow = CutSprite(atlas, Cells::SelectionArrow);
  m_slotMarker = CutSprite(atlas, Cells::SlotMarker);
  m_sideHighlight = CutSprite(atlas, Cells::RowHighlight, RowHighlightWidth);
  m_listHighlight = CutSprite(atlas, Cells::RowHighlight, RowHighlightWidth);
  m_settingsHighlight =
      CutSprite(atlas, Cells::HighlightPlate, SettingsHighlightWidth, SettingsHighlightHeight);
  m_spareHighlight =
      CutSprite(atlas, Cells::HighlightPlate, SpareHighlightWidth, SettingsHighlightHeight);
  std::unique_ptr<Sprite>* icons[] = {&m_weaponIcon,   &m_headgearIcon, &m_armorIcon,
                                      &m_gauntletIcon, &m_bootsIcon,    &m_keyItemIcon};
  for (size_t i = 0; i < Cells::ItemIcons.size(); ++i) {
    *icons[i] = CutSprite(atlas, Cells::ItemIcons[i]);
    (*icons[i])->SetFillColor(ItemIconTint);
  }
}

void MenuPause::BuildSpareTabIcons() {
  for (int k = 0; k < Cells::SpareTabIconCount; ++k) {
    const int top = Cells::SpareTabIconTop + Cells::TabIconHeight * k;
    const PixelRect& first = Cells::TabIcons[0];
    m_spareTabIcons[k] =
        CutSprite(m_menuAtlas, {first.left, top, first.right, top + Cells::TabIconHeight});
  }
}

void MenuPause::BuildTokensPlate() {
  Texture* atlas = m_menuAtlas;
  m_tokensPlateRight = CutSprite(atlas, Cells::TokensPlateRight);
  m_tokensPlateMiddle = CutSprite(atlas, Cells::TokensPlateMiddle, TokensPlateMiddleWidth);
  m_tokensPlateLeft = CutSprite(atlas, Cells::TokensPlateLeft);
  m_tokenIcon = CutSprite(atlas, Cells::TokenIcon);
  const ScreenBox window = ScreenBoxOf(m_window);
  const ScreenBox windowRight = ScreenBoxOf(*m_windowRight);
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

void MenuPause::LayoutSidePanel(int rowCount) { m_sidePanel.Layout(rowCount, m_overlayOffset); }

void MenuPause::LayoutListPanel(int rowCount) { m_listPanel.Layout(rowCount, m_overlayOffset); }

void MenuPause::LayoutSlotListPanel(int rowCount) {
  m_slotListPanel.Layout(rowCount, m_overlayOffset);
}

void MenuPause::LayoutTabStrip(int openTab, const std::string& title) {
  m_tabs.SizeOpenTab(m_fontArc64pt, title);
  m_tabs.Layout(openTab, m_tabRowLeft->altPosition.x + FirstTabFromRowLeft,
                ScreenBoxOf(*m_contentPanel).top - TabStripAboveContent);
}

void MenuPause::PlaceSelectionArrow(const Sprite& highlight) {
  const Vector3 at = highlight.altPosition;
  m_selectionArrow->SetAltPosition({at.x + Size(highlight).x / 2 + SelectionArrowGap, at.y, at.z});
}
