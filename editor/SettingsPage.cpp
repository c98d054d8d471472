#include "editor/SettingsPage.h"

#include "editor/ColorDialogPage.h"
#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/EditorLayout.h"
#include "editor/EditorWidgets.h"
#include "editor/FileListPage.h"
#include "editor/MenuDebug.h"
#include "editor/TypingField.h"
#include "engine/BevelPainters.h"
#include "engine/CheckBox.h"
#include "engine/Controls.h"
#include "engine/CreateTextBox.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/SoundBank.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"
#include "platform/SpriteBatch.h"

namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;
using EditorWidgets::DrawButtonCaption;
using EditorWidgets::DrawCaption;
using EditorWidgets::MakeScreenQuad;

namespace {

// The switches that leaving the debug menu puts back unless the page committed them.
constexpr int RestoredToggleCount = 4;
constexpr int32_t TimeScaleMaxLength = 7;
constexpr const char* TimeScaleCaption = "Update Factor:";

const ScreenBox& Panel() { return Layout::SettingsPanel; }
float TitleY() { return EditorWidgets::TitleBarY(Panel()); }
float CaptionX() { return Panel().left + Layout::CaptionInset; }

// The time factor as typed; no number reads as 0, and time never runs backwards.
float ReadTimeScale(const TextBox& field) {
  const float value = LeadingReal(field.text);
  return value > 0.0f ? value : 0.0f;
}

}  // namespace

SettingsPage::SettingsPage(MenuDebug& menu, DebugSwitches& switches, Texture* atlas)
    : m_menu(menu), m_mouse(menu.Mouse()), m_field(menu.Field()), m_switches(switches) {
  m_settingsPanel = Layout::MakeBar(Panel());
  m_settingsTitleBar = EditorWidgets::MakeTitleBar(Panel());

  const float swatchX = Panel().left + Layout::SwatchInset;
  const float swatchY = TitleY() + Layout::SwatchBelowTitle;
  m_backgroundSwatchFrame =
      MakeScreenQuad(Layout::SwatchSize, Layout::SwatchSize, swatchX, swatchY, ColorWhite);
  m_backgroundSwatchFrame->SetTexture(atlas);
  const platform::PixelRect& frame = Atlas::SwatchFrame;
  m_backgroundSwatchFrame->SetRect(frame.left, frame.top, frame.right, frame.bottom);
  PaintSunkenBevel(*m_backgroundSwatchFrame);
  m_backgroundSwatch =
      MakeScreenQuad(Layout::SwatchSize, Layout::SwatchSize, swatchX, swatchY, ClearColor);

  float boxY = TitleY() + Layout::FirstSwitchBelowTitle;
  for (int i = 0; i < DebugToggleCount; ++i) {
    // The in-game switches stand under a heading of their own.
    if (i == ToggleVisibleCollision) boxY += Layout::SwitchStep;
    m_switches.Box(static_cast<DebugToggle>(i)).SetPosition(swatchX, boxY, 0.0f);
    if (i + 1 < DebugToggleCount) boxY += Layout::SwitchStep;
  }
  const float fieldY = boxY + Layout::SwitchStep;
  CreateTextBox(&m_menu, TextBoxDecimal, m_timeScaleBox, Layout::TimeFieldWidth,
                Layout::FieldHeight, 0.0f, swatchX + Layout::TimeFieldRight, fieldY, 0.0f,
                TimeScaleMaxLength, TimeScaleCaption, "0");
  m_setMusicButton = std::make_unique<DebugButton>(
      Layout::ButtonWidth, Layout::ButtonHeight, 0.0f, Panel().left + Layout::MusicButtonInset,
      fieldY + Layout::MusicButtonBelowTimeField, 0.0f, "Set Map Music");

  const float okX = Panel().right - Layout::OkButtonFromRight;
  const float buttonY = Panel().bottom - Layout::OkButtonFromBottom;
  m_settingsOkButton = MakeScreenQuad(Layout::ButtonWidth, Layout::ButtonHeight, okX, buttonY,
                                      DebugButtonColors::Fill);
  PaintRaisedBevel(*m_settingsOkButton);
  m_settingsCancelButton =
      MakeScreenQuad(Layout::ButtonWidth, Layout::ButtonHeight, okX - Layout::CancelButtonLeftOfOk,
                     buttonY, DebugButtonColors::Fill);
  PaintRaisedBevel(*m_settingsCancelButton);

  m_savedBackground = ClearColor;
  SaveToggles(RestoredToggleCount);

  m_widgets.Add("Background Color", *m_backgroundSwatch);
  m_widgets.Add(TimeScaleCaption, *m_timeScaleBox);
  m_widgets.Add(*m_setMusicButton);
  m_widgets.Add("OK", *m_settingsOkButton);
  m_widgets.Add("Cancel", *m_settingsCancelButton);
}

SettingsPage::~SettingsPage() = default;

// A map loaded since the last visit may have brought its own colour.
void SettingsPage::Enter() {
  ShowTimeScale();
  KeepBackground();
}

void SettingsPage::SaveToggles(int count) {
  for (int i = 0; i < count; ++i) {
    m_savedToggles[static_cast<size_t>(i)] = m_switches.IsOn(static_cast<DebugToggle>(i));
  }
}

void SettingsPage::PutBackSettings(int toggleCount) {
  ClearColor = m_savedBackground;
  m_backgroundSwatch->SetFillColor(m_savedBackground);
  for (int i = 0; i < toggleCount; ++i) {
    m_switches.Set(static_cast<DebugToggle>(i), m_savedToggles[static_cast<size_t>(i)]);
  }
}

void SettingsPage::SnapshotSettings() {
  m_savedBackground = ClearColor;
  SaveToggles(DebugToggleCount);
}

void SettingsPage::RestoreSettings() { PutBackSettings(RestoredToggleCount); }

void SettingsPage::KeepBackground() {
  m_savedBackground = ClearColor;
  m_backgroundSwatch->SetFillColor(ClearColor);
}

void SettingsPage::ShowTimeScale() {
  m_timeScaleBox->SetText(FloatToString(TimeScale));
  m_menu.SetPanelAnchor({Panel().left, Panel().bottom, 0.0f});
}

void SettingsPage::OpenSettingsPage() {
  m_menu.SetMode(MenuDebug::ModeSettings);
  SnapshotSettings();
  ShowTimeScale();
}

void SettingsPage::CloseSettingsPage() {
  m_menu.SetMode(MenuDebug::ModeEdit);
  m_menu.SetPanelAnchor(Layout::PropertyPanel.TopLeft());
}

void SettingsPage::Cancel() {
  PutBackSettings(DebugToggleCount);
  ShowLoadInfo = m_savedToggles[ToggleGameStateLoadInfo];
  CloseSettingsPage();
}

void SettingsPage::HandleInput() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  if (keys.IsDown(VirtualKey::Esc)) {
    CloseSettingsPage();
    return;
  }
  if (keys.IsEnterPressed()) {
    SaveToggles(RestoredToggleCount);
    TimeScale = ReadTimeScale(*m_timeScaleBox);
    CloseSettingsPage();
    return;
  }
  const bool overField = m_timeScaleBox->box->AltContainsPoint(m_mouse.Client());
  m_menu.ShowCursor(overField ? Atlas::CursorText : Atlas::CursorArrow);
  if (m_mouse.LeftPressed()) {
    PressOnSettingsPage();
    if (overField) {
      m_field.Open(*m_timeScaleBox, m_mouse);
    } else {
      m_field.Close();
    }
  } else {
    m_field.DragCaret(m_mouse);
  }
  m_field.PlaceCaretLine();
}

void SettingsPage::PressOnSettingsPage() {
  const platform::Vector3& mouse = m_mouse.Client();
  if (m_settingsOkButton->AltContainsPoint(mouse)) {
    SnapshotSettings();
    ShowLoadInfo = m_savedToggles[ToggleGameStateLoadInfo];
    TimeScale = ReadTimeScale(*m_timeScaleBox);
    CloseSettingsPage();
    return;
  }
  if (m_settingsCancelButton->AltContainsPoint(mouse)) {
    Cancel();
    return;
  }
  if (m_backgroundSwatch->AltContainsPoint(mouse)) {
    m_menu.Colors().OpenBackgroundColorDialog();
    return;
  }
  for (int i = 0; i < DebugToggleCount; ++i) {
    CheckBox& box = m_switches.Box(static_cast<DebugToggle>(i));
    if (!box.box->AltContainsPoint(mouse)) continue;
    box.checked = !box.checked;
    if (i == ToggleGameStateLoadInfo) ShowLoadInfo = box.checked;
    return;
  }
  if (m_setMusicButton->Contains(mouse)) m_menu.FileList().OpenMusicList();
}

void SettingsPage::Draw() {
  m_settingsPanel->DrawScreen();
  m_settingsTitleBar->DrawScreen();
  m_backgroundSwatchFrame->DrawScreen();
  m_backgroundSwatch->DrawScreen();
  m_setMusicButton->DrawBox();
  m_settingsOkButton->DrawScreen();
  m_settingsCancelButton->DrawScreen();
  if (m_field.Current()) m_field.DrawCaret();

  if (SpriteRenderer) SpriteRenderer->Begin();
  DrawCaption(L"Settings", CaptionX(), TitleY());
  DrawCaption(L"Debug Menu:", CaptionX(), TitleY() + Layout::SwitchStep);
  const Quad& frame = *m_backgroundSwatchFrame;
  DrawCaption(L" Background Color", frame.altPosition.x + frame.width, frame.altPosition.y);
  for (int i = 0; i < DebugToggleCount; ++i) {
    CheckBox& box = m_switches.Box(static_cast<DebugToggle>(i));
    if (i == ToggleVisibleCollision) {
      const float aboveY = m_switches.Box(ToggleObjectData).box->altPosition.y;
      DrawCaption(L" In-Game:", CaptionX(), aboveY + Layout::SwitchStep);
    }
    box.Draw();
  }
  m_timeScaleBox->Draw();
  const Quad& music = m_setMusicButton->Face();
  std::wstring musicLine = L"Map Music File Location: ";
  musicLine += MainSoundBank && MainSoundBank->music
                   ? StringToWString(MainSoundBank->music->GetPath())
                   : L"None";
  DrawCaption(musicLine, music.altPosition.x - music.width / 2,
              music.altPosition.y - Layout::MusicLineAboveButton);
  m_setMusicButton->DrawLabel();
  DrawButtonCaption(L"OK", *m_settingsOkButton);
  DrawButtonCaption(L"Cancel", *m_settingsCancelButton);
  m_menu.DrawCursorInBatch();
  if (SpriteRenderer) SpriteRenderer->End();
}
