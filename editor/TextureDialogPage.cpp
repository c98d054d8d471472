#include "editor/TextureDialogPage.h"

#include "editor/DebugMouse.h"
#include "editor/EditorLayout.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/TextureChooser.h"
#include "engine/Controls.h"
#include "engine/KeyboardLayer.h"
#include "engine/Texture.h"
#include "engine/draw/Quad.h"

TextureDialogPage::TextureDialogPage(MenuDebug& menu,
                                     std::vector<std::unique_ptr<Texture>>* textures)
    : m_menu(menu),
      m_mouse(menu.Mouse()),
      m_textures(textures),
      m_chooser(std::make_unique<TextureChooser>()) {
  m_widgets.Add("OK", m_chooser->OkButton());
  m_widgets.Add("Cancel", m_chooser->CancelButton());
}

TextureDialogPage::~TextureDialogPage() = default;

void TextureDialogPage::OpenTextureChooser() {
  m_menu.SetMode(MenuDebug::ModeTextureChooser);
  m_chooser->BuildTextureTiles(*m_textures);
  m_chooser->BuildTextureList();
  // What "OK" would give is shown as chosen.
  m_chooser->ShowChosen(m_chooser->RowOf(m_menu.Main().BrushTexture()));
  m_menu.SetPanelAnchor(m_chooser->PanelBox().GetAltTopLeftUnrotated());
}

void TextureDialogPage::HandleInput() {
  m_menu.ShowArrowCursor();
  if (GameControls->keyboard->IsDown(VirtualKey::Esc)) {
    CancelTextureDialog();
    return;
  }
  if (!m_mouse.LeftPressed()) return;
  TextureChooser& chooser = *m_chooser;
  const platform::Vector3& mouse = m_mouse.Client();
  if (chooser.CancelButton().AltContainsPoint(mouse)) {
    CancelTextureDialog();
    return;
  }
  if (m_menu.Main().BrushTexture() && chooser.OkButton().AltContainsPoint(mouse)) {
    m_menu.Main().ConfirmTexture();
    return;
  }
  const Shape* selected = m_menu.Main().Selected();
  const bool sprite = selected && selected->type == ShapeTypeSprite;
  const std::optional<size_t> row = chooser.PickTextureRow(mouse, sprite);
  m_menu.Main().SetBrushTexture(row ? chooser.TileTexture(*row) : nullptr);
  chooser.ShowChosen(row);
}

void TextureDialogPage::CancelTextureDialog() {
  m_menu.Main().SetBrushTexture(nullptr);
  m_menu.SetMode(MenuDebug::ModeEdit);
  m_menu.SetPanelAnchor(EditorLayout::PropertyPanel.TopLeft());
}

void TextureDialogPage::Draw() {
  m_chooser->Draw(m_menu.Main().BrushTexture() != nullptr);
  m_menu.DrawCursor();
}
