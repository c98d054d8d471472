#include "editor/LayerPanel.h"

#include <limits>

#include "editor/DebugButton.h"
#include "editor/EditorLayout.h"
#include "engine/CreateTextBox.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "platform/SpriteBatch.h"

using platform::Vector3;
namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;

namespace {

std::unique_ptr<Quad> AtlasQuad(Texture* atlas, size_t cell, const ScreenBox& box) {
  auto quad = std::make_unique<Quad>();
  Layout::Cover(*quad, box);
  quad->SetFillColor(ColorWhite);
  const platform::PixelRect& rect = Atlas::Cells[cell];
  quad->SetTexture(atlas);
  quad->SetRect(rect.left, rect.top, rect.right, rect.bottom);
  return quad;
}

}  // namespace

LayerPanel::LayerPanel(GameState* owner, Texture* atlas) {
  const ScreenBox& panel = Layout::LayerPanel;
  const float y = (panel.top + panel.bottom) / 2;
  const float fieldLeft = panel.left + Layout::LayerFieldInset;
  CreateTextBox(owner, TextBoxInteger, m_fieldLayerNumber, Layout::LayerFieldWidth,
                Layout::FieldHeight, 0.0f, fieldLeft + Layout::LayerFieldWidth / 2, y, 0.0f,
                Layout::LayerFieldMaxLength, "", "0");
  const float arrow = Layout::LayerArrowSize;
  const float upLeft = fieldLeft + Layout::LayerFieldWidth + Layout::ArrowGap;
  m_upArrow = AtlasQuad(atlas, Atlas::LayerUp, {upLeft, y - arrow / 2, upLeft + arrow, y + arrow / 2});
  const float downLeft = upLeft + arrow + Layout::ArrowGap;
  m_downArrow =
      AtlasQuad(atlas, Atlas::LayerDown, {downLeft, y - arrow / 2, downLeft + arrow, y + arrow / 2});

  const std::array toggles = {&m_buttonLayerVisible, &m_buttonLayerSelectable};
  const std::array icons = {Atlas::LayerVisibleIcon, Atlas::LayerSelectableIcon};
  for (size_t i = 0; i < toggles.size(); ++i) {
    const float x = Layout::LayerToggleX[i];
    *toggles[i] = std::make_unique<DebugButton>(Layout::LayerToggleWidth, Layout::LayerToggleHeight,
                                                0.0f, x, y, 0.0f, "");
    m_toggleIcons[i] = std::make_unique<Sprite>(atlas, 0, Vector3{}, 0.0f, Atlas::Cells[icons[i]]);
    m_toggleIcons[i]->SetAltPositionXYZ(x, y, 0.0f);
  }
}

LayerPanel::~LayerPanel() = default;

int32_t LayerPanel::ShownLayer() const { return LeadingInteger(m_fieldLayerNumber->text); }

LayerPanel::Hit LayerPanel::Press(const Vector3& point, std::map<int32_t, LayerFlags>& layers) {
  if (m_upArrow->AltContainsPoint(point)) {
    StepLayer(1, layers);
    return HitArrow;
  }
  if (m_downArrow->AltContainsPoint(point)) {
    StepLayer(-1, layers);
    return HitArrow;
  }
  // A layer nobody entered gets an entry with both flags clear, and then the toggle's flag.
  if (m_buttonLayerVisible->Contains(point)) {
    m_buttonLayerVisible->SetEnabled(!m_buttonLayerVisible->Enabled());
    layers[ShownLayer()].visible = m_buttonLayerVisible->Enabled();
    return HitToggle;
  }
  if (m_buttonLayerSelectable->Contains(point)) {
    m_buttonLayerSelectable->SetEnabled(!m_buttonLayerSelectable->Enabled());
    layers[ShownLayer()].selectable = m_buttonLayerSelectable->Enabled();
    return HitToggle;
  }
  return m_fieldLayerNumber->box->AltContainsPoint(point) ? HitNumberField : HitNothing;
}

void LayerPanel::StepLayer(int32_t step, std::map<int32_t, LayerFlags>& layers) {
  const LayerFlags& flags = StepLayerField(*m_fieldLayerNumber, step, layers);
  m_buttonLayerVisible->SetEnabled(flags.visible);
  m_buttonLayerSelectable->SetEnabled(flags.selectable);
}

const LayerFlags& StepLayerField(TextBox& field, int32_t step,
                                 std::map<int32_t, LayerFlags>& layers) {
  const int32_t shown = LeadingInteger(field.text);
  // The field's number never wraps round at the ends of the integer range.
  const bool atEnd = step > 0 ? shown == std::numeric_limits<int32_t>::max()
                              : shown == std::numeric_limits<int32_t>::min();
  const int32_t layer = atEnd ? shown : shown + step;
  field.SetText(WStringToString(IntToWString(layer)));
  return layers.try_emplace(layer, LayerFlags{true, true}).first->second;
}

void LayerPanel::Draw() {
  if (SpriteRenderer) SpriteRenderer->Begin();
  m_fieldLayerNumber->Draw();
  if (SpriteRenderer) SpriteRenderer->End();
  m_upArrow->DrawScreen();
  m_downArrow->DrawScreen();
  m_buttonLayerVisible->DrawBox();
  m_buttonLayerSelectable->DrawBox();
  if (SpriteRenderer) SpriteRenderer->Begin();
  for (const auto& icon : m_toggleIcons) icon->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->End();
}
