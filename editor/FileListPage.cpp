#include "editor/FileListPage.h"

#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/EditorLayout.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "editor/SettingsPage.h"
#include "engine/Controls.h"
#include "engine/FileIO.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "world/CompanionFile.h"
#include "world/LoadingScreen.h"
#include "world/MapFormat.h"
#include "world/ModifierShape.h"
#include "world/World.h"

namespace Layout = EditorLayout;
using EditorWidgets::BoxOf;
using EditorWidgets::DrawCaption;
using EditorWidgets::RowList;

namespace {

constexpr const char* MusicFolder = "Content\\Audio\\";
constexpr const char* MusicExtension = ".ogg";
// The first row of the music list stops the music.
constexpr const char* NoMusicRow = "None";

}  // namespace

FileListPage::FileListPage(MenuDebug& menu, World* world)
    : m_menu(menu), m_mouse(menu.Mouse()), m_world(world) {
  const ScreenBox& load = Layout::LoadDialogPanel;
  m_loadDialogPanel = Layout::MakeBar(load, EditorWidgets::DialogFill);
  m_fileListPanel =
      Layout::MakeBar({load.left + Layout::FileListNarrowing / 2,
                       load.top + Layout::FileListShortening / 2 - Layout::FileListRaise,
                       load.right - Layout::FileListNarrowing / 2,
                       load.bottom - Layout::FileListShortening / 2 - Layout::FileListRaise},
                      ColorWhite);
  const float loadX = load.right - Layout::OkButtonFromRight;
  const float loadY = load.bottom - Layout::OkButtonFromBottom;
  m_loadButton = std::make_unique<DebugButton>(Layout::ButtonWidth, Layout::LoadButtonHeight, 0.0f,
                                               loadX, loadY, 0.0f, "Load");
  m_loadCancelButton =
      std::make_unique<DebugButton>(Layout::ButtonWidth, Layout::LoadButtonHeight, 0.0f,
                                    loadX - Layout::CancelButtonLeftOfOk, loadY, 0.0f, "Cancel");
  m_widgets.Add(*m_loadButton);
  m_widgets.Add(*m_loadCancelButton);
}

FileListPage::~FileListPage() = default;

void FileListPage::OpenMapList() {
  m_menu.SetMode(MenuDebug::ModeLoadMap);
  BuildMapFileList();
}

void FileListPage::OpenMefList() {
  m_menu.SetMode(MenuDebug::ModeLoadMef);
  BuildMefFileList();
}

void FileListPage::OpenMusicList() {
  m_menu.SetMode(MenuDebug::ModeMusic);
  BuildMusicList();
}

void FileListPage::OpenPortalTargetDialog(const Shape* portalRegion) {
  m_targetPortalRegion = portalRegion;
  m_menu.SetMode(MenuDebug::ModePortalTarget);
  BuildMapFileList();
}

void FileListPage::BuildFileList(RowList& rows, std::vector<std::string> names) {
  rows.clear();
  m_selectedFileRow = nullptr;
  const ScreenBox list = BoxOf(*m_fileListPanel);
  for (std::string& name : names) {
    auto row = EditorWidgets::MakeListRow(name);
    EditorWidgets::PlaceListRow(
        *row, list.left + Layout::RowInset,
        list.top + Layout::FirstRowBelowTop + Layout::RowStep * static_cast<float>(rows.size()));
    rows.push_back(std::move(row));
  }
}

void FileListPage::BuildMapFileList() {
  BuildFileList(m_mapFileRows, ListFiles(MapsFolder, MapExtension));
}

void FileListPage::BuildMefFileList() {
  BuildFileList(m_mefFileRows, ListFiles(MapsFolder, CompanionExtension));
}

void FileListPage::BuildMusicList() {
  std::vector<std::string> names = {NoMusicRow};
  for (std::string& name : ListFiles(MusicFolder, MusicExtension)) names.push_back(std::move(name));
  BuildFileList(m_musicFileRows, std::move(names));
}

const RowList& FileListPage::Rows() const {
  if (m_menu.Mode() == MenuDebug::ModeLoadMef) return m_mefFileRows;
  if (m_menu.Mode() == MenuDebug::ModeMusic) return m_musicFileRows;
  return m_mapFileRows;
}

void FileListPage::HandleInput() {
  m_menu.ShowArrowCursor();
  if (GameControls->keyboard->IsEnterPressed()) {
    if (m_selectedFileRow) ActOnChosenFile();
    return;
  }
  if (!m_mouse.LeftPressed()) return;
  if (m_loadButton->Contains(m_mouse.Client())) {
    if (m_selectedFileRow) ActOnChosenFile();
    return;
  }
  m_selectedFileRow = nullptr;
  if (m_loadCancelButton->Contains(m_mouse.Client())) {
    CloseListDialog();
    return;
  }
  PickFileRow();
}

void FileListPage::PickFileRow() {
  // With rows overlapping, the last one under the mouse is chosen.
  for (const std::unique_ptr<Quad>& row : Rows()) {
    row->SetFillColor(EditorWidgets::RowColor);
    if (!row->AltContainsPoint(m_mouse.Client())) continue;
    m_selectedFileRow = row.get();
    row->SetFillColor(EditorWidgets::HoverColor);
  }
}

void FileListPage::CloseListDialog() {
  if (m_menu.Mode() == MenuDebug::ModeMusic) {
    m_menu.SetMode(MenuDebug::ModeSettings);
    m_menu.Settings().ShowTimeScale();
  } else {
    m_menu.SetMode(MenuDebug::ModeEdit);
  }
}

void FileListPage::Cancel() {
  if (m_menu.Mode() != MenuDebug::ModeMusic) return;
  CloseListDialog();
  m_menu.Settings().Cancel();
}

void FileListPage::ActOnChosenFile() {
  const std::string name = m_selectedFileRow->GetName();
  switch (m_menu.Mode()) {
    case MenuDebug::ModeLoadMap:
      LoadSelectedMap();
      break;
    case MenuDebug::ModeLoadMef:
      m_menu.Main().ReadMef(MapsFolder + name);
      m_menu.SetMode(MenuDebug::ModeEdit);
      break;
    case MenuDebug::ModeMusic:
      if (name == NoMusicRow) {
        MainSoundBank->StopMusic();
      } else {
        MainSoundBank->PlayMusic(MusicFolder + name);
      }
      CloseListDialog();
      break;
    case MenuDebug::ModePortalTarget:
      if (ModifierShape* trigger = m_world->FindModifierByShape(m_targetPortalRegion)) {
        m_menu.Main().Panel().m_triggers->ChooseMap(*trigger, MapsFolder + name);
      }
      m_menu.SetMode(MenuDebug::ModeEdit);
      break;
    default:
      break;
  }
}

void FileListPage::LoadSelectedMap() {
  const std::string path = MapsFolder + m_selectedFileRow->GetName();
  m_world->ClearLevel();
  ShowMapLoadingScreen();
  ProgressTextPosition = MapLoadTextPosition;
  m_world->LoadMap(path);
  m_menu.Enter();
  for (Player* player : m_world->players) {
    if (!player || !player->body) continue;
    player->PlaceHud(player->ComputeHudAnchor());
    player->body->SetPosition(m_world->spawnPoint);
    player->body->SetVelocity(0.0f, 0.0f, 0.0f);
    player->ClearContacts();
  }
}

void FileListPage::Draw() {
  m_menu.Main().Draw();
  m_loadButton->SetEnabled(m_selectedFileRow != nullptr);
  m_loadDialogPanel->DrawScreen();
  m_fileListPanel->DrawScreen();
  const RowList& rows = Rows();
  for (const std::unique_ptr<Quad>& row : rows) row->DrawScreen();
  m_loadButton->DrawBox();
  m_loadCancelButton->DrawBox();
  if (SpriteRenderer) SpriteRenderer->Begin();
  const ScreenBox list = BoxOf(*m_fileListPanel);
  const wchar_t* header = m_menu.Mode() == MenuDebug::ModeMusic
                              ? L"Files are loaded from the \" Content\\Audio\\ \" directory."
                              : L"Files are loaded from the \" Content\\Maps\\ \" directory.";
  // The header stands in the band between the panel's top edge and the list's.
  DrawTextAligned(SmallFont, list.left, (BoxOf(*m_loadDialogPanel).top + list.top) / 2, 0.0f,
                  header, DebugButtonColors::Text.ToD3DColor(), AlignLeft, AlignMiddle);
  for (const std::unique_ptr<Quad>& row : rows) {
    DrawCaption(StringToWString(row->GetName()), list.left + Layout::RowTextInset,
                row->altPosition.y);
  }
  m_loadButton->DrawLabel();
  m_loadCancelButton->DrawLabel();
  m_menu.DrawCursorInBatch();
  if (SpriteRenderer) SpriteRenderer->End();
}
