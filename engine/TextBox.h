#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "engine/Color4.h"
#include "engine/draw/Quad.h"

class GameState;
namespace platform {
class TextFont;
}

// Input modes: which keys the owner's typing code takes for the box.
constexpr int32_t TextBoxFreeText = 0;
constexpr int32_t TextBoxInteger = 1;
constexpr int32_t TextBoxDecimal = 2;

// An editable line of text in a box at its screen position, with a selection highlight and a
// label. The selection runs between `anchor` and `caret` (character indices); they are equal
// when nothing is selected. Indices past the end of the text are read as the end. The owner
// handles the keyboard and the mouse and calls these operations.
class TextBox {
 public:
  // Text starts this many pixels inside the box's left edge.
  static constexpr float TextInset = 5.0f;

  TextBox(GameState* newOwner, int32_t newMode);

  std::string GetText() const { return text; }
  // Caret and anchor keep their distance from the end of the text, within the new text.
  // The highlight is not recomputed.
  void SetText(std::string newText);
  // Replaces the selection, or inserts at the caret; the caret ends after the inserted text
  // and nothing is selected.
  void InsertText(std::string typed);
  // The character index whose caret place is nearest to the screen x; the earlier of two
  // equally near places.
  int32_t MeasureSelection(float x, float y, float z) const;
  // Recomputes the highlight from the caret and the anchor.
  void UpdateCaret();
  // The screen point where the owner draws the caret line.
  platform::Vector3 MeasureToCaret() const;
  // The box and the highlight at once; label, text and suffix through the shared sprite
  // batch, which the caller has begun. Of text and suffix, only what fits the box is shown:
  // their start; a number that would lose only digits after its point shows as ShownNumberIn
  // shows it, rounded; one that would lose more shows its end, after a mark, and a minus sign
  // before the mark.
  void Draw();

  // The number in as many characters as the field takes and the box has room for
  // (ShownNumberIn). A shortened text stands for the whole number until the text is edited.
  void ShowNumber(float number);
  // The number the field stands for: the one shown while the text is still as shown, else the
  // number the text reads as.
  float Number() const;
  // The text was edited: it stands for what it reads as.
  void ForgetShownNumber();

  // The screen x where the text starts.
  float TextLeft() const;
  // Whether the text would show whole inside the box.
  bool Fits(const std::string& shown) const;

  platform::TextFont* font = nullptr;  // not owned; also measures the text
  int32_t labelSide = 0;
  GameState* owner = nullptr;  // not owned; only kept for the owner
  std::unique_ptr<Quad> box;
  std::unique_ptr<Quad> selection;
  std::string text;
  std::string label;
  // Drawn after the text, in the text's colour.
  std::string suffix;
  // Enforced by the owner's typing code.
  int32_t maxLength = std::numeric_limits<int32_t>::max();
  int32_t mode = TextBoxFreeText;
  int32_t anchor = 0;
  int32_t caret = 0;
  Color4 textColor;

 private:
  // What the box shows of the text, and how many characters of the text's start the mark in it
  // stands for.
  struct Shown {
    std::string text;
    int32_t hidden = 0;
  };

  int32_t Length() const;
  int32_t ClampIndex(int32_t index) const;
  // How many characters from the start of the line fit the box.
  size_t FittingCount(const std::wstring& shown) const;
  // What the box shows: the text, a number rounded to fewer decimals, or the end after a mark.
  Shown Showing() const;
  // What stands for the hidden start of a number: a mark, after the number's minus sign.
  std::string Mark() const;
  // The text with that many characters of its start hidden behind the mark.
  std::string Hiding(int32_t hidden) const;
  // Pixels from the text's start to the place before the character at the index, as shown; a
  // hidden character's place is the start, and a place past a rounded number's end is its end.
  float PlaceOf(int32_t index, const Shown& shown) const;
  // Pixels from the text's start to just inside the box's right edge.
  float TextRoom() const;

  // The number last shown and the text it was shown with, until an edit.
  std::optional<float> shownNumber;
  std::string shownText;
};

// What a number field shows of a value: its text at most length characters long.
std::string ShownNumber(float value, int32_t length);
// The same with fewer decimals where the field's box has no room for them; a whole number that
// does not fit is left whole (the box shows its end after a mark).
std::string ShownNumberIn(const TextBox& field, float value, int32_t length);
