#include "editor/ContextMenu.h"

#include "editor/EditorLayout.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"
#include "platform/SpriteBatch.h"
#include "platform/TextFont.h"
#include "world/ModifierShape.h"

using platform::Vector3;
namespace Layout = EditorLayout;

namespace {

constexpr float ItemHeight = 20.0f;
// An item is its text plus this much wide; the panel its item plus this much.
constexpr float ItemPadding = 20.0f;
constexpr float PanelPadding = 20.0f;
// The first item's top-left corner lies this far inside the panel's.
constexpr float ItemInset = 5.0f;
// The conversions stand this far apart, centre to centre, in a panel this tall.
constexpr float ItemPitch = 21.0f;
constexpr float ConvertPanelHeight = 136.0f;
constexpr float SingleItemPanelHeight = ItemHeight + 10.0f;
// The labels start this far inside the panel's left edge.
constexpr float LabelInset = 10.0f;
// All six conversions take the width of the longest text they might carry.
constexpr const char* ConversionWidthText = "Convert to Tutorial Image Primitive";

float TextWidth(const char* text) {
  return SmallFont ? static_cast<float>(SmallFont->Measure(StringToWString(text)).width) : 0.0f;
}

float Left(const Quad& quad) { return quad.altPosition.x - quad.width / 2; }
float Top(const Quad& quad) { return quad.altPosition.y - quad.height / 2; }

}  // namespace

ContextMenu::ContextMenu() {
  m_panel = std::make_unique<Quad>();
  m_panel->SetFillColor(PanelFill);
  m_panel->outlineVisible = 1;
  const float conversionWidth = TextWidth(ConversionWidthText) + ItemPadding;
  for (size_t i = 0; i < ItemCount; ++i) {
    const bool conversion = KindOf(static_cast<Item>(i)) >= 0;
    const float width = conversion ? conversionWidth : TextWidth(Labels[i]) + ItemPadding;
    m_items[i] = std::make_unique<Quad>();
    m_items[i]->SetDimensions(width, ItemHeight, 0.0f);
    m_items[i]->SetFillColor(ColorTransparentWhite);
  }
  Hide();
}

ContextMenu::~ContextMenu() = default;

std::vector<ContextMenu::Item> ContextMenu::ItemsOf(int32_t form) {
  switch (form) {
    case Background:
      return {SetBackground};
    case Convert:
      return {ToPortal, ToPushShape, ToHazard, ToTutorialImage, ToCameraDepth, ToCameraStationary};
    case Zoom:
      return {ZoomNormal};
    default:
      return {};
  }
}

int32_t ContextMenu::KindOf(Item item) {
  switch (item) {
    case ToPortal:
      return ModifierShape::KindPortal;
    case ToPushShape:
      return ModifierShape::KindPushShape;
    case ToHazard:
      return ModifierShape::KindHazard;
    case ToTutorialImage:
      return ModifierShape::KindTutorialImage;
    case ToCameraDepth:
      return ModifierShape::KindCameraDepth;
    case ToCameraStationary:
      return ModifierShape::KindCameraStationary;
    default:
      return -1;
  }
}

void ContextMenu::Open(int32_t form, const Vector3& mouse) {
  const std::vector<Item> items = ItemsOf(form);
  if (items.empty()) {
    Hide();
    return;
  }
  const float width = m_items[items.front()]->width + PanelPadding;
  const float height = form == Convert ? ConvertPanelHeight : SingleItemPanelHeight;
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
    Quad& quad = *m_items[item];
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
    if (m_items[item]->AltContainsPoint(point)) return item;
  }
  return ItemCount;
}

void ContextMenu::ClearHighlights() {
  for (const auto& item : m_items) item->SetFillColor(ColorTransparentWhite);
}

void ContextMenu::Highlight(Item item) {
  if (item < ItemCount) m_items[item]->SetFillColor(HoverFill);
}

void ContextMenu::Draw(int32_t form, Item disabled, const Color4& text) const {
  const std::vector<Item> items = ItemsOf(form);
  if (items.empty()) return;
  m_panel->DrawScreen();
  for (Item item : items) m_items[item]->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  const float x = Left(*m_panel) + LabelInset;
  for (Item item : items) {
    const Color4& color = item == disabled ? DisabledText : text;
    DrawTextAligned(SmallFont, x, m_items[item]->altPosition.y, 0.0f,
                    StringToWString(Labels[item]), color.ToD3DColor(), AlignLeft, AlignQuarterUp);
  }
  if (SpriteRenderer) SpriteRenderer->End();
}
