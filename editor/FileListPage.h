#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/DebugPage.h"
#include "editor/EditorWidgets.h"

class DebugButton;
class DebugMouse;
class MenuDebug;
class Quad;
class Shape;
class World;

// Modes 6, 7, 8 and 10: a list of the files in a folder, over the main page: the maps to load
// (mode 6), the companion files to read the templates from (mode 7), the music to play (mode 8,
// over the settings page) and the map a portal leads to (mode 10).
class FileListPage : public DebugPage {
 public:
  FileListPage(MenuDebug& menu, World* world);
  ~FileListPage() override;

  void HandleInput() override;
  void Draw() override;
  // The music list stands on the settings page, whose switches are not committed yet.
  void Cancel() override;

  void OpenMapList();
  void OpenMefList();
  void OpenMusicList();
  // The target of the portal whose region this is.
  void OpenPortalTargetDialog(const Shape* portalRegion);

  // The rows of the list shown, and the chosen one; null for none.
  const EditorWidgets::RowList& Rows() const;
  const Quad* SelectedFileRow() const { return m_selectedFileRow; }

 private:
  // The lists show what the folder holds now, nothing chosen.
  void BuildFileList(EditorWidgets::RowList& rows, std::vector<std::string> names);
  void BuildMapFileList();
  void BuildMefFileList();
  // "None" first, then the music files.
  void BuildMusicList();
  // A press on a row chooses it; a press elsewhere chooses nothing.
  void PickFileRow();
  void CloseListDialog();
  void ActOnChosenFile();
  // Loads the chosen map in place of the current one and starts over on it, the players at
  // its spawn point.
  void LoadSelectedMap();

  MenuDebug& m_menu;
  const DebugMouse& m_mouse;
  World* m_world;
  std::unique_ptr<Quad> m_loadDialogPanel;
  std::unique_ptr<Quad> m_fileListPanel;
  std::unique_ptr<DebugButton> m_loadButton;
  std::unique_ptr<DebugButton> m_loadCancelButton;
  EditorWidgets::RowList m_mapFileRows;
  EditorWidgets::RowList m_mefFileRows;
  EditorWidgets::RowList m_musicFileRows;
  Quad* m_selectedFileRow = nullptr;
  // Mode 10's portal, found again by its region whenever it is needed.
  const Shape* m_targetPortalRegion = nullptr;
};
