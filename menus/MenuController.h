#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/Controls.h"
#include "menus/Menu.h"

class Quad;

// The first player's keys and pad buttons in a table of nine rows: a header, the four actions
// (a key and a pad button each) and the four move directions (a key each); below it Default,
// Back and Confirm. Confirming a row's label waits for the next key or button pressed.
class MenuController : public Menu {
 public:
  enum Mode : int32_t { ModeBrowse = 0, ModeRebind = 1 };
  static constexpr int RowCount = 9;
  static constexpr int ColumnCount = 3;
  // Rows 1 to 4 edit an action's key and button, rows 5 to 8 a move key.
  static constexpr int FirstMoveRow = 5;
  // Added to a binding cell's fill while its row waits for a key.
  static constexpr Color4 RebindTint{0, 50, 50, 50};
  static constexpr Color4 DarkFill{120, 0, 0, 0};

  explicit MenuController(GameStateSet* set);
  ~MenuController() override;

  // Confirm carries the only highlight; the bindings are kept for Back to put back.
  void Enter() override;
  void HandleInput(float dt) override;
  // Feeds the music and moves the highlight to the selection.
  void Update(float dt) override;
  // The screen behind, the table and the buttons, then their texts.
  void Draw() override;

  const Quad& Cell(int row, int column) const;
  const Quad& ConfirmButton() const { return *m_confirmButton; }
  const Quad& BackButton() const { return *m_backButton; }
  const Quad& DefaultButton() const { return *m_defaultButton; }

  int32_t m_mode = ModeBrowse;
  // Set by the screen that opens this one: drawn behind it, made current again when it is left,
  // and whose bindings it edits. Not owned.
  GameState* m_backgroundState = nullptr;
  GameState* m_returnState = nullptr;
  Controls* m_editedControls = nullptr;
  // The selected button or row label, and the one that carried the highlight after the last
  // update.
  Quad* m_selection = nullptr;
  Quad* m_previousSelection = nullptr;
  // The edited bindings as they were on entering.
  std::array<uint32_t, BindingCount> m_savedBindings{};

 private:
  void HandleBrowseInput();
  void HandleRebindInput();
  void ConfirmOnSelection();
  void MoveUp();
  void MoveDown();
  // The selected row, 1 to 8, or 0 on a button.
  int SelectedRow() const;
  // The binding cells of the row that take a new key or button: both on an action row.
  void TintRow(int row, bool waiting);
  void LeaveTo(GameState* target);
  // The edited bindings become the game's own too when they are the first player's.
  void BindingsChanged();
  // The game's controls with the keyboard on and the edited controls' pad as the active one,
  // so that a lost pad never keeps the player here.
  void RefreshNavigation();
  // The labels and the names of the bindings.
  void DrawTexts();

  std::unique_ptr<Quad> m_backButton;
  std::unique_ptr<Quad> m_confirmButton;
  std::unique_ptr<Quad> m_defaultButton;
  std::unique_ptr<Quad> m_panel;
  std::unique_ptr<Quad> m_titleBar;
  std::array<std::array<std::unique_ptr<Quad>, ColumnCount>, RowCount> m_cells;
  std::unique_ptr<Controls> m_navigation;
};
