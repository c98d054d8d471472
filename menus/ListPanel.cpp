#include "menus/ListPanel.h"

#include <algorithm>

#include "engine/draw/ScreenBox.h"
#include "menus/AtlasPanels.h"

using platform::PixelRect;
using platform::Vector3;

namespace {

// The header's centre and the first row's centre in the panel's own frame, before it is
// placed: the header stands 19 pixels above the first row.
constexpr float HeaderY = -187.0f;
constexpr float FirstRowY = -168.0f;

}  // namespace

ListPanel::ListPanel(Texture* atlas, const PixelRect& headerCell, const PixelRect& rowCell,
                     const PixelRect& fillCell, int capacity, Filler filler, Overlay overlayKind)
    : header(CutSprite(atlas, headerCell)), fill(CutSprite(atlas, fillCell)), filler_(filler) {
  for (int i = 0; i < capacity; ++i) rows.push_back(CutSprite(atlas, rowCell));
  if (overlayKind == Overlay::None) return;
  for (int i = 0; i < capacity; ++i) overlayRows.push_back(CutSprite(atlas, rowCell));
  if (overlayKind == Overlay::RowsAndFiller) overlayFill = CutSprite(atlas, fillCell);
}

void ListPanel::Layout(int rowCount, const Vector3& overlayOffset) {
  const Vector3 center = group.altPosition;
  group.Clear();
  overlay.Clear();
  header->SetAltPosition({0.0f, HeaderY, 0.0f});
  group.AddShape(header.get());
  const int shown = std::clamp(rowCount, 0, Capacity());
  float y = FirstRowY;
  for (int i = 0; i < shown; ++i) {
    rows[i]->SetAltPosition({0.0f, y, 0.0f});
    group.AddShape(rows[i].get());
    if (!overlayRows.empty()) {
      overlayRows[i]->SetAltPosition({0.0f, y, 0.0f});
      overlay.AddShape(overlayRows[i].get());
    }
    y += RowPitch;
  }
  float h = filler_.height;
  if (filler_.keepsPanelHeight) {
    h -= header->GetScaledSourceSize().y + RowPitch * static_cast<float>(shown);
  }
  // The filler starts where the last row (or, without rows, the header) ends.
  const Vector3 fillAt{0.0f, y - RowPitch + RowPitch / 2 + h / 2, 0.0f};
  fill->SetScale(filler_.width, h);
  fill->SetAltPosition(fillAt);
  group.AddShape(fill.get());
  if (overlayFill) {
    overlayFill->SetScale(filler_.width, h);
    overlayFill->SetAltPosition(fillAt);
    overlay.AddShape(overlayFill.get());
  }
  MoveTo(center, overlayOffset);
}

void ListPanel::MoveTo(const Vector3& center, const Vector3& overlayOffset) {
  group.SetAltPosition(center);
  if (!overlay.members.empty()) overlay.SetAltPosition(center + overlayOffset);
}

void ListPanel::PlaceTop(float x, float top, float overlayDrop) {
  group.SetAltPosition({x, top + ScreenBoxOf(group).Height() / 2, 0.0f});
  if (overlay.members.empty()) return;
  const float groupTop = ScreenBoxOf(group).top;
  overlay.SetAltPosition({x, groupTop + overlayDrop + ScreenBoxOf(overlay).Height() / 2, 0.0f});
}
