#include "editor/ContextMenu.h"

#include "editor/EditorLayout.h"
#include "editor/EditorWidgets.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"
#include "platform/SpriteBatch.h"
#include "world/TriggerRecords.h"

using platform::Vector3;
namespace Layout = EditorLayout;

namespace {

constexpr float ItemHeight = 20.0f;
// An item is its text plus this much wide; the panel its item plus this much.
constexpr float ItemPadding = 20.0f;
constexpr float PanelPadding = 20.0f;
// The first item's top-left corner lies this far inside the panel's, and the last item's
// bottom as far above the conversions' panel's bottom.
constexpr float ItemInset = 5.0f;
// The conversions stand this far apart, centre to centre.
constexpr float ItemPitch = 21.0f;
constexpr float SingleItemPanelHeight = ItemHeight + 10.0f;
// The labels start this far inside the panel's left edge.
constexpr float LabelInset = 10.0f;
// All conversions take the width of the longest text they might carry.
constexpr const char* ConversionWidthText = "Convert to Tutorial Image Primitive";
constexpr const char* SetBackgroundLabel = "Set Background Color";
constexpr const char* ZoomNormalLabel = "Zoom to Normal View";

float TextWidth(const char* text) { return EditorWidgets::SmallTextWidth(StringToWString(text)); }

float Left(const Quad& quad) { return quad.altPosition.x - quad.width / 2; }
float Top(const Quad& quad) { return quad.altPosition.y - quad.height / 2; }

}  // namespace

ContextMenu::ContextMenu() {
  m_panel = std::make_unique<Quad>();
  m_panel->SetFillColor(PanelFill);
  m_panel->outlineVisible = 1;
  const auto add = [this](const std::string& label, float width, int32_t kind,
                          const TriggerConversion* conversion) {
    auto box = std::make_unique<Quad>();
    box->SetDimensions(width, ItemHeight, 0.0f);
    box->SetFillColor(ColorTransparentWhite);
    m_items.push_back({label, kind, conversion, std::move(box)});
  };
  add(SetBackgroundLabel, TextWidth(SetBackgroundLabel) + ItemPadding, -1, nullptr);
  add(ZoomNormalLabel, TextWidth(ZoomNormalLabel) + ItemPadding, -1, nullptr);
  const float conversionWidth = TextWidth(ConversionWidthText) + ItemPadding;
  for (const TriggerKindEntry& kind : RegisteredTriggerKinds()) {
    if (kind.conversion) add(kind.conversion->label, conversionWidth, kind.kind, &*kind.conversion);
  }
  Hide();
}

ContextMenu::~ContextMenu() = default;

std::vector<ContextMenu::Item> ContextMenu::ItemsOf(int32_t form) const {
  switch (form) {
    case Background:
      return {SetBackground};
    case Convert: {
      std::vector<Item> conversions;
      for (Item item = FirstConversion; item < m_items.size(); ++item) conversions.push_back(item);
      return conversions;
    }
    case Zoom:
      return {ZoomNormal};
    default:
      return {};
  }
}

ContextMenu::Item ContextMenu::ConversionTo(int32_t kind) const {
  for (Item item : ItemsOf(Convert)) {
    if (KindOf(item) == kind) return item;
  }
  return NoItem;
}

void ContextMenu::Open(int32_t form, const Vector3& mouse) {
  const std::vector<Item> items = ItemsOf(form);
  if (items.empty()) {
    Hide();
    return;
  }
  const float width = m_items[items.front()].box->width + PanelPadding;
  const float height = form == Convert
                           ? 2 * ItemInset + ItemPitch * static_cast<float>(items.size())
                           : SingleItemPanelHeight;
  Place(form, mouse, width, height);
}

void ContextMenu::Place(int32_t form, const Vector3& mouse, float width, float height) {
  const float dx = mouse.x + width >= Layout::Width ? -width / 2 : width / 2;
  const float dy = mouse.y + height >= Layout::Height ? -height / 2 : height / 2;
  m_panel->SetDimensions(width, height, 0.0f);
  m_panel->SetAltPositionXYZ(mouse.x + dx, mouse.y + dy, 0.0f);
  const float left = Left(*m_panel) + ItemInset;
  float centreY = Top(*m_panel) + ItemInset + ItemHeight / 2;
  for (Item item : ItemsOf(form)) {
    Quad& quad = *m_items[item].box;
    quad.SetAltPositionXYZ(left + quad.width / 2, centreY, 0.0f);
    centreY += ItemPitch;
  }
}

void ContextMenu::Hide() {
  m_panel->SetDimensions(0.0f, 0.0f, 0.0f);
  m_panel->SetAltPositionXYZ(-1.0f, -1.0f, 0.0f);
}

bool ContextMenu::Contains(const Vector3& point) const { return m_panel->AltContainsPoint(point); }

ContextMenu::Item ContextMenu::ItemAt(int32_t form, const Vector3& point) const {
  for (Item item : ItemsOf(form)) {
    if (m_items[item].box->AltContainsPoint(point)) return item;
  }
  return NoItem;
}

void ContextMenu::ClearHighlights() {
  for (const Entry& item : m_items) item.box->SetFillColor(ColorTransparentWhite);
}

void ContextMenu::Highlight(Item item) {
  if (item < m_items.size()) m_items[item].box->SetFillColor(HoverFill);
}

void ContextMenu::Draw(int32_t form, Item disabled, const Color4& text) const {
  const std::vector<Item> items = ItemsOf(form);
  if (items.empty()) return;
  m_panel->DrawScreen();
  for (Item item : items) m_items[item].box->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  const float x = Left(*m_panel) + LabelInset;
  for (Item item : items) {
    const Color4& color = item == disabled ? DisabledText : text;
    DrawTextAligned(SmallFont, x, m_items[item].box->altPosition.y, 0.0f,
                    StringToWString(Label(item)), color.ToD3DColor(), AlignLeft, AlignQuarterUp);
  }
  if (SpriteRenderer) SpriteRenderer->End();
}
