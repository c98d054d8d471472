#include "menus/MenuController.h"

#include <algorithm>
#include <string>

#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/SoundBank.h"
#include "engine/StringConversion.h"
#include "engine/draw/Quad.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr float PanelWidth = 340.0f;
constexpr float PanelHeight = 410.0f;
constexpr float TitleBarInset = 10.0f;
constexpr float TitleBarHeight = 20.0f;
// The grid's first cell stands this far in from the title bar's left edge and below its bottom.
constexpr float GridLeftInset = 50.0f;
constexpr float GridTopGap = 35.0f;
constexpr float CellWidth = 100.0f;
constexpr float CellHeight = 30.0f;
constexpr float ColumnStep = 110.0f;
constexpr float RowStep = 40.0f;

constexpr int LabelColumn = 0;
constexpr int KeyColumn = 1;
constexpr int ButtonColumn = 2;
constexpr int LastRow = MenuController::RowCount - 1;

constexpr const wchar_t* RowLabels[MenuController::RowCount] = {
    L"", L"Select/Attack", L"Jump", L"Dash", L"Guard", L"Up", L"Down", L"Left", L"Right"};
constexpr const wchar_t* StickLabels[] = {L"Joystick Up", L"Joystick Down", L"Joystick Left",
                                          L"Joystick Right"};

bool IsActionRow(int row) { return row >= 1 && row < MenuController::FirstMoveRow; }

// The binding a row's key column shows and edits.
int KeyBinding(int row) {
  return IsActionRow(row) ? BindAction1Key + row - 1 : BindUp + row - MenuController::FirstMoveRow;
}

int ButtonBinding(int row) { return BindAction1Button + row - 1; }

size_t Index(int at) { return static_cast<size_t>(at); }

}  // namespace

MenuController::MenuController(GameStateSet* set) : Menu(set, "Controller Configuration Menu") {
  const auto w = static_cast<float>(ScreenWidth);
  const auto h = static_cast<float>(ScreenHeight);
  auto buttons = MakeCornerButtons();
  m_confirmButton = std::move(buttons[0]);
  m_backButton = std::move(buttons[1]);
  m_defaultButton = std::move(buttons[2]);
  m_confirmButton->SetFillColor(HighlightColor);
  m_selection = m_confirmButton.get();
  m_previousSelection = m_confirmButton.get();

  const Vector3 centre{w / 2, h / 2, 0.0f};
  m_panel = MakeMenuQuad(centre, PanelWidth, PanelHeight, DarkFill, false);
  const float barWidth = PanelWidth - 2 * TitleBarInset;
  const float barY = centre.y - PanelHeight / 2 + TitleBarInset + TitleBarHeight / 2;
  m_titleBar = MakeMenuQuad({centre.x, barY, 0.0f}, barWidth, TitleBarHeight, DarkFill, false);
  const float x0 = centre.x - barWidth / 2 + GridLeftInset;
  const float y0 = barY + TitleBarHeight / 2 + GridTopGap;
  for (int row = 0; row < RowCount; ++row) {
    for (int column = 0; column < ColumnCount; ++column) {
      Color4 fill = DarkFill;
      if (column == LabelColumn) fill = row == 0 ? Color4{} : NormalColor;
      m_cells[Index(row)][Index(column)] =
          MakeMenuQuad({x0 + ColumnStep * static_cast<float>(column),
                        y0 + RowStep * static_cast<float>(row), 0.0f},
                       CellWidth, CellHeight, fill, false);
    }
  }
}

MenuController::~MenuController() = default;

const Quad& MenuController::Cell(int row, int column) const {
  return *m_cells[Index(row)][Index(column)];
}

void MenuController::Enter() {
  if (m_selection) m_selection->SetFillColor(NormalColor);
  m_selection = m_confirmButton.get();
  m_previousSelection = m_confirmButton.get();
  m_confirmButton->SetFillColor(HighlightColor);
  if (m_editedControls) m_savedBindings = m_editedControls->bindings;
  RefreshNavigation();
}

void MenuController::RefreshNavigation() {
  if (!GameControls) return;
  if (m_navigation) {
    *m_navigation = *GameControls;
  } else {
    m_navigation = std::make_unique<Controls>(*GameControls);
  }
  m_navigation->keyboardEnabled = 1;
  m_navigation->padEnabled.fill(1);
  if (m_editedControls) m_navigation->activePad = m_editedControls->activePad;
}

void MenuController::HandleInput(float) {
  if (!m_navigation) return;
  if (m_mode == ModeRebind) {
    HandleRebindInput();
  } else {
    HandleBrowseInput();
  }
}

int MenuController::SelectedRow() const {
  for (int row = 1; row < RowCount; ++row) {
    if (m_selection == m_cells[Index(row)][LabelColumn].get()) return row;
  }
  return 0;
}

void MenuController::HandleBrowseInput() {
  const Controls& input = *m_navigation;
  const bool onButton = SelectedRow() == 0;
  if (input.IsConfirmPressed()) {
    ConfirmOnSelection();
  } else if (input.IsMenuUpPressed()) {
    MoveUp();
  } else if (input.IsMenuDownPressed(input.activePad)) {
    MoveDown();
  } else if (onButton) {
    // From left to right the buttons read Default, Back, Confirm.
    Quad* const row[] = {m_defaultButton.get(), m_backButton.get(), m_confirmButton.get()};
    if (input.IsMenuLeftPressed(input.activePad)) {
      m_selection = StepAlongRow(row, m_selection, -1);
    } else if (input.IsMenuRightPressed()) {
      m_selection = StepAlongRow(row, m_selection, 1);
    }
  }
}

void MenuController::MoveUp() {
  const int row = SelectedRow();
  if (row == 0) {
    m_selection = m_cells[LastRow][LabelColumn].get();
  } else if (row == 1) {
    m_selection = m_confirmButton.get();
  } else {
    m_selection = m_cells[Index(row - 1)][LabelColumn].get();
  }
}

void MenuController::MoveDown() {
  const int row = SelectedRow();
  if (row == LastRow) {
    m_selection = m_confirmButton.get();
  } else {
    m_selection = m_cells[Index(row + 1)][LabelColumn].get();
  }
}

void MenuController::ConfirmOnSelection() {
  if (m_selection == m_confirmButton.get()) {
    LeaveTo(m_returnState);
  } else if (m_selection == m_backButton.get()) {
    if (m_editedControls) m_editedControls->bindings = m_savedBindings;
    BindingsChanged();
    LeaveTo(m_returnState);
  } else if (m_selection == m_defaultButton.get()) {
    if (m_editedControls) m_editedControls->bindings = m_editedControls->defaultBindings;
    BindingsChanged();
  } else if (m_editedControls) {
    TintRow(SelectedRow(), true);
    m_mode = ModeRebind;
  }
}

void MenuController::LeaveTo(GameState* target) {
  if (target && set) set->SwitchTo(target);
}

void MenuController::TintRow(int row, bool waiting) {
  for (int column : {KeyColumn, ButtonColumn}) {
    if (column == ButtonColumn && !IsActionRow(row)) continue;
    Quad& cell = *m_cells[Index(row)][Index(column)];
    cell.SetFillColor(waiting ? cell.GetColor() + RebindTint : cell.GetColor() - RebindTint);
  }
}

void MenuController::HandleRebindInput() {
  const int row = SelectedRow();
  if (m_navigation->IsCancelPressed()) {
    TintRow(row, false);
    m_mode = ModeBrowse;
    return;
  }
  const int key = FirstNewlyPressedKey(*m_editedControls->keyboard);
  // The pad the edited controls play on gives the new button.
  const int padIndex = std::clamp(m_editedControls->activePad, 0, platform::PadSlotCount - 1);
  const Gamepad& pad = *m_editedControls->pads[Index(padIndex)];
  const int32_t button = pad.GetNewlyPressedButton();
  bool taken = false;
  if (key >= 0) {
    m_editedControls->bindings[Index(KeyBinding(row))] = static_cast<uint32_t>(key);
    taken = true;
  }
  if (button >= 0 && IsActionRow(row)) {
    m_editedControls->bindings[Index(ButtonBinding(row))] = static_cast<uint32_t>(button);
    taken = true;
  }
  if (!taken) return;
  BindingsChanged();
  TintRow(row, false);
  m_mode = ModeBrowse;
}

void MenuController::BindingsChanged() {
  const World* world = set ? set->world : nullptr;
  const Player* first = world ? world->GetFirstPlayer() : nullptr;
  // Talking, saving and the dialogue read the game's own controls.
  if (GameControls && m_editedControls && first && first->controls == m_editedControls) {
    GameControls->bindings = m_editedControls->bindings;
  }
}

void MenuController::Update(float) {
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
  if (m_selection == m_previousSelection) return;
  m_previousSelection->SetFillColor(NormalColor);
  m_selection->SetFillColor(HighlightColor);
  m_previousSelection = m_selection;
}

void MenuController::Draw() {
  if (m_backgroundState) m_backgroundState->Draw();
  m_panel->DrawScreen();
  m_titleBar->DrawScreen();
  for (const auto& row : m_cells) {
    for (const std::unique_ptr<Quad>& cell : row) cell->DrawScreen();
  }
  m_backButton->DrawScreen();
  m_confirmButton->DrawScreen();
  m_defaultButton->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  DrawTexts();
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuController::DrawTexts() {
  DrawMenuLabel(Cell(0, KeyColumn).altPosition, L"Keyboard");
  DrawMenuLabel(Cell(0, ButtonColumn).altPosition, L"Gamepad");
  for (int row = 1; row < RowCount; ++row) {
    DrawMenuLabel(Cell(row, LabelColumn).altPosition, RowLabels[row]);
    if (!IsActionRow(row)) {
      DrawMenuLabel(Cell(row, ButtonColumn).altPosition, StickLabels[row - FirstMoveRow]);
    }
    if (!m_editedControls) continue;
    const auto key = static_cast<int>(m_editedControls->bindings[Index(KeyBinding(row))]);
    DrawMenuLabel(Cell(row, KeyColumn).altPosition, StringToWString(KeyName(key)));
    if (!IsActionRow(row)) continue;
    const uint32_t button = m_editedControls->bindings[Index(ButtonBinding(row))];
    DrawMenuLabel(Cell(row, ButtonColumn).altPosition,
                  StringToWString(Gamepad::GetButtonName(button)));
  }
  DrawMenuLabel(m_backButton->altPosition, L"Back");
  DrawMenuLabel(m_confirmButton->altPosition, L"Confirm");
  DrawMenuLabel(m_defaultButton->altPosition, L"Default");
}
