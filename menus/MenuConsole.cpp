#include "menus/MenuConsole.h"

#include "engine/Controls.h"
#include "engine/CreateTextBox.h"
#include "engine/DebugSwitches.h"
#include "engine/EditorAtlas.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/TextDrawing.h"
#include "engine/TextFieldEditors.h"
#include "engine/Texture.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "platform/SpriteBatch.h"
#include "world/CommandInterpreter.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr const platform::PixelRect& ArrowCursor = EditorAtlas::Cells[EditorAtlas::CursorArrow];
constexpr const platform::PixelRect& TextCursor = EditorAtlas::Cells[EditorAtlas::CursorText];
constexpr uint8_t CursorSpriteFlag = 1;

// The box is this much smaller than the screen; the input line fills its bottom.
constexpr float BoxMargin = 20.0f;
constexpr Color4 BoxFill{230, 221, 221, 221};
constexpr float InputInset = 10.0f;
constexpr float InputHeight = 19.0f;
constexpr float InputRise = 14.5f;
// The caret is a little shorter than the input line is high.
constexpr float CaretShortening = 4.0f;
constexpr float CaretTurn = 90.0f;
// History lines stand one line apart above the input line, a little in from its left edge.
constexpr float HistoryStep = 19.0f;
constexpr float HistoryInset = 5.0f;

}  // namespace

MenuConsole::MenuConsole(GameStateSet* set) : Menu(set, "Console Menu") {
  m_cursorRect = &ArrowCursor;
  const DebugSwitches* switches = DebugSwitchesOf(set);
  Texture* gui = switches ? switches->atlas : nullptr;
  m_cursor = std::make_unique<Sprite>(gui, CursorSpriteFlag, Vector3{}, 0.0f, ArrowCursor);

  const auto w = static_cast<float>(ScreenWidth);
  const auto h = static_cast<float>(ScreenHeight);
  const Vector3 centre{w / 2, h / 2, 0.0f};
  m_background = MakeMenuQuad(centre, w - BoxMargin, h - BoxMargin, BoxFill);

  const float bottom = centre.y + (h - BoxMargin) / 2;
  CreateTextBox(this, TextBoxFreeText, m_inputLine, w - BoxMargin - InputInset, InputHeight, 0.0f,
                centre.x, bottom - InputRise, 0.0f, MaxLineLength, "", "");
  m_caret = std::make_unique<Line>();
  m_caret->SetFillColor(ColorBlack);
  m_caret->SetLength(InputHeight - CaretShortening);
  m_caret->SetRotation(CaretTurn);
  m_caret->SetAltPosition(m_inputLine->MeasureToCaret());
}

MenuConsole::~MenuConsole() = default;

void MenuConsole::Enter() { m_inputLine->SetText(""); }

void MenuConsole::AddToHistory(const std::string& line) {
  m_history.push_front(line);
  while (m_history.size() > HistoryLength) m_history.pop_back();
}

void MenuConsole::HandleInput(float) {
  if (!GameControls) return;
  const KeyboardBuffer& keys = *GameControls->keyboard;
  if (keys.WentDown(VirtualKey::Esc) || keys.WentDown(VirtualKey::Tilde)) {
    ReturnToPlay();
    return;
  }
  EditTextProperty(keys, *m_inputLine);
  if (keys.WentDown(VirtualKey::Enter)) {
    const std::string line = m_inputLine->GetText();
    ExecuteCommand(line);
    AddToHistory(line);
    m_inputLine->SetText("");
    m_inputLine->UpdateCaret();
  }
  HandleMouse();
  m_caret->SetAltPosition(m_inputLine->MeasureToCaret());
}

void MenuConsole::HandleMouse() {
  const bool over = m_inputLine->box->AltContainsPoint(m_mouse);
  m_cursorRect = over ? &TextCursor : &ArrowCursor;
  const bool down = MainPlatform && MainPlatform->ReadMouse().left;
  if (!down) return;
  if (!GameControls->mouse->left) {
    // A press outside the line ends a drag without moving the caret.
    m_dragging = over;
    if (!over) return;
    m_inputLine->anchor = m_inputLine->MeasureSelection(m_mouse.x, m_mouse.y, m_mouse.z);
    m_inputLine->caret = m_inputLine->anchor;
    m_inputLine->UpdateCaret();
  } else if (m_dragging) {
    m_cursorRect = &TextCursor;
    m_inputLine->caret = m_inputLine->MeasureSelection(m_mouse.x, m_mouse.y, m_mouse.z);
    m_inputLine->UpdateCaret();
  }
}

void MenuConsole::Update(float) {
  if (MainPlatform) m_mouse = ClientPoint(*MainPlatform, MainPlatform->ReadMouse());
  m_cursor->sourceRect = *m_cursorRect;
  m_cursor->dirty = 1;
  m_cursor->SetAltPosition(m_mouse);
}

void MenuConsole::Draw() {
  if (set && set->world) set->world->Draw();
  m_background->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  m_inputLine->Draw();
  m_caret->DrawScreen();
  const float x = m_inputLine->box->altPosition.x - m_inputLine->box->width / 2 + HistoryInset;
  float y = m_inputLine->box->altPosition.y;
  for (const std::string& line : m_history) {
    y -= HistoryStep;
    DrawTextAligned(SmallFont, x, y, 0.0f, StringToWString(line), ColorBlack.ToD3DColor(),
                    AlignLeft, AlignQuarterUp);
  }
  m_cursor->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->End();
}
