#pragma once

#include <memory>

#include "editor/DebugPage.h"
#include "engine/Color4.h"

class ColorDialog;
class DebugMouse;
class MenuDebug;
class Texture;
class TypingField;

// Modes 2 and 3: the colour dialog over the main page, on the selection's colour (or the
// brush's) or on the background colour. Sliders and fields change the colour as they move;
// the keys W, A, S and D pan the camera meanwhile.
class ColorDialogPage : public DebugPage {
 public:
  ColorDialogPage(MenuDebug& menu, Texture* atlas);
  ~ColorDialogPage() override;

  void HandleInput() override;
  void Draw() override;
  // Ends the dialog with the colour it opened with (the background: the last one committed).
  void Cancel() override;

  // Mode 2 on the selection's colour, or the brush's without a selection.
  void OpenShapeColorDialog();
  // Mode 3 on the background colour.
  void OpenBackgroundColorDialog();

  const ColorDialog& Dialog() const { return *m_colorDialog; }

 private:
  bool OnBackground() const;
  void HandleShapeColorDialog();
  void HandleBackgroundColorDialog();
  // What both dialogs do after their own keys; true while the dialog stays open.
  bool HandleColorDialogMouse();
  // The colour the dialog edits: the colour swatch's in mode 2, the background in mode 3.
  Color4 EditedColor() const;
  void ApplyColor(const Color4& color);
  void CloseColorDialog(const Color4& color);
  void PanCameraWithKeys();

  MenuDebug& m_menu;
  const DebugMouse& m_mouse;
  TypingField& m_field;
  std::unique_ptr<ColorDialog> m_colorDialog;
};
