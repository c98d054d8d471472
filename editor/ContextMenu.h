#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/Color4.h"
#include "platform/MathTypes.h"

class Quad;

// The editor's right-click menu: a panel that opens at the cursor with the items of one form
// (the background's colour, the six conversions of the selection into a trigger, or the zoom
// back to the normal view). It flips to the left or upward where it would leave the window.
class ContextMenu {
 public:
  // The forms; Closed hides the panel.
  enum Form : int32_t { Closed = 0, Background, Convert, Zoom };
  enum Item : size_t {
    SetBackground,
    ToPortal,
    ToPushShape,
    ToHazard,
    ToTutorialImage,
    ToCameraDepth,
    ToCameraStationary,
    ZoomNormal,
    ItemCount
  };
  static constexpr std::array<const char*, ItemCount> Labels = {
      "Set Background Color",           "Convert to Portal",
      "Convert to Push Primitive",      "Convert to Hazard",
      "Convert to Tutorial Image Shape", "Convert to Camera Depth Setter",
      "Convert to Camera Stationary Setter", "Zoom to Normal View"};
  static constexpr Color4 PanelFill{255, 180, 180, 180};
  static constexpr Color4 HoverFill{200, 70, 90, 130};
  static constexpr Color4 DisabledText{255, 140, 140, 140};

  ContextMenu();
  ~ContextMenu();
  ContextMenu(const ContextMenu&) = delete;
  ContextMenu& operator=(const ContextMenu&) = delete;

  // Lays the form out at the cursor (client pixels); any other form hides the panel.
  void Open(int32_t form, const platform::Vector3& mouse);
  // Shrunk to nothing off the window, so that it neither draws nor catches the mouse.
  void Hide();
  bool Contains(const platform::Vector3& point) const;
  // The items of a form, top to bottom.
  static std::vector<Item> ItemsOf(int32_t form);
  // The kind of trigger a conversion item makes; -1 for the other items.
  static int32_t KindOf(Item item);
  // The first item of the form under the point, or ItemCount.
  Item ItemAt(int32_t form, const platform::Vector3& point) const;
  // Every item back to its idle fill.
  void ClearHighlights();
  void Highlight(Item item);
  // The panel and the form's items; disabled names the item whose label is greyed, if any.
  void Draw(int32_t form, Item disabled, const Color4& text) const;

  const Quad& PanelBox() const { return *m_panel; }
  const Quad& ItemBox(Item item) const { return *m_items[item]; }

 private:
  std::unique_ptr<Quad> m_panel;
  std::array<std::unique_ptr<Quad>, ItemCount> m_items;

  // The panel's size and centre for a form opened at the cursor, and its items below its
  // top-left corner.
  void Place(int32_t form, const platform::Vector3& mouse, float width, float height);
};
