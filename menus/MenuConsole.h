#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "menus/Menu.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Line;
class Quad;
class Sprite;
class TextBox;

// A text console over the frozen level: one typed line goes to the command interpreter on
// Enter, and the last lines stay listed above the input line. Escape or the backquote key
// returns to play.
class MenuConsole : public Menu {
 public:
  static constexpr size_t HistoryLength = 20;
  static constexpr int32_t MaxLineLength = 100;

  // The debug menu must be built first: its atlas gives the cursors.
  explicit MenuConsole(GameStateSet* set);
  ~MenuConsole() override;

  // The input line starts empty; the history stays.
  void Enter() override;
  // Leaving, typing, running the line, and the mouse on the input line.
  void HandleInput(float dt) override;
  // The mouse's place and the cursor picture.
  void Update(float dt) override;
  // The frozen level, the box, the input line and the history, the cursor last.
  void Draw() override;
  void DrawDebugOverlay() override {}

  // The line goes first; the oldest falls off past the history's length.
  void AddToHistory(const std::string& line);

  const std::deque<std::string>& History() const { return m_history; }
  TextBox& InputLine() const { return *m_inputLine; }
  const Sprite& Cursor() const { return *m_cursor; }

 private:
  void HandleMouse();

  const platform::PixelRect* m_cursorRect = nullptr;
  std::unique_ptr<Sprite> m_cursor;
  // In client pixels, as the last update read it.
  platform::Vector3 m_mouse;
  // A selection with the mouse in the input line is under way.
  bool m_dragging = false;
  std::unique_ptr<Quad> m_background;
  std::unique_ptr<TextBox> m_inputLine;
  std::unique_ptr<Line> m_caret;
  // The newest line first.
  std::deque<std::string> m_history;
};
