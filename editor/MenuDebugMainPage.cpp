#include <array>

#include "editor/EditorAtlas.h"
#include "editor/EditorLayout.h"
#include "editor/MenuDebug.h"
#include "engine/Globals.h"
#include "engine/TextDrawing.h"
#include "engine/Texture.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "platform/SpriteBatch.h"
#include "world/World.h"

using platform::Vector3;
namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;

namespace {

constexpr Color4 DimColor{80, 0, 0, 0};
constexpr Color4 SeparatorColor{255, 0, 0, 0};
constexpr Color4 ToolFrameFill{50, 255, 255, 255};
constexpr Color4 ToolFrameOutline{255, 30, 60, 150};
constexpr Color4 StatusLineColor{255, 170, 20, 20};
// The dim quad reaches a little past the window on every side.
constexpr float DimOverhang = 10.0f;

std::unique_ptr<Sprite> Icon(Texture* atlas, const platform::PixelRect& cell, float x, float y) {
  auto icon = std::make_unique<Sprite>(atlas, 0, Vector3{}, 0.0f, cell);
  icon->SetAltPositionXYZ(x, y, 0.0f);
  return icon;
}

}  // namespace

void MenuDebug::BuildBars() {
  m_dimQuad = std::make_unique<Quad>();
  Layout::Cover(*m_dimQuad, {-DimOverhang / 2, -DimOverhang / 2, Layout::Width + DimOverhang / 2,
                             Layout::Height + DimOverhang / 2});
  m_dimQuad->SetFillColor(DimColor);
  m_cursor = std::make_unique<Sprite>(m_guiTexture.get(), 0, Vector3{}, 0.0f, *m_cursorRect);
  m_toolbar = Layout::MakeBar(Layout::TopBar);
  const float iconY = (Layout::TopBar.top + Layout::TopBar.bottom) / 2;
  for (size_t i = 0; i < Atlas::ToolbarIconCount; ++i) {
    m_toolbarIcons.push_back(
        Icon(m_guiTexture.get(), Atlas::ToolbarIcons[i].cell, Layout::ToolbarIconX[i], iconY));
  }
  m_propertyPanel = Layout::MakeBar(Layout::PropertyPanel);
  m_layerPanel = Layout::MakeBar(Layout::LayerPanel);
}

void MenuDebug::BuildToolPanel() {
  m_toolPanel = Layout::MakeBar(Layout::ToolPanel);
  const float x = (Layout::ToolPanel.left + Layout::ToolPanel.right) / 2;
  const float half = Layout::ToolIconSize / 2;
  float y = Layout::ToolPanel.top + Layout::ToolPanel.Width() / 2;
  size_t separator = 0;
  for (size_t i = 0; i < Atlas::ToolIconCount; ++i) {
    if (i == Layout::FirstSeparatorAfter || i == Layout::SecondSeparatorAfter) {
      const float lineY = y - half + Layout::SeparatorGap;
      auto line = std::make_unique<Line>();
      line->SetLength(Layout::ToolPanel.Width() - Layout::SeparatorInset);
      line->SetFillColor(SeparatorColor);
      line->SetAltPositionXYZ(x, lineY, 0.0f);
      m_toolSeparators[separator++] = std::move(line);
      // The icons after the first separator keep the column's step; the last four begin below
      // the second.
      if (i == Layout::SecondSeparatorAfter) y = lineY + Layout::SeparatorGap + half;
    }
    m_toolIcons.push_back(Icon(m_guiTexture.get(), Atlas::ToolIcons[i], x, y));
    y += Layout::ToolIconSize;
  }
  m_activeTool = m_toolIcons[Atlas::ToolSelect].get();
  m_toolFrame = std::make_unique<Quad>();
  m_toolFrame->SetDimensions(Layout::ToolIconSize - 2, Layout::ToolIconSize - 2, 0.0f);
  m_toolFrame->SetAltPosition(m_activeTool->altPosition);
  m_toolFrame->SetFillColor(ToolFrameFill);
  m_toolFrame->outlineVisible = 1;
  m_toolFrame->SetOutlineColor(ToolFrameOutline);
}

void MenuDebug::EditStep() {
  // The mouse goes to the first panel under it. Until the panels' own steps and the map tools
  // are built, a panel only shows the arrow.
  struct Route {
    const Quad* area;
    Step handler;
  };
  const std::array<Route, 4> routes = {{
      {m_propertyPanel.get(), &MenuDebug::ShowArrowCursor},
      {m_toolPanel.get(), &MenuDebug::ShowArrowCursor},
      {m_toolbar.get(), &MenuDebug::HandleToolbarClick},
      {m_layerPanel.get(), &MenuDebug::ShowArrowCursor},
  }};
  for (const Route& route : routes) {
    if (route.area->AltContainsPoint(m_mouseClient)) {
      (this->*route.handler)();
      return;
    }
  }
  ShowArrowCursor();
}

void MenuDebug::HandleToolbarClick() {
  ShowArrowCursor();
  if (!LeftPressed()) return;
  // The save, load and item editor icons open their pages once those pages exist.
  if (m_toolbarIcons[Atlas::IconSettings]->AltContainsPoint(m_mouseClient)) OpenSettingsPage();
}

void MenuDebug::DrawMainPage() {
  m_world->Draw();
  m_dimQuad->DrawScreen();
  m_toolbar->DrawScreen();
  m_toolPanel->DrawScreen();
  m_propertyPanel->DrawScreen();
  m_layerPanel->DrawScreen();
  for (const auto& line : m_toolSeparators) line->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  for (const auto& icon : m_toolbarIcons) icon->DrawScreen();
  for (const auto& icon : m_toolIcons) icon->DrawScreen();
  if (!m_statusLine.empty()) {
    DrawTextAligned(SmallFont, Layout::StatusLineX, Layout::TopBar.bottom / 2, 0.0f, m_statusLine,
                    StatusLineColor.ToD3DColor(), AlignLeft, AlignMiddle);
  }
  if (SpriteRenderer) SpriteRenderer->End();
  m_toolFrame->DrawScreen();
  DrawCursor();
}

void MenuDebug::DrawCursor() {
  if (SpriteRenderer) SpriteRenderer->Begin();
  m_cursor->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->End();
}
