#include <fstream>
#include <locale>

#include "editor/DebugButton.h"
#include "editor/EditorLayout.h"
#include "editor/EditorWidgets.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "editor/SettingsPage.h"
#include "editor/TemplatePalette.h"
#include "engine/BevelPainters.h"
#include "engine/Controls.h"
#include "engine/CreateTextBox.h"
#include "engine/EditorAtlas.h"
#include "engine/FileIO.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/TextDrawing.h"
#include "engine/Texture.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "world/CompanionFile.h"
#include "world/LoadingScreen.h"
#include "world/MapFormat.h"
#include "world/ModifierShape.h"
#include "world/World.h"

namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;
using EditorWidgets::DrawButtonCaption;
using EditorWidgets::DrawCaption;
using EditorWidgets::RowList;

namespace {

constexpr Color4 DialogFill{255, 160, 160, 160};
constexpr Color4 DialogOutline{255, 0, 0, 0};
// Each save dialog opens with this name, ready to be typed over.
constexpr const char* StartingName = "map";
constexpr const char* MusicFolder = "Content\\Audio\\";
constexpr const char* MusicExtension = ".ogg";
// The first row of the music list stops the music.
constexpr const char* NoMusicRow = "None";
// The palette's cells stand side by side along the top edge of the property panel.

std::unique_ptr<Quad> MakeDialogPanel(const ScreenBox& box, const Color4& fill) {
  auto panel = EditorWidgets::MakeScreenQuad(box.Width(), box.Height(), (box.left + box.right) / 2,
                                             (box.top + box.bottom) / 2, fill);
  panel->outlineVisible = 1;
  panel->SetOutlineColor(DialogOutline);
  return panel;
}

ScreenBox BoxOf(const Quad& quad) {
  return {quad.altPosition.x - quad.width / 2, quad.altPosition.y - quad.height / 2,
          quad.altPosition.x + quad.width / 2, quad.altPosition.y + quad.height / 2};
}

}  // namespace

// A blank makes a name the map reader cannot take back as a portal's target, an empty one a
// hidden file, and a separator or ".." a file outside the maps folder.
std::wstring SaveNameRefusal(const std::string& name) {
  if (name.empty() || name.find_first_of(" \t\r\n") != std::string::npos) {
    return L"A name needs at least one character and no blanks.";
  }
  if (name.find_first_of("/\\") != std::string::npos || name.find("..") != std::string::npos) {
    return L"A name cannot hold \\, / or \"..\": files are saved in Content\\Maps only.";
  }
  return {};
}

void MenuDebug::BuildFileDialogs() {
  const ScreenBox& save = Layout::SaveDialogPanel;
  m_saveDialogPanel = MakeDialogPanel(save, DialogFill);
  const float saveX = save.right - Layout::OkButtonFromRight;
  const float saveY = save.bottom - Layout::OkButtonFromBottom;
  m_saveButton = EditorWidgets::MakeScreenQuad(Layout::ButtonWidth, Layout::ButtonHeight, saveX,
                                               saveY, DebugButtonColors::Fill);
  PaintRaisedBevel(*m_saveButton);
  m_saveCancelButton = EditorWidgets::MakeScreenQuad(Layout::ButtonWidth, Layout::ButtonHeight,
                                                     saveX - Layout::CancelButtonLeftOfOk, saveY,
                                                     DebugButtonColors::Fill);
  PaintRaisedBevel(*m_saveCancelButton);
  CreateTextBox(this, TextBoxFreeText, m_mapNameBox, save.Width() - Layout::NameFieldNarrowing,
                Layout::NameFieldHeight, 0.0f,
                (save.left + save.right) / 2 - Layout::NameFieldLeftShift,
                (save.top + save.bottom) / 2, 0.0f, Layout::MapNameMaxLength, "", "");
  m_mapNameBox->suffix = MapExtension;

  const ScreenBox& load = Layout::LoadDialogPanel;
  m_loadDialogPanel = MakeDialogPanel(load, DialogFill);
  m_fileListPanel =
      MakeDialogPanel({load.left + Layout::FileListNarrowing / 2,
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
}

void MenuDebug::ReadMef(const std::string& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) {
    m_palette->SetPages(BlankPalette());
    return;
  }
  in.imbue(std::locale::classic());
  static const std::vector<std::unique_ptr<Texture>> noTextures;
  m_palette->SetPages(ReadCompanionFile(in, m_textures ? *m_textures : noTextures));
}

void MenuDebug::OpenSaveDialog(int32_t mode) {
  SetMode(mode);
  m_mapNameBox->SetText(StartingName);
  m_field.OpenAt(*m_mapNameBox, static_cast<int32_t>(m_mapNameBox->text.size()));
}

void MenuDebug::OpenSaveMefDialog() { OpenSaveDialog(ModeSaveMef); }

void MenuDebug::HandleSaveDialog() {
  const bool overField = m_mapNameBox->box->AltContainsPoint(m_mouse.Client());
  ShowCursor(overField ? Atlas::CursorText : Atlas::CursorArrow);
  if (GameControls->keyboard->IsEnterPressed()) {
    SaveUnderTypedName();
  } else if (m_mouse.LeftPressed()) {
    if (m_saveButton->AltContainsPoint(m_mouse.Client())) {
      SaveUnderTypedName();
    } else if (m_saveCancelButton->AltContainsPoint(m_mouse.Client())) {
      SetMode(ModeEdit);
    } else if (overField) {
      m_field.Open(*m_mapNameBox, m_mouse);
    }
  } else if (overField) {
    m_field.DragCaret(m_mouse);
  }
  m_field.PlaceCaretLine();
}

void MenuDebug::SaveUnderTypedName() {
  const std::string name = m_mapNameBox->text;
  if (const std::wstring refusal = SaveNameRefusal(name); !refusal.empty()) {
    m_pageMessage.Show(refusal);
    return;
  }
  const bool map = m_mode == ModeSaveMap;
  const bool saved = map ? SaveMapUnmarked(name) : SaveMefFile(m_palette->m_templatePages, name);
  if (saved) {
    SetMode(ModeEdit);
  } else {
    m_pageMessage.Show(L"Could not write " + StringToWString(MapsFolder + name) +
                       StringToWString(map ? MapExtension : CompanionExtension) +
                       L"; the old file is kept.");
  }
}

void MenuDebug::DrawSaveDialog() {
  DrawMainPage();
  m_saveDialogPanel->DrawScreen();
  m_saveButton->DrawScreen();
  m_saveCancelButton->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  const ScreenBox panel = BoxOf(*m_saveDialogPanel);
  DrawTextAligned(SmallFont, panel.left + Layout::DialogTextInset,
                  panel.top + Layout::DialogTextInset, 0.0f,
                  L"File will be saved to the \"Content\\Maps\" directory.\nSave file as:",
                  DebugButtonColors::Text.ToD3DColor(), AlignLeft, AlignTop);
  m_mapNameBox->suffix = m_mode == ModeSaveMef ? CompanionExtension : MapExtension;
  m_mapNameBox->Draw();
  DrawButtonCaption(L"Save", *m_saveButton);
  DrawButtonCaption(L"Cancel", *m_saveCancelButton);
  m_pageMessage.Draw(panel.left + Layout::DialogTextInset,
                     m_mapNameBox->box->altPosition.y + Layout::MessageBelowField);
  if (SpriteRenderer) SpriteRenderer->End();
  m_field.DrawCaret();
  DrawCursor();
}

void MenuDebug::OpenMapList() {
  SetMode(ModeLoadMap);
  BuildMapFileList();
}

void MenuDebug::OpenMefList() {
  SetMode(ModeLoadMef);
  BuildMefFileList();
}

void MenuDebug::OpenPortalTargetDialog(const Shape* portalRegion) {
  m_targetPortalRegion = portalRegion;
  SetMode(ModePortalTarget);
  BuildMapFileList();
}

void MenuDebug::BuildFileList(RowList& rows, std::vector<std::string> names) {
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

void MenuDebug::BuildMapFileList() {
  BuildFileList(m_mapFileRows, ListFiles(MapsFolder, MapExtension));
}

void MenuDebug::BuildMefFileList() {
  BuildFileList(m_mefFileRows, ListFiles(MapsFolder, CompanionExtension));
}

void MenuDebug::OpenMusicList() {
  SetMode(ModeMusic);
  BuildMusicList();
}

void MenuDebug::BuildMusicList() {
  std::vector<std::string> names = {NoMusicRow};
  for (std::string& name : ListFiles(MusicFolder, MusicExtension)) names.push_back(std::move(name));
  BuildFileList(m_musicFileRows, std::move(names));
}

RowList& MenuDebug::ListOfMode() {
  if (m_mode == ModeLoadMef) return m_mefFileRows;
  if (m_mode == ModeMusic) return m_musicFileRows;
  return m_mapFileRows;
}

void MenuDebug::HandleListDialog() {
  ShowArrowCursor();
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

void MenuDebug::PickFileRow() {
  // With rows overlapping, the last one under the mouse is chosen.
  for (const std::unique_ptr<Quad>& row : ListOfMode()) {
    row->SetFillColor(EditorWidgets::RowColor);
    if (!row->AltContainsPoint(m_mouse.Client())) continue;
    m_selectedFileRow = row.get();
    row->SetFillColor(EditorWidgets::HoverColor);
  }
}

void MenuDebug::CloseListDialog() {
  if (m_mode == ModeMusic) {
    SetMode(ModeSettings);
    m_settings->Show();
  } else {
    SetMode(ModeEdit);
  }
}

void MenuDebug::ActOnChosenFile() {
  const std::string name = m_selectedFileRow->GetName();
  switch (m_mode) {
    case ModeLoadMap:
      LoadSelectedMap();
      break;
    case ModeLoadMef:
      ReadMef(MapsFolder + name);
      SetMode(ModeEdit);
      break;
    case ModeMusic:
      if (name == NoMusicRow) {
        MainSoundBank->StopMusic();
      } else {
        MainSoundBank->PlayMusic(MusicFolder + name);
      }
      CloseListDialog();
      break;
    case ModePortalTarget:
      if (ModifierShape* trigger = m_world->FindModifierByShape(m_targetPortalRegion)) {
        m_panel->m_triggers->ChooseMap(*trigger, MapsFolder + name);
      }
      SetMode(ModeEdit);
      break;
    default:
      break;
  }
}

void MenuDebug::LoadSelectedMap() {
  const std::string path = MapsFolder + m_selectedFileRow->GetName();
  m_world->ClearLevel();
  ShowMapLoadingScreen();
  ProgressTextPosition = MapLoadTextPosition;
  m_world->LoadMap(path);
  Enter();
  for (Player* player : m_world->players) {
    if (!player || !player->body) continue;
    player->PlaceHud(player->ComputeHudAnchor());
    player->body->SetPosition(m_world->spawnPoint);
    player->body->SetVelocity(0.0f, 0.0f, 0.0f);
    player->ClearContacts();
  }
}

void MenuDebug::DrawListDialog() {
  DrawMainPage();
  m_loadButton->SetEnabled(m_selectedFileRow != nullptr);
  m_loadDialogPanel->DrawScreen();
  m_fileListPanel->DrawScreen();
  const RowList& rows = ListOfMode();
  for (const std::unique_ptr<Quad>& row : rows) row->DrawScreen();
  m_loadButton->DrawBox();
  m_loadCancelButton->DrawBox();
  if (SpriteRenderer) SpriteRenderer->Begin();
  const ScreenBox list = BoxOf(*m_fileListPanel);
  const wchar_t* header = m_mode == ModeMusic
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
  DrawCursorInBatch();
  if (SpriteRenderer) SpriteRenderer->End();
}
