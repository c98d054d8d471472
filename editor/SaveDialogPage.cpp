#include "editor/SaveDialogPage.h"

#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/EditorLayout.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/TemplatePalette.h"
#include "editor/TypingField.h"
#include "engine/BevelPainters.h"
#include "engine/Controls.h"
#include "engine/CreateTextBox.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"
#include "platform/SpriteBatch.h"
#include "world/CompanionFile.h"
#include "world/MapFormat.h"

namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;
using EditorWidgets::BoxOf;
using EditorWidgets::DrawButtonCaption;

namespace {

// Each save dialog opens with this name, ready to be typed over.
constexpr const char* StartingName = "map";
constexpr const char* NameCaption = "Save file as:";

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

SaveDialogPage::SaveDialogPage(MenuDebug& menu)
    : m_menu(menu), m_mouse(menu.Mouse()), m_field(menu.Field()), m_pageMessage(AlignQuarterUp) {
  const ScreenBox& save = Layout::SaveDialogPanel;
  m_saveDialogPanel = Layout::MakeBar(save, EditorWidgets::DialogFill);
  const float saveX = save.right - Layout::OkButtonFromRight;
  const float saveY = save.bottom - Layout::OkButtonFromBottom;
  m_saveButton = EditorWidgets::MakeScreenQuad(Layout::ButtonWidth, Layout::ButtonHeight, saveX,
                                               saveY, DebugButtonColors::Fill);
  PaintRaisedBevel(*m_saveButton);
  m_saveCancelButton = EditorWidgets::MakeScreenQuad(Layout::ButtonWidth, Layout::ButtonHeight,
                                                     saveX - Layout::CancelButtonLeftOfOk, saveY,
                                                     DebugButtonColors::Fill);
  PaintRaisedBevel(*m_saveCancelButton);
  CreateTextBox(&m_menu, TextBoxFreeText, m_mapNameBox, save.Width() - Layout::NameFieldNarrowing,
                Layout::NameFieldHeight, 0.0f,
                (save.left + save.right) / 2 - Layout::NameFieldLeftShift,
                (save.top + save.bottom) / 2, 0.0f, Layout::MapNameMaxLength, "", "");

  m_widgets.Add(NameCaption, *m_mapNameBox);
  m_widgets.Add("Save", *m_saveButton);
  m_widgets.Add("Cancel", *m_saveCancelButton);
}

SaveDialogPage::~SaveDialogPage() = default;

void SaveDialogPage::OpenSaveDialog(int32_t mode) {
  m_menu.SetMode(mode);
  m_mapNameBox->suffix = mode == MenuDebug::ModeSaveMef ? CompanionExtension : MapExtension;
  m_mapNameBox->SetText(StartingName);
  m_field.OpenAt(*m_mapNameBox, static_cast<int32_t>(m_mapNameBox->text.size()));
}

void SaveDialogPage::HandleInput() {
  const platform::Vector3& mouse = m_mouse.Client();
  const bool overField = m_mapNameBox->box->AltContainsPoint(mouse);
  m_menu.ShowCursor(overField ? Atlas::CursorText : Atlas::CursorArrow);
  if (GameControls->keyboard->IsEnterPressed()) {
    SaveUnderTypedName();
  } else if (m_mouse.LeftPressed()) {
    if (m_saveButton->AltContainsPoint(mouse)) {
      SaveUnderTypedName();
    } else if (m_saveCancelButton->AltContainsPoint(mouse)) {
      m_menu.SetMode(MenuDebug::ModeEdit);
    } else if (overField) {
      m_field.Open(*m_mapNameBox, m_mouse);
    }
  } else if (overField) {
    m_field.DragCaret(m_mouse);
  }
  if (m_nameRefused) ShowRefusal(m_mapNameBox->text);
  m_field.PlaceCaretLine();
}

bool SaveDialogPage::ShowRefusal(const std::string& name) {
  m_pageMessage.Show(SaveNameRefusal(name));
  m_nameRefused = !m_pageMessage.Text().empty();
  return m_nameRefused;
}

void SaveDialogPage::SaveUnderTypedName() {
  const std::string name = m_mapNameBox->text;
  if (ShowRefusal(name)) return;
  const bool map = m_menu.Mode() == MenuDebug::ModeSaveMap;
  const bool saved = map ? m_menu.Main().SaveMapUnmarked(name)
                         : SaveMefFile(m_menu.Main().Palette().m_templatePages, name);
  if (saved) {
    m_menu.SetMode(MenuDebug::ModeEdit);
  } else {
    m_pageMessage.Show(L"Could not write " + StringToWString(MapsFolder + name) +
                       StringToWString(map ? MapExtension : CompanionExtension) +
                       L"; the old file is kept.");
  }
}

void SaveDialogPage::Draw() {
  m_menu.Main().Draw();
  m_saveDialogPanel->DrawScreen();
  m_saveButton->DrawScreen();
  m_saveCancelButton->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  const ScreenBox panel = BoxOf(*m_saveDialogPanel);
  DrawTextAligned(SmallFont, panel.left + Layout::DialogTextInset,
                  panel.top + Layout::DialogTextInset, 0.0f,
                  L"File will be saved to the \"Content\\Maps\" directory.\nSave file as:",
                  DebugButtonColors::Text.ToD3DColor(), AlignLeft, AlignTop);
  m_mapNameBox->Draw();
  DrawButtonCaption(L"Save", *m_saveButton);
  DrawButtonCaption(L"Cancel", *m_saveCancelButton);
  m_pageMessage.Draw(panel.left + Layout::DialogTextInset,
                     m_mapNameBox->box->altPosition.y + Layout::MessageBelowField);
  if (SpriteRenderer) SpriteRenderer->End();
  m_field.DrawCaret();
  m_menu.DrawCursor();
}
