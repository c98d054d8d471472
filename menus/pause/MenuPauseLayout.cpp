#include <cmath>

#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/draw/ScreenBox.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/PauseMenuCells.h"

using platform::PixelRect;
using platform::Vector3;
namespace Cells = PauseMenuCells;

namespace {

// Statistics pages: the panel leaves a margin round the screen and room for the buttons below.
constexpr float BackdropMargin = 10.0f;
constexpr Color4 BackdropColor{80, 0, 0, 0};
constexpr float StatisticsPanelInset = 10.0f;
constexpr float StatisticsPanelTop = 30.0f;
constexpr float StatisticsPanelHeightInset = 100.0f;
constexpr Color4 StatisticsPanelColor{180, 80, 60, 200};
constexpr Color4 OutlineColor{255, 0, 0, 0};
constexpr float ButtonWidth = 150.0f;
constexpr float ButtonHeight = 40.0f;
constexpr float ButtonBelowPanel = 30.0f;
constexpr float ButtonSpacing = 160.0f;
constexpr Color4 ButtonHighlightColor{80, 255, 255, 255};

// The frame.
constexpr float WindowMiddleWidth = 660.0f;
constexpr Vector3 TitlePlateInset{30.0f, 10.0f, 0.0f};
constexpr float FooterRightInset = 20.0f;
constexpr float FooterBottomInset = 10.0f;
constexpr float FooterGap = 20.0f;
constexpr Vector3 ContentPanelOffset{0.0f, 32.0f, 0.0f};
constexpr float TabRowInset = 10.0f;

// The tab strip: closed tabs 57 apart, the open tab sized to its title.
constexpr float OpenTabPadding = 60.0f;
constexpr float OpenTabEndOffset = 5.0f;
constexpr float OpenTabEndsWidth = 20.0f;
constexpr float TabSpacing = 57.0f;
constexpr float FirstTabFromRowLeft = 57.0f;
constexpr float OpenTabFromRowLeft = 29.0f;
constexpr float TabStripAboveContent = 35.0f;
constexpr float OpenTabDrop = 1.0f;
constexpr float TabAfterOpen = 30.0f;
constexpr Vector3 TabOpenEndsAt{30.0f, 0.0f, 0.0f};

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
constexpr float PageWidth = 300.0f;

// Highlights.
constexpr float RowHighlightWidth = 185.0f;
constexpr float SettingsHighlightWidth = 190.0f;
constexpr float SpareHighlightWidth = 145.0f;
constexpr float SettingsHighlightHeight = 18.0f;
constexpr Color4 ItemIconTint{255, 100, 100, 100};
constexpr float SelectionArrowGap = 9.0f;

std::unique_ptr<Sprite> Cut(Texture* atlas, const PixelRect& cell, float scaleX = 1.0f,
                            float scaleY = 1.0f) {
  auto sprite = std::make_unique<Sprite>(atlas, 0, Vector3{}, 0.0f, cell);
  sprite->SetScale(scaleX, scaleY);
  return sprite;
}

std::unique_ptr<Sprite> Named(std::unique_ptr<Sprite> sprite, const char* name) {
  sprite->SetName(name);
  return sprite;
}

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
  m_backdrop.SetDimensions(w + BackdropMargin, h + BackdropMargin, 0.0f);
  m_backdrop.SetAltPosition({w / 2, h / 2, 0.0f});
  m_backdrop.SetFillColor(BackdropColor);

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
  m_windowLeft = Cut(atlas, Cells::WindowLeft);
  m_windowMiddle = Cut(atlas, Cells::WindowMiddle, WindowMiddleWidth);
  m_windowRight = Cut(atlas, Cells::WindowRight);
  const float half = WindowMiddleWidth / 2;
  AddAt(m_window, *m_windowLeft, -half - Size(*m_windowLeft).x / 2, 0.0f);
  AddAt(m_window, *m_windowMiddle, 0.0f, 0.0f);
  AddAt(m_window, *m_windowRight, half + Size(*m_windowRight).x / 2, 0.0f);
  m_window.SetAltPosition({ScreenWidth / 2.0f, ScreenHeight / 2.0f, 0.0f});
  const ScreenBox window = ScreenBoxOf(m_window);

  m_titlePlate = Cut(atlas, Cells::TitlePlate);
  const Vector3 title = Size(*m_titlePlate);
  PlaceAt(*m_titlePlate, window.left + TitlePlateInset.x + title.x / 2,
          window.top + TitlePlateInset.y + title.y / 2);

  // The footer plates stand in a row from the window's bottom-right corner leftward.
  m_footerRight = Cut(atlas, Cells::FooterRight);
  m_footerMiddle = Cut(atlas, Cells::FooterMiddle);
  m_footerLeft = Cut(atlas, Cells::FooterLeft);
  float right = window.right - FooterRightInset;
  for (Sprite* footer : {m_footerRight.get(), m_footerMiddle.get(), m_footerLeft.get()}) {
    const Vector3 size = Size(*footer);
    PlaceAt(*footer, right - size.x / 2, window.bottom - FooterBottomInset - size.y / 2);
    right -= size.x + FooterGap;
  }

  m_contentPanel = Cut(atlas, Cells::ContentPanel);
  m_contentPanel->SetAltPosition(m_window.altPosition + ContentPanelOffset);
  const float contentTop = ScreenBoxOf(*m_contentPanel).top;
  m_tabRowLeft = Cut(atlas, Cells::TabRowLeft);
  m_tabRowRight = Cut(atlas, Cells::TabRowRight);
  const Vector3 leftSize = Size(*m_tabRowLeft);
  const Vector3 rightSize = Size(*m_tabRowRight);
  PlaceAt(*m_tabRowLeft, window.left + TabRowInset + leftSize.x / 2,
          contentTop - TabRowInset - leftSize.y / 2);
  PlaceAt(*m_tabRowRight, window.right - TabRowInset - rightSize.x / 2,
          contentTop - TabRowInset - rightSize.y / 2);
}

void MenuPause::BuildSlotColumns() {
  Texture* atlas = m_menuAtlas;
  m_columnHighlightHeader = Cut(atlas, Cells::ColumnHeader);
  AddAt(m_columnHighlight, *m_columnHighlightHeader, 0.0f, ColumnHeaderY);
  for (int i = 0; i < SlotRowCount; ++i) {
    const float y = SlotRowStep * static_cast<float>(i + 1);
    m_equipmentRowFrames[i] = Cut(atlas, Cells::SlotFrame);
    AddAt(m_equipmentColumn, *m_equipmentRowFrames[i], 0.0f, y);
    m_runeRowFrames[i] = Cut(atlas, Cells::SlotFrame);
    m_runeRowFrames[i]->flipHorizontal = 1;
    AddAt(m_runeColumn, *m_runeRowFrames[i], 0.0f, y);
    m_columnHighlightPlates[i] = Cut(atlas, Cells::HighlightPlate, ColumnWidth, SlotRowHeight);
    AddAt(m_columnHighlight, *m_columnHighlightPlates[i], 0.0f, y);
  }
}

void MenuPause::BuildPagePanels() {
  Texture* atlas = m_menuAtlas;
  const PixelRect fill = Cells::PanelFill;
  struct Piece {
    std::unique_ptr<Sprite>* sprite;
    PixelRect cell;
    float scaleX;
    float scaleY;
    float x;
    float y;
  };
  auto build = [atlas](ShapeList& group, std::initializer_list<Piece> pieces) {
    for (const Piece& piece : pieces) {
      *piece.sprite = Cut(atlas, piece.cell, piece.scaleX, piece.scaleY);
      AddAt(group, **piece.sprite, piece.x, piece.y);
    }
  };
  build(m_detailsPanel, {{&m_detailsPanelBody, fill, 300, 355, 0, 0},
                         {&m_detailsTopLeft, Cells::PanelTopLeft, 1, 1, -145, -183},
                         {&m_detailsTop, fill, 290, 10, 5, -183},
                         {&m_detailsBottomRight, Cells::PanelBottomRight, 1, 1, 145, 182},
                         {&m_detailsBottom, fill, 290, 10, -5, 182}});
  build(m_entryPanel, {{&m_entryFill, fill, 300, 349, 0, 0},
                       {&m_entryTopLeft, Cells::EntryTopLeft, 1, 1, -145, -183},
                       {&m_entryTop, fill, 290, 16, 5, -183},
                       {&m_entryBottomRight, Cells::PanelBottomRight, 1, 1, 145, 179},
                       {&m_entryBottom, fill, 290, 10, -5, 179},
                       {&m_entryFill2, fill, 300, 349, 0, 0},
                       {&m_entryBottomRight2, Cells::PanelBottomRight, 1, 1, 145, 179},
                       {&m_entryBottom2, fill, 290, 10, -5, 179}});
  build(m_panelDescriptionStats,
        {{&m_panelDescriptionStatsMiddleMiddle, fill, 300, 71, 0, 0},
         {&m_panelDescriptionStatsBreakTop, Cells::PanelBreak, 1, 1, 0, -38},
         {&m_panelDescriptionStatsMiddleTop, fill, 300, 184, 0, -132},
         {&m_panelDescriptionStatsTopLeft, Cells::PanelTopLeft, 1, 1, -145, -229},
         {&m_panelDescriptionStatsTop, fill, 290, 10, 5, -229},
         {&m_panelDescriptionStatsBreakBottom, Cells::PanelBreak, 1, 1, 0, 37},
         {&m_panelDescriptionStatsMiddleBottom, fill, 300, 92, 0, 85},
         {&m_panelDescriptionStatsBottomRight, Cells::PanelBottomRight, 1, 1, 145, 136},
         {&m_panelDescriptionStatsBottom, fill, 290, 10, -5, 136}});
  const std::pair<Sprite*, const char*> names[] = {
      {m_panelDescriptionStatsTopLeft.get(), "m_panelDescriptionStatsTopLeft"},
      {m_panelDescriptionStatsTop.get(), "m_panelDescriptionStatsTop"},
      {m_panelDescriptionStatsMiddleTop.get(), "m_panelDescriptionStatsMiddleTop"},
      {m_panelDescriptionStatsBreakTop.get(), "m_panelDescriptionStatsBreakTop"},
      {m_panelDescriptionStatsMiddleMiddle.get(), "m_panelDescriptionStatsMiddleMiddle"},
      {m_panelDescriptionStatsBreakBottom.get(), "m_panelDescriptionStatsBreakBottom"},
      {m_panelDescriptionStatsMiddleBottom.get(), "m_panelDescriptionStatsMiddleBottom"},
      {m_panelDescriptionStatsBottomRight.get(), "m_panelDescriptionStatsBottomRight"},
      {m_panelDescriptionStatsBottom.get(), "m_panelDescriptionStatsBottom"}};
  for (const auto& [sprite, name] : names) sprite->SetName(name);

  const ScreenBox content = ScreenBoxOf(*m_contentPanel);
  const float y = m_contentPanel->altPosition.y;
  for (ShapeList* panel : {&m_detailsPanel, &m_entryPanel}) {
    const float x = content.right - PagePanelFromContentRight - ScreenBoxOf(*panel).Width() / 2;
    panel->SetAltPosition({x, y, 0.0f});
  }
}

void MenuPause::BuildMarkersAndPictures() {
  Texture* atlas = m_menuAtlas;
  m_selectionArrow = Cut(atlas, Cells::SelectionArrow);
  m_slotMarker = Cut(atlas, Cells::SlotMarker);
  m_sideHighlight = Cut(atlas, Cells::RowHighlight, RowHighlightWidth);
  m_listHighlight = Cut(atlas, Cells::RowHighlight, RowHighlightWidth);
  m_settingsHighlight =
      Cut(atlas, Cells::HighlightPlate, SettingsHighlightWidth, SettingsHighlightHeight);
  m_spareHighlight =
      Cut(atlas, Cells::HighlightPlate, SpareHighlightWidth, SettingsHighlightHeight);
  for (int k = 0; k < SlotRowCount; ++k) {
    m_raiseMarkers[k] = Cut(atlas, Cells::RaiseMarker);
    m_dropMarkers[k] = Cut(atlas, Cells::DropMarker);
  }
  std::unique_ptr<Sprite>* icons[] = {&m_weaponIcon,   &m_headgearIcon, &m_armorIcon,
                                      &m_gauntletIcon, &m_bootsIcon,    &m_keyItemIcon};
  for (size_t i = 0; i < Cells::ItemIcons.size(); ++i) {
    *icons[i] = Cut(atlas, Cells::ItemIcons[i]);
    (*icons[i])->SetFillColor(ItemIconTint);
  }
}

void MenuPause::BuildTabStrip() {
  Texture* atlas = m_menuAtlas;
  for (int tab = 0; tab < StripTabCount; ++tab) {
    m_tabBacks[tab] = Cut(atlas, Cells::TabBack);
    m_tabIcons[tab] = Cut(atlas, Cells::TabIcons[tab]);
  }
  for (int k = 0; k < Cells::SpareTabIconCount; ++k) {
    const int top = Cells::SpareTabIconTop + Cells::TabIconHeight * k;
    const PixelRect& first = Cells::TabIcons[0];
    m_spareTabIcons[k] = Cut(atlas, {first.left, top, first.right, top + Cells::TabIconHeight});
  }
  m_tabOpenLeft = Named(Cut(atlas, Cells::TabOpenLeft), "m_tabOpenLeft");
  m_tabOpenMiddle = Named(Cut(atlas, Cells::TabOpenMiddle, 50.0f), "m_tabOpenMiddle");
  m_tabOpenRight = Named(Cut(atlas, Cells::TabOpenRight), "m_tabOpenRight");
  AddAt(m_tabOpen, *m_tabOpenLeft, -TabOpenEndsAt.x, 0.0f);
  AddAt(m_tabOpen, *m_tabOpenMiddle, 0.0f, 0.0f);
  AddAt(m_tabOpen, *m_tabOpenRight, TabOpenEndsAt.x, 0.0f);
}

void MenuPause::BuildTokensPlate() {
  Texture* atlas = m_menuAtlas;
  m_tokensPlateRight = Cut(atlas, Cells::TokensPlateRight);
  m_tokensPlateMiddle = Cut(atlas, Cells::TokensPlateMiddle, TokensPlateMiddleWidth);
  m_tokensPlateLeft = Cut(atlas, Cells::TokensPlateLeft);
  m_tokenIcon = Cut(atlas, Cells::TokenIcon);
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
  const float w = m_fontArc64pt ? m_fontArc64pt->MeasureText(title, true, TabTitleScale) : 0.0f;
  const float middle = std::round(w + OpenTabPadding);
  m_tabOpenMiddle->SetScale(middle, 1.0f);
  PlaceAt(*m_tabOpenMiddle, 0.0f, 0.0f);
  PlaceAt(*m_tabOpenLeft, -(middle / 2 + OpenTabEndOffset), 0.0f);
  PlaceAt(*m_tabOpenRight, middle / 2 + OpenTabEndOffset, 0.0f);
  m_tabOpen.Clear();
  for (Sprite* piece : {m_tabOpenLeft.get(), m_tabOpenMiddle.get(), m_tabOpenRight.get()}) {
    m_tabOpen.AddShape(piece);
  }
  const float openWidth = middle + OpenTabEndsWidth;
  const float rowLeftX = m_tabRowLeft->altPosition.x;
  const float x0 = rowLeftX + FirstTabFromRowLeft;
  const float y0 = ScreenBoxOf(*m_contentPanel).top - TabStripAboveContent;
  for (int tab = 0; tab < openTab && tab < StripTabCount; ++tab) {
    const float x = x0 + TabSpacing * static_cast<float>(tab);
    PlaceAt(*m_tabBacks[tab], x, y0);
    PlaceAt(*m_tabIcons[tab], x, y0);
  }
  const float openX =
      rowLeftX + OpenTabFromRowLeft + TabSpacing * static_cast<float>(openTab) + openWidth / 2;
  m_tabOpen.SetAltPosition({openX, y0 + OpenTabDrop, 0.0f});
  if (openTab >= 0 && openTab < StripTabCount) {
    PlaceAt(*m_tabIcons[openTab], x0 + TabSpacing * static_cast<float>(openTab), y0);
  }
  for (int tab = openTab + 1; tab < StripTabCount; ++tab) {
    const float x =
        openX + openWidth / 2 + TabAfterOpen + TabSpacing * static_cast<float>(tab - openTab - 1);
    PlaceAt(*m_tabBacks[tab], x, y0);
    PlaceAt(*m_tabIcons[tab], x, y0);
  }
}

void MenuPause::PlaceSelectionArrow(const Sprite& highlight) {
  const Vector3 at = highlight.altPosition;
  m_selectionArrow->SetAltPosition({at.x + Size(highlight).x / 2 + SelectionArrowGap, at.y, at.z});
}
