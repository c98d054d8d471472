#include "editor/EditorCamera.h"
#include "editor/EditorLayout.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "editor/SettingsPage.h"
#include "editor/TextureChooser.h"
#include "engine/Camera.h"
#include "engine/Controls.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/Texture.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "platform/SpriteBatch.h"

using platform::Vector3;
namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;

namespace {

// A shape given a texture shows it unshaded.
constexpr Color4 LightInterfaceColor{255, 255, 255, 255};

std::string WholeText(uint32_t value) {
  return WStringToString(IntToWString(static_cast<int>(value)));
}

}  // namespace

void MenuDebug::OpenTextureChooser() {
  SetMode(ModeTextureChooser);
  m_chooser->BuildTextureTiles(*m_textures);
  m_chooser->BuildTextureList();
  // What "OK" would give is shown as chosen.
  m_chooser->ShowChosen(m_chooser->RowOf(m_brushTexture));
  m_panelAnchor = m_chooser->PanelBox().GetAltTopLeftUnrotated();
}

void MenuDebug::HandleTextureDialog() {
  ShowArrowCursor();
  if (GameControls->keyboard->IsDown(VirtualKey::Esc)) {
    CancelTextureDialog();
    return;
  }
  if (!m_mouse.LeftPressed()) return;
  TextureChooser& chooser = *m_chooser;
  if (chooser.CancelButton().AltContainsPoint(m_mouse.Client())) {
    CancelTextureDialog();
    return;
  }
  if (m_brushTexture && chooser.OkButton().AltContainsPoint(m_mouse.Client())) {
    ConfirmTexture();
    return;
  }
  const bool sprite = m_selected && m_selected->type == ShapeTypeSprite;
  const std::optional<size_t> row = chooser.PickTextureRow(m_mouse.Client(), sprite);
  m_brushTexture = row ? chooser.TileTexture(*row) : nullptr;
  chooser.ShowChosen(row);
}

void MenuDebug::CancelTextureDialog() {
  m_brushTexture = nullptr;
  SetMode(ModeEdit);
  m_panelAnchor = Layout::PropertyPanel.TopLeft();
}

void MenuDebug::ConfirmTexture() {
  Texture& texture = *m_brushTexture;
  PropertyPanel& panel = *m_panel;
  if (m_selected) {
    m_selected->SetTexture(&texture);
    m_selected->SetFillColor(LightInterfaceColor);
    if (!m_outline) ShowOutline(m_selected);
  }
  panel.m_fieldSourceLeft->SetText("0");
  panel.m_fieldSourceTop->SetText("0");
  panel.m_fieldSourceRight->SetText(WholeText(texture.width));
  panel.m_fieldSourceBottom->SetText(WholeText(texture.height));
  panel.m_fieldScaleX->SetText("1");
  panel.m_fieldScaleY->SetText("1");
  panel.m_colorSwatch->SetFillColor(LightInterfaceColor);
  if (!m_outline) MakeBrushPreview();
  SetMode(ModeEdit);
  RefreshTextureDisplay();
  m_panelAnchor = Layout::PropertyPanel.TopLeft();
}

void MenuDebug::DrawTextureDialog() {
  m_chooser->Draw(m_brushTexture != nullptr);
  DrawCursor();
}
