#include "editor/ColorDialogPage.h"

#include "editor/ColorDialog.h"
#include "editor/DebugMouse.h"
#include "editor/EditorCamera.h"
#include "editor/EditorLayout.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "editor/SettingsPage.h"
#include "editor/TypingField.h"
#include "engine/Camera.h"
#include "engine/Controls.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Quad.h"
#include "platform/SpriteBatch.h"

using platform::Vector3;
namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;

namespace {

// Where the selection's colour dialog opens.
constexpr Vector3 ShapeDialogAnchor{Layout::ColorDialogAnchorX, Layout::ColorDialogAnchorY, 0.0f};
// World units per input step of the keyboard pan under the dialog.
constexpr float CameraPanStep = 0.2f;
constexpr float FastPan = 2.0f;
constexpr float SlowPan = 0.5f;

}  // namespace

ColorDialogPage::ColorDialogPage(MenuDebug& menu, Texture* atlas)
    : m_menu(menu),
      m_mouse(menu.Mouse()),
      m_field(menu.Field()),
      m_colorDialog(std::make_unique<ColorDialog>(&menu, atlas)) {
  m_widgets.Add("OK", m_colorDialog->OkButton());
  m_widgets.Add("Cancel", m_colorDialog->CancelButton());
}

ColorDialogPage::~ColorDialogPage() = default;

bool ColorDialogPage::OnBackground() const {
  return m_menu.Mode() == MenuDebug::ModeBackgroundColor;
}

void ColorDialogPage::OpenShapeColorDialog() {
  Quad& swatch = *m_menu.Main().Panel().m_colorSwatch;
  const Shape* selected = m_menu.Main().Selected();
  const Color4 color = selected ? selected->GetColor() : swatch.GetColor();
  m_menu.SetMode(MenuDebug::ModeShapeColor);
  swatch.SetFillColor(color);
  m_colorDialog->Open(ShapeDialogAnchor, color);
}

void ColorDialogPage::OpenBackgroundColorDialog() {
  m_menu.SetMode(MenuDebug::ModeBackgroundColor);
  m_colorDialog->Open({Layout::Width / 2, Layout::Height / 2, 0.0f}, ClearColor);
}

Color4 ColorDialogPage::EditedColor() const {
  return OnBackground() ? ClearColor : m_menu.Main().Panel().m_colorSwatch->GetColor();
}

void ColorDialogPage::ApplyColor(const Color4& color) {
  if (OnBackground()) {
    ClearColor = color;
    return;
  }
  if (Shape* selected = m_menu.Main().Selected()) selected->SetFillColor(color);
  m_menu.Main().Panel().m_colorSwatch->SetFillColor(color);
}

// The dialog ends on the main page with the colour given; a background colour given is the one
// kept on leaving the debug menu.
void ColorDialogPage::CloseColorDialog(const Color4& color) {
  ApplyColor(color);
  if (OnBackground()) m_menu.Settings().KeepBackground();
  m_menu.SetMode(MenuDebug::ModeEdit);
}

void ColorDialogPage::Cancel() {
  CloseColorDialog(OnBackground() ? m_menu.Settings().SavedBackground()
                                  : m_colorDialog->ColorAtOpen());
}

void ColorDialogPage::HandleInput() {
  if (OnBackground()) {
    HandleBackgroundColorDialog();
  } else {
    HandleShapeColorDialog();
  }
}

void ColorDialogPage::HandleShapeColorDialog() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  if (keys.IsDown(VirtualKey::Esc)) {
    Cancel();
  } else if (keys.IsEnterPressed()) {
    m_menu.SetMode(MenuDebug::ModeEdit);
  } else if (HandleColorDialogMouse() && m_field.Current()) {
    ApplyColor(m_colorDialog->FieldColor());
  }
}

void ColorDialogPage::HandleBackgroundColorDialog() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  ColorDialog& dialog = *m_colorDialog;
  if (keys.IsDown(VirtualKey::Esc)) {
    ClearColor = dialog.ColorAtOpen();
    m_menu.SetMode(MenuDebug::ModeEdit);
  } else if (keys.IsEnterPressed()) {
    CloseColorDialog(dialog.SliderColor());
  } else if (HandleColorDialogMouse() && m_field.Current()) {
    const size_t channel = dialog.ChannelOfField(m_field.Current());
    if (channel < ColorDialog::ChannelCount) {
      ChannelOf(ClearColor, channel) = ColorDialog::ChannelIn(*m_field.Current());
    }
  }
}

bool ColorDialogPage::HandleColorDialogMouse() {
  ColorDialog& dialog = *m_colorDialog;
  const Vector3& mouse = m_mouse.Client();
  const size_t field = dialog.FieldAt(mouse);
  m_menu.ShowCursor(field < ColorDialog::ChannelCount ? Atlas::CursorText : Atlas::CursorArrow);
  PanCameraWithKeys();
  if (!m_mouse.LeftDown()) dialog.ReleaseSlider();
  if (m_mouse.LeftPressed()) {
    if (dialog.OkButton().AltContainsPoint(mouse)) {
      CloseColorDialog(OnBackground() ? dialog.SliderColor() : EditedColor());
      return false;
    }
    if (dialog.CancelButton().AltContainsPoint(mouse)) {
      Cancel();
      return false;
    }
    dialog.GrabSliderAt(mouse);
    if (field < ColorDialog::ChannelCount) {
      m_field.Open(dialog.Field(field), m_mouse);
    } else {
      m_field.Close();
    }
  } else if (m_mouse.LeftHeld()) {
    if (m_field.Current()) {
      m_field.DragCaret(m_mouse);
      m_menu.ShowCursor(Atlas::CursorText);
    }
    const size_t channel = dialog.DraggedSlider();
    if (channel < ColorDialog::ChannelCount) {
      Color4 color = EditedColor();
      ChannelOf(color, channel) = dialog.DragSlider(channel, mouse);
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

void ColorDialogPage::PanCameraWithKeys() {
  if (!MainCamera) return;
  const KeyboardBuffer& keys = *GameControls->keyboard;
  float step = CameraPanStep;
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

void ColorDialogPage::Draw() {
  m_menu.Main().Draw();
  m_colorDialog->DrawBoxes(EditedColor());
  if (m_field.Current()) m_field.DrawCaret();
  if (SpriteRenderer) SpriteRenderer->Begin();
  m_colorDialog->DrawTexts();
  m_menu.DrawCursorInBatch();
  if (SpriteRenderer) SpriteRenderer->End();
}
