#pragma once

#include <memory>
#include <vector>

#include "editor/DebugPage.h"

class DebugMouse;
class MenuDebug;
class Texture;
class TextureChooser;

// Mode 1: the texture chooser over the world's textures. A chosen row becomes the brush at
// once; "OK" gives it to the selection (or keeps it as the Sprite tool's brush), "Cancel"
// drops it.
class TextureDialogPage : public DebugPage {
 public:
  TextureDialogPage(MenuDebug& menu, std::vector<std::unique_ptr<Texture>>* textures);
  ~TextureDialogPage() override;

  void HandleInput() override;
  void Draw() override;

  // Lists the world's textures, the brush's row chosen.
  void OpenTextureChooser();

  const TextureChooser& Chooser() const { return *m_chooser; }

 private:
  void CancelTextureDialog();

  MenuDebug& m_menu;
  const DebugMouse& m_mouse;
  // The world's loaded textures.
  std::vector<std::unique_ptr<Texture>>* m_textures;
  std::unique_ptr<TextureChooser> m_chooser;
};
