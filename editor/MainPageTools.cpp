// The tool panel and the editor's keys: choosing a tool, the two toggles, deselect and delete,
// the template pages and the brush they load, and the camera tools (pan, zoom, and panning with
// the middle button under every tool).

#include <array>
#include <fstream>
#include <locale>

#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/EditorCamera.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "editor/SaveDialogPage.h"
#include "editor/TemplatePalette.h"
#include "editor/TypingField.h"
#include "engine/Camera.h"
#include "engine/Controls.h"
#include "engine/EditorAtlas.h"
#include "engine/FileIO.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/Texture.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "player/Player.h"
#include "world/CompanionFile.h"
#include "world/World.h"

namespace Atlas = EditorAtlas;

namespace {

// The letter keys of the tools, in the order they are tested.
struct ToolKey {
  int key;
  size_t tool;
};
constexpr std::array<ToolKey, 10> ToolKeys = {{
    {VirtualKey::T, Atlas::ToolSelect},
    {VirtualKey::A, Atlas::ToolSprite},
    {VirtualKey::Tilde, Atlas::ToolSpriteKeepBrush},
    {VirtualKey::S, Atlas::ToolTextureQuad},
    {VirtualKey::D, Atlas::ToolTextureCircle},
    {VirtualKey::F, Atlas::ToolBoundaryQuad},
    {VirtualKey::G, Atlas::ToolBoundaryCircle},
    {VirtualKey::H, Atlas::ToolPan},
    {VirtualKey::Z, Atlas::ToolZoomIn},
    {VirtualKey::X, Atlas::ToolZoomOut},
}};

// Keys 1 to 9 pick the first to the ninth template of the page, 0 the tenth.
constexpr std::array<int, PalettePageSize> TemplateKeys = {
    VirtualKey::Digit0 + 1, VirtualKey::Digit0 + 2, VirtualKey::Digit0 + 3, VirtualKey::Digit0 + 4,
    VirtualKey::Digit0 + 5, VirtualKey::Digit0 + 6, VirtualKey::Digit0 + 7, VirtualKey::Digit0 + 8,
    VirtualKey::Digit0 + 9, VirtualKey::Digit0};

// The template key that went down, 0-9, or -1.
int TemplateKeyPressed(const KeyboardBuffer& keys) {
  for (size_t i = 0; i < TemplateKeys.size(); ++i) {
    if (keys.WentDown(TemplateKeys[i])) return static_cast<int>(i);
  }
  return -1;
}

void ShowInteger(TextBox& field, int32_t value) { field.SetText(std::to_string(value)); }

// A template's number as the stream writes it, six significant digits however long: unlike the
// shown form of a refresh (ShownNumber), it is not fitted to the field.
void ShowUnfittedNumber(TextBox& field, float value) { field.SetText(FloatToString(value)); }

}  // namespace

bool MainPage::ToolIs(size_t toolIcon) const { return m_activeTool == m_toolIcons[toolIcon].get(); }

bool MainPage::SpriteToolCurrent() const {
  return ToolIs(Atlas::ToolSprite) || ToolIs(Atlas::ToolSpriteKeepBrush);
}

void MainPage::HandleToolKeys() {
  if (m_field.Current()) return;
  const KeyboardBuffer& keys = *GameControls->keyboard;
  for (const ToolKey& entry : ToolKeys) {
    if (keys.WentDown(entry.key)) {
      ChooseTool(entry.tool);
      return;
    }
  }
  if (keys.WentDown(VirtualKey::C)) {
    DropSelection();
  } else if (keys.WentDown(VirtualKey::V)) {
    m_snapToggle = !m_snapToggle;
  } else if (const int index = TemplateKeyPressed(keys); index >= 0) {
    m_palette->Choose(index);
    LoadTemplate();
  } else if (keys.WentDown(VirtualKey::Minus)) {
    m_palette->PreviousPage();
  } else if (keys.WentDown(VirtualKey::Equals)) {
    m_palette->NextPage();
  }
}

void MainPage::HandleCtrlKeys() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  if (keys.WentDown(VirtualKey::S)) {
    m_menu.SaveDialog().OpenSaveDialog(MenuDebug::ModeSaveMap);
  } else if (const int index = TemplateKeyPressed(keys); index >= 0) {
    m_palette->Choose(index);
    StoreTemplate();
  }
}

// A press on a cell loads its template into the brush; a press between cells only forgets the
// chosen one.
void MainPage::HandleTemplatePalette() {
  m_menu.ShowArrowCursor();
  if (!m_mouse.LeftPressed()) return;
  TemplatePalette& palette = *m_palette;
  if (palette.m_paletteNext->Contains(m_mouse.Client())) {
    palette.NextPage();
  } else if (palette.m_palettePrevious->Contains(m_mouse.Client())) {
    palette.PreviousPage();
  } else {
    palette.ChooseAt(m_mouse.Client());
    LoadTemplate();
  }
}

void MainPage::ClickToolBar() {
  m_menu.ShowArrowCursor();
  if (!m_mouse.LeftPressed()) return;
  CloseContextMenu();
  for (size_t icon = 0; icon < m_toolIcons.size(); ++icon) {
    if (!m_toolIcons[icon]->AltContainsPoint(m_mouse.Client())) continue;
    switch (icon) {
      case Atlas::ToolSnapToggle:
        m_snapToggle = !m_snapToggle;
        break;
      case Atlas::ToolSecondToggle:
        m_secondToggle = !m_secondToggle;
        break;
      case Atlas::ToolDeselect:
        if (m_selected) DropSelection();
        break;
      case Atlas::ToolDelete:
        if (!m_selected) break;
        DeleteSelection(m_selected);
        m_selectedOwner = SelectionOwner::None;
        m_brushTexture = nullptr;
        ShowOutline(nullptr);
        break;
      default:
        ChooseTool(icon);
        break;
    }
    return;
  }
}

void MainPage::ChooseTool(size_t toolIcon) {
  m_field.Close();
  switch (toolIcon) {
    case Atlas::ToolSprite:
      SelectSpriteTool();
      break;
    case Atlas::ToolTextureQuad:
    case Atlas::ToolTextureCircle:
    case Atlas::ToolBoundaryQuad:
    case Atlas::ToolBoundaryCircle:
      m_activeTool = m_toolIcons[toolIcon].get();
      DropSelection();
      break;
    default:
      m_activeTool = m_toolIcons[toolIcon].get();
      break;
  }
  PlaceToolFrame();
}

void MainPage::SelectSpriteTool() {
  m_activeTool = m_toolIcons[Atlas::ToolSprite].get();
  Select(nullptr, SelectionOwner::None);
  if (m_brushTexture) {
    SetSourceFields({0, 0, static_cast<int32_t>(m_brushTexture->width),
                     static_cast<int32_t>(m_brushTexture->height)});
    MakeBrushPreview();
  } else {
    m_outline.reset();
    ClearSourceFields();
  }
}

void MainPage::PlaceToolFrame() {
  const Sprite& tool = *m_activeTool;
  m_toolFrame->SetAltPosition(tool.altPosition);
  m_toolFrame->SetDimensions(
      static_cast<float>(tool.sourceRect.right - tool.sourceRect.left) * tool.scale.x - 2.0f,
      static_cast<float>(tool.sourceRect.bottom - tool.sourceRect.top) * tool.scale.y - 2.0f, 0.0f);
}

void MainPage::SetSourceFields(const platform::PixelRect& rect) {
  ShowInteger(*m_panel->m_fieldSourceLeft, rect.left);
  ShowInteger(*m_panel->m_fieldSourceTop, rect.top);
  ShowInteger(*m_panel->m_fieldSourceRight, rect.right);
  ShowInteger(*m_panel->m_fieldSourceBottom, rect.bottom);
}

void MainPage::ClearSourceFields() {
  for (TextBox* field : {m_panel->m_fieldSourceLeft.get(), m_panel->m_fieldSourceTop.get(),
                         m_panel->m_fieldSourceRight.get(), m_panel->m_fieldSourceBottom.get()}) {
    field->SetText("0");
    field->UpdateCaret();
  }
}

void MainPage::LoadTemplate() {
  const PrimitiveTemplate* chosen = m_palette->m_chosenTemplate;
  if (!chosen || !chosen->m_templateQuad->texture) return;
  const Quad& cell = *chosen->m_templateQuad;
  PropertyPanel& panel = *m_panel;
  m_brushTexture = cell.texture;
  SetSourceFields(cell.sourceRect);
  MakeBrushPreview();
  panel.m_buttonFlipX->SetPressed(chosen->m_flipX);
  panel.m_buttonFlipY->SetPressed(chosen->m_flipY);
  ShowUnfittedNumber(*panel.m_fieldRotation, chosen->m_rotation);
  ShowUnfittedNumber(*panel.m_fieldScaleX, chosen->m_scaleX);
  ShowUnfittedNumber(*panel.m_fieldScaleY, chosen->m_scaleY);
  ShowInteger(*panel.m_fieldLayer, chosen->m_layer);
  panel.m_colorSwatch->SetFillColor(chosen->m_color);
}

void MainPage::StoreTemplate() {
  PrimitiveTemplate* chosen = m_palette->m_chosenTemplate;
  if (!chosen) return;
  Quad& cell = *chosen->m_templateQuad;
  PropertyPanel& panel = *m_panel;
  const Color4 widgetColor = panel.m_colorSwatch->GetColor();
  if (!m_selected) {
    // Without a selection the brush is written into the template and stays as it is.
    cell.texture = m_brushTexture;
    const platform::PixelRect rect = panel.SourceRect();
    cell.SetRect(rect.left, rect.top, rect.right, rect.bottom);
    cell.SetFillColor(widgetColor);
    chosen->m_flipX = panel.m_buttonFlipX->Pressed();
    chosen->m_flipY = panel.m_buttonFlipY->Pressed();
    chosen->m_rotation = NumberIn(*panel.m_fieldRotation);
    chosen->m_scaleX = NumberIn(*panel.m_fieldScaleX);
    chosen->m_scaleY = NumberIn(*panel.m_fieldScaleY);
    chosen->m_layer = WholeNumberIn(*panel.m_fieldLayer);
    chosen->m_color = widgetColor;
    return;
  }
  const Shape& shape = *m_selected;
  cell.texture = shape.texture;
  cell.SetRect(shape.sourceRect.left, shape.sourceRect.top, shape.sourceRect.right,
               shape.sourceRect.bottom);
  cell.SetFillColor(widgetColor);
  // The brush follows the template.
  m_brushTexture = cell.texture;
  if (m_brushTexture) {
    SetSourceFields(cell.sourceRect);
    MakeBrushPreview();
  } else {
    m_outline.reset();
    ClearSourceFields();
  }
  chosen->m_flipX = shape.flipHorizontal != 0;
  chosen->m_flipY = shape.flipVertical != 0;
  panel.m_buttonFlipX->SetPressed(chosen->m_flipX);
  panel.m_buttonFlipY->SetPressed(chosen->m_flipY);
  chosen->m_rotation = shape.rotation;
  ShowUnfittedNumber(*panel.m_fieldRotation, chosen->m_rotation);
  const auto* sprite = dynamic_cast<const Sprite*>(&shape);
  chosen->m_scaleX = sprite ? sprite->scale.x : 1.0f;
  chosen->m_scaleY = sprite ? sprite->scale.y : 1.0f;
  ShowUnfittedNumber(*panel.m_fieldScaleX, chosen->m_scaleX);
  ShowUnfittedNumber(*panel.m_fieldScaleY, chosen->m_scaleY);
  chosen->m_layer = shape.layer;
  ShowInteger(*panel.m_fieldLayer, chosen->m_layer);
  chosen->m_color = shape.GetColor();
  panel.m_colorSwatch->SetFillColor(chosen->m_color);
}

void MainPage::ToolPan() {
  m_menu.ShowCursor(Atlas::CursorPan);
  if (!MainCamera) return;
  const Player* player = m_world->GetFirstPlayer();
  if (GameControls->keyboard->WentDown(VirtualKey::R) && player && player->body) {
    const platform::Vector3 at = player->body->position;
    EditorCamera::PlaceEye(*MainCamera, {at.x, at.y, EditorCamera::NormalEyeZ});
  }
  if (m_mouse.LeftHeld() || m_mouse.MiddleHeld()) {
    EditorCamera::PanByPixels(*MainCamera, m_mouse.Delta()[0], m_mouse.Delta()[1]);
  }
}

void MainPage::ToolZoomIn() {
  m_menu.ShowCursor(Atlas::CursorZoomIn);
  ToolZoom(EditorCamera::ZoomStep);
}

void MainPage::ToolZoomOut() {
  m_menu.ShowCursor(Atlas::CursorZoomOut);
  ToolZoom(-EditorCamera::ZoomStep);
}

void MainPage::ToolZoom(float step) {
  if (!MainCamera) return;
  Camera& camera = *MainCamera;
  bool zoomed = false;
  if (GameControls->keyboard->WentDown(VirtualKey::R)) {
    EditorCamera::PlaceEye(camera, {camera.eye.x, camera.eye.y, EditorCamera::NormalEyeZ});
    CloseContextMenu();
    zoomed = true;
  }
  if (m_mouse.LeftPressed()) {
    zoomed = EditorCamera::ZoomBy(camera, step) || zoomed;
    CloseContextMenu();
  }
  if (m_mouse.RightPressed()) OpenContextMenu(MenuZoom);
  if (zoomed) m_world->MarkSpritesDirty();
  PanWithMiddleButton();
}

void MainPage::PanWithMiddleButton() {
  if (!MainCamera || !m_mouse.MiddleHeld()) return;
  EditorCamera::PanByPixels(*MainCamera, m_mouse.Delta()[0], m_mouse.Delta()[1]);
  CloseContextMenu();
}

void MainPage::ReadMef(const std::string& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) {
    m_palette->SetPages(BlankPalette());
    return;
  }
  in.imbue(std::locale::classic());
  static const std::vector<std::unique_ptr<Texture>> noTextures;
  m_palette->SetPages(ReadCompanionFile(in, m_textures ? *m_textures : noTextures));
}
