#include "menus/pause/ListPanel.h"

#include <algorithm>

using platform::PixelRect;
using platform::Vector3;

namespace {

// The panel's outline, relative to its layout origin: the header's centre, the first row's
// centre and the height that header, rows and filler fill together.
constexpr float HeaderY = -187.0f;
constexpr float FirstRowY = -168.0f;
constexpr float PanelHeight = 375.0f;
constexpr float PanelWidth = 185.0f;

std::unique_ptr<Sprite> Cut(Texture* atlas, const PixelRect& cell) {
  return std::make_unique<Sprite>(atlas, 0, Vector3{}, 0.0f, cell);
}

}  // namespace

ListPanel::ListPanel(Texture* atlas, const PixelRect& headerCell, const PixelRect& rowCell,
                     const PixelRect& fillCell, bool withOverlay)
    : header(Cut(atlas, headerCell)), fill(Cut(atlas, fillCell)) {
  for (auto& row : rows) row = Cut(atlas, rowCell);
  if (!withOverlay) return;
  for (auto& row : overlayRows) row = Cut(atlas, rowCell);
  overlayFill = Cut(atlas, fillCell);
}

void ListPanel::Layout(int rowCount, const Vector3& overlayOffset) {
  const Vector3 center = group.altPosition;
  group.Clear();
  overlay.Clear();
  header->SetAltPosition({0.0f, HeaderY, 0.0f});
  group.AddShape(header.get());
  const int shown = std::clamp(rowCount, 0, MaxRows);
  float y = FirstRowY;
  for (int i = 0; i < shown; ++i) {
    rows[i]->SetAltPosition({0.0f, y, 0.0f});
    group.AddShape(rows[i].get());
    if (overlayRows[i]) {
      overlayRows[i]->SetAltPosition({0.0f, y, 0.0f});
      overlay.AddShape(overlayRows[i].get());
    }
    y += RowPitch;
  }
  const float headerHeight = header->GetScaledSourceSize().y;
  const float h = PanelHeight - headerHeight - RowPitch * static_cast<float>(shown);
  // The filler starts where the last row (or, without rows, the header) ends.
  const Vector3 fillAt{0.0f, y - RowPitch + RowPitch / 2 + h / 2, 0.0f};
  fill->SetScale(PanelWidth, h);
  fill->SetAltPosition(fillAt);
  group.AddShape(fill.get());
  if (overlayFill) {
    overlayFill->SetScale(PanelWidth, h);
    overlayFill->SetAltPosition(fillAt);
    overlay.AddShape(overlayFill.get());
  }
  MoveTo(center, overlayOffset);
}

void ListPanel::MoveTo(const Vector3& center, const Vector3& overlayOffset) {
  group.SetAltPosition(center);
  if (overlayFill) overlay.SetAltPosition(center + overlayOffset);
}
