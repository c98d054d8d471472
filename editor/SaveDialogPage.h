#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "editor/DebugPage.h"
#include "editor/EditorWidgets.h"

class DebugMouse;
class MenuDebug;
class Quad;
class TextBox;
class TypingField;

// Modes 4 and 5: the name the map (mode 4) or the companion file (mode 5) is saved under in
// the maps folder, over the main page.
class SaveDialogPage : public DebugPage {
 public:
  explicit SaveDialogPage(MenuDebug& menu);
  ~SaveDialogPage() override;

  void HandleInput() override;
  void Draw() override;
  void Leave() override {
    m_pageMessage.Clear();
    m_nameRefused = false;
  }

  // Opens with the name "map" ready to be typed over.
  void OpenSaveDialog(int32_t mode);

  // Why the name was refused or the file not written; empty when nothing went wrong.
  const std::wstring& Message() const { return m_pageMessage.Text(); }

 private:
  // Writes the map or the companion file under the typed name; the dialog stays open with a
  // line saying why when the name is refused or the file could not be written.
  void SaveUnderTypedName();
  // The line says why the name is refused, or goes when it is not; true when it is.
  bool ShowRefusal(const std::string& name);

  MenuDebug& m_menu;
  const DebugMouse& m_mouse;
  TypingField& m_field;
  std::unique_ptr<Quad> m_saveDialogPanel;
  std::unique_ptr<Quad> m_saveButton;
  std::unique_ptr<Quad> m_saveCancelButton;
  // The name, without folder or extension.
  std::unique_ptr<TextBox> m_mapNameBox;
  EditorWidgets::MessageLine m_pageMessage;
  // Whether the line says why the name was refused: it follows the name, and goes once the name
  // is one that can be saved under.
  bool m_nameRefused = false;
};

// Why a name typed into a save dialog cannot be saved under in the maps folder; empty when it
// can. The keyboard types no separator, but the guard does not rely on that.
std::wstring SaveNameRefusal(const std::string& name);
