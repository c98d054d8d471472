#include "editor/ColorDialog.h"
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
constexpr float FastPan = 2.0f;
constexpr float SlowPan = 0.5f;

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

void MenuDebug::OpenColorDialog(const Vector3& anchor, const Color4& color) {
  m_colorDialog->Open(anchor, color);
}

void MenuDebug::OpenShapeColorDialog() {
  const Color4 color = m_selected ? m_selected->GetColor() : m_panel->m_colorSwatch->GetColor();
  SetMode(ModeShapeColor);
  m_panel->m_colorSwatch->SetFillColor(color);
  OpenColorDialog(m_colorDialogAnchor, color);
}

void MenuDebug::OpenBackgroundColorDialog() {
  SetMode(ModeBackgroundColor);
  OpenColorDialog({Layout::Width / 2, Layout::Height / 2, 0.0f}, ClearColor);
}

Color4 MenuDebug::EditedColor() const {
  return m_mode == ModeBackgroundColor ? ClearColor : m_panel->m_colorSwatch->GetColor();
}

void MenuDebug::ApplyColor(const Color4& color) {
  if (m_mode == ModeBackgroundColor) {
    ClearColor = color;
    return;
  }
  if (m_selected) m_selected->SetFillColor(color);
  m_panel->m_colorSwatch->SetFillColor(color);
}

// The dialog ends on the main page with the colour given; a background colour given is the one
// kept on leaving the debug menu.
void MenuDebug::CloseColorDialog(const Color4& color) {
  ApplyColor(color);
  if (m_mode == ModeBackgroundColor) m_settings->KeepBackground();
  SetMode(ModeEdit);
}

void MenuDebug::CancelColorDialog() {
  CloseColorDialog(m_mode == ModeBackgroundColor ? m_settings->SavedBackground()
                                                 : m_colorDialog->ColorAtOpen());
}

void MenuDebug::HandleShapeColorDialog() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  const ColorDialog& dialog = *m_colorDialog;
  if (keys.IsDown(VirtualKey::Esc)) {
    ApplyColor(dialog.ColorAtOpen());
    SetMode(ModeEdit);
  } else if (keys.IsEnterPressed()) {
    SetMode(ModeEdit);
  } else if (HandleColorDialogMouse() && m_field.Current()) {
    ApplyColor(dialog.FieldColor());
  }
}

void MenuDebug::HandleBackgroundColorDialog() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  ColorDialog& dialog = *m_colorDialog;
  if (keys.IsDown(VirtualKey::Esc)) {
    ClearColor = dialog.ColorAtOpen();
    SetMode(ModeEdit);
  } else if (keys.IsEnterPressed()) {
    CloseColorDialog(dialog.SliderColor());
  } else if (HandleColorDialogMouse() && m_field.Current()) {
    const size_t channel = dialog.ChannelOfField(m_field.Current());
    if (channel < ColorDialog::ChannelCount) {
      ChannelOf(ClearColor, channel) = ColorDialog::ChannelIn(*m_field.Current());
    }
  }
}

bool MenuDebug::HandleColorDialogMouse() {
  ColorDialog& dialog = *m_colorDialog;
  const size_t field = dialog.FieldAt(m_mouse.Client());
  ShowCursor(field < ColorDialog::ChannelCount ? Atlas::CursorText : Atlas::CursorArrow);
  PanCameraWithKeys();
  if (!m_mouse.LeftDown()) dialog.ReleaseSlider();
  if (m_mouse.LeftPressed()) {
    if (dialog.OkButton().AltContainsPoint(m_mouse.Client())) {
      CloseColorDialog(m_mode == ModeBackgroundColor ? dialog.SliderColor() : EditedColor());
      return false;
    }
    if (dialog.CancelButton().AltContainsPoint(m_mouse.Client())) {
      CancelColorDialog();
      return false;
    }
    dialog.GrabSliderAt(m_mouse.Client());
    if (field < ColorDialog::ChannelCount) {
      m_field.Open(dialog.Field(field), m_mouse);
    } else {
      m_field.Close();
    }
  } else if (m_mouse.LeftHeld()) {
    if (m_field.Current()) {
      m_field.DragCaret(m_mouse);
      ShowCursor(Atlas::CursorText);
    }
    const size_t channel = dialog.DraggedSlider();
    if (channel < ColorDialog::ChannelCount) {
      Color4 color = EditedColor();
      ChannelOf(color, channel) = dialog.DragSlider(channel, m_mouse.Client());
      ApplyColor(color);
    }
  }
  if (m_field.Current()) {
    const size_t channel = dialog.ChannelOfField(m_field.Current());
    if (channel < ColorDialog::ChannelCount) dialog.FollowField(channel);
    m_field.PlaceCaretLine();
  }
  return true;
}

void MenuDebug::PanCameraWithKeys() {
  if (!MainCamera) return;
  const KeyboardBuffer& keys = *GameControls->keyboard;
  float step = m_cameraPanStep;
  if (keys.IsDown(VirtualKey::LeftShift)) {
    step *= FastPan;
  } else if (keys.IsDown(VirtualKey::LeftAlt)) {
    step *= SlowPan;
  }
  Vector3 eye = MainCamera->eye;
  if (keys.IsDown('W')) eye.y += step;
  if (keys.IsDown('S')) eye.y -= step;
  if (keys.IsDown('A')) eye.x -= step;
  if (keys.IsDown('D')) eye.x += step;
  EditorCamera::PlaceEye(*MainCamera, eye);
}

void MenuDebug::DrawColorDialog() {
  DrawMainPage();
  m_colorDialog->DrawBoxes(EditedColor());
  if (m_field.Current()) m_field.DrawCaret();
  if (SpriteRenderer) SpriteRenderer->Begin();
  m_colorDialog->DrawTexts();
  DrawCursorInBatch();
  if (SpriteRenderer) SpriteRenderer->End();
}
