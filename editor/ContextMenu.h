#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "engine/Color4.h"
#include "platform/MathTypes.h"

class Quad;
struct TriggerConversion;

// The editor's right-click menu: a panel that opens at the cursor with the items of one form
// (the background's colour, the conversions of the selection into a trigger, or the zoom back
// to the normal view). It flips to the left or upward where it would leave the window. The
// conversions are those of the table of trigger kinds, in its order.
class ContextMenu {
 public:
  // The forms; Closed hides the panel.
  enum Form : int32_t { Closed = 0, Background, Convert, Zoom };
  // The background's item, the zoom's, then the conversions.
  using Item = size_t;
  static constexpr Item SetBackground = 0;
  static constexpr Item ZoomNormal = 1;
  static constexpr Item NoItem = std::numeric_limits<size_t>::max();
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
  std::vector<Item> ItemsOf(int32_t form) const;
  const std::string& Label(Item item) const { return m_items[item].label; }
  // The kind of trigger a conversion item makes; -1 for the other items.
  int32_t KindOf(Item item) const { return m_items[item].kind; }
  // What a conversion item makes; null for the other items.
  const TriggerConversion* ConversionOf(Item item) const { return m_items[item].conversion; }
  // The conversion item that makes the kind, or NoItem.
  Item ConversionTo(int32_t kind) const;
  // The first item of the form under the point, or NoItem.
  Item ItemAt(int32_t form, const platform::Vector3& point) const;
  // Every item back to its idle fill.
  void ClearHighlights();
  void Highlight(Item item);
  // The panel and the form's items; disabled names the item whose label is greyed, if any.
  void Draw(int32_t form, Item disabled, const Color4& text) const;

  const Quad& PanelBox() const { return *m_panel; }
  const Quad& ItemBox(Item item) const { return *m_items[item].box; }

 private:
  static constexpr Item FirstConversion = ZoomNormal + 1;

  struct Entry {
    std::string label;
    int32_t kind;
    const TriggerConversion* conversion;
    std::unique_ptr<Quad> box;
  };

  std::unique_ptr<Quad> m_panel;
  std::vector<Entry> m_items;

  // The panel's size and centre for a form opened at the cursor, and its items below its
  // top-left corner.
  void Place(int32_t form, const platform::Vector3& mouse, float width, float height);
};
