#include "engine/TextBox.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/VectorMath.h"
#include "engine/WidgetLabel.h"
#include "platform/TextFont.h"

namespace {

const Color4 SelectionColor{255, 125, 130, 200};
// Text ends this many pixels inside the box's right edge, clear of its outline.
constexpr float TextRightInset = 2.0f;
// The caret line stands one pixel left of the place and one below the centre line.
constexpr float CaretOffsetX = -1.0f;
constexpr float CaretOffsetY = 1.0f;
constexpr char Digits[] = "0123456789";
// From a million on, the stream writes numbers with an exponent.
constexpr float ExponentTextFrom = 1.0e6f;

// Lengths beyond the 32-bit range saturate.
int32_t ToIndex(size_t length) {
  return static_cast<int32_t>(
      std::min<size_t>(length, static_cast<size_t>(std::numeric_limits<int32_t>::max())));
}

}  // namespace

// The nines of a number too long for its field need more than six significant digits.
std::string ShownNumber(float value, int32_t length) {
  const float fitted = FitFloatToLength(value, length);
  if (std::fabs(fitted) >= ExponentTextFrom) {
    return std::to_string(static_cast<int64_t>(fitted));
  }
  return WStringToString(DoubleToWString(fitted));
}

// Each length below the shown text's rounds away one more decimal.
std::string ShownNumberIn(const TextBox& field, float value, int32_t length) {
  std::string shown = ShownNumber(value, length);
  for (int32_t shorter = ToIndex(shown.size()) - 1;
       shorter > 0 && shown.find('.') != std::string::npos && !field.Fits(shown); --shorter) {
    shown = ShownNumber(value, shorter);
  }
  return shown;
}

TextBox::TextBox(GameState* newOwner, int32_t newMode)
    : font(SmallFont),
      labelSide(LabelSideLeft),
      owner(newOwner),
      box(std::make_unique<Quad>()),
      selection(std::make_unique<Quad>()),
      mode(newMode),
      textColor(ColorBlack) {
  box->SetFillColor(ColorWhite);
  box->outlineVisible = 1;
  box->SetOutlineColor(ColorBlack);
  selection->SetFillColor(SelectionColor);
  selection->SetDimensions(0.0f, 0.0f, 0.0f);
}

int32_t TextBox::Length() const { return ToIndex(text.size()); }

int32_t TextBox::ClampIndex(int32_t index) const { return std::clamp(index, 0, Length()); }

float TextBox::TextLeft() const { return box->altPosition.x - box->width / 2 + TextInset; }

size_t TextBox::FittingCount(const std::wstring& shown) const {
  size_t count = shown.size();
  while (count > 0 && static_cast<float>(font->MeasurePrefix(shown, count).width) > TextRoom()) {
    --count;
  }
  return count;
}

// A typed number too long for the box by its decimals shows as ShowNumber shows the number it
// reads as, so that it looks the same once it is stored and shown again.
TextBox::Shown TextBox::Showing() const {
  if (mode == TextBoxFreeText || Fits(text)) return {text, 0};
  const size_t kept = FittingCount(StringToWString(text));
  if (text.find('.') < kept && text.find_first_not_of(Digits, kept) == std::string::npos) {
    std::string rounded =
        ShownNumberIn(*this, std::strtof(text.c_str(), nullptr), std::min(maxLength, Length()));
    if (Fits(rounded)) return {std::move(rounded), 0};
  }
  int32_t hidden = 1;
  while (hidden < Length() && !Fits(Hiding(hidden))) ++hidden;
  return {Hiding(hidden), hidden};
}

// The mark stands after a minus sign, which stays in sight: -98765.43 shows as "-..65.43", never
// as a positive "..65.43".
std::string TextBox::Mark() const {
  return text.starts_with('-') ? "-" + std::string(CutMark) : CutMark;
}

std::string TextBox::Hiding(int32_t hidden) const {
  return Mark() + text.substr(static_cast<size_t>(hidden));
}

float TextBox::PlaceOf(int32_t index, const Shown& shown) const {
  if (!font || index <= 0 || index < shown.hidden) return 0.0f;
  const int32_t count = shown.hidden > 0 ? ToIndex(Mark().size()) + index - shown.hidden : index;
  return static_cast<float>(
      font->MeasurePrefix(StringToWString(shown.text),
                          std::min(static_cast<size_t>(count), shown.text.size()))
          .width);
}

float TextBox::TextRoom() const { return box->width - TextInset - TextRightInset; }

bool TextBox::Fits(const std::string& shown) const {
  return !font || static_cast<float>(font->Measure(StringToWString(shown)).width) <= TextRoom();
}

void TextBox::ShowNumber(float number) {
  SetText(ShownNumberIn(*this, number, maxLength));
  shownNumber = number;
  shownText = text;
}

float TextBox::Number() const {
  return shownNumber && text == shownText ? *shownNumber : LeadingReal(text);
}

void TextBox::ForgetShownNumber() { shownNumber.reset(); }

void TextBox::SetText(std::string newText) {
  const int64_t change = static_cast<int64_t>(newText.size()) - static_cast<int64_t>(text.size());
  text = std::move(newText);
  const auto moved = [&](int32_t index) {
    return static_cast<int32_t>(std::clamp<int64_t>(index + change, 0, Length()));
  };
  caret = moved(caret);
  anchor = moved(anchor);
}

void TextBox::InsertText(std::string typed) {
  if (typed.empty()) return;
  caret = ClampIndex(caret);
  anchor = ClampIndex(anchor);
  const int32_t lo = std::min(anchor, caret);
  const int32_t hi = std::max(anchor, caret);
  text.replace(static_cast<size_t>(lo), static_cast<size_t>(hi - lo), typed);
  caret = ToIndex(static_cast<size_t>(lo) + typed.size());
  anchor = caret;
  UpdateCaret();
}

int32_t TextBox::MeasureSelection(float x, float, float) const {
  const float left = TextLeft();
  // The first place shown stands for the hidden ones.
  const Shown shown = Showing();
  int32_t index = shown.hidden;
  float best = std::fabs(x - (left + PlaceOf(index, shown)));
  const int32_t length = Length();
  for (int32_t i = index + 1; i <= length; ++i) {
    const float distance = std::fabs(x - (left + PlaceOf(i, shown)));
    if (!(distance < best)) break;
    best = distance;
    index = i;
  }
  return index;
}

void TextBox::UpdateCaret() {
  const int32_t first = ClampIndex(anchor);
  const int32_t second = ClampIndex(caret);
  if (first == second) {
    selection->SetDimensions(0.0f, 0.0f, 0.0f);
    return;
  }
  const int32_t lo = std::min(first, second);
  const int32_t hi = std::max(first, second);
  platform::TextExtent selected;
  if (font) {
    selected = font->Measure(StringToWString(text.substr(static_cast<size_t>(lo),
                                                         static_cast<size_t>(hi - lo))));
  }
  const Shown shown = Showing();
  const float start = PlaceOf(lo, shown);
  const float selectedWidth = PlaceOf(hi, shown) - start;
  selection->SetDimensions(selectedWidth, static_cast<float>(selected.height), 0.0f);
  selection->SetAltPositionXYZ(TextLeft() + start + selectedWidth / 2, box->altPosition.y, 0.0f);
}

platform::Vector3 TextBox::MeasureToCaret() const {
  return {TextLeft() + PlaceOf(ClampIndex(caret), Showing()) + CaretOffsetX,
          box->altPosition.y + CaretOffsetY, 0.0f};
}

void TextBox::Draw() {
  box->DrawScreen();
  selection->DrawScreen();
  const platform::Vector3 at = box->altPosition;
  DrawWidgetLabel(font, label, labelSide, at.x - box->width / 2, at.x + box->width / 2, at.y,
                  textColor);
  std::wstring shown = StringToWString(Showing().text + suffix);
  if (font) shown.resize(FittingCount(shown));
  DrawTextAligned(font, TextLeft(), at.y, 0.0f, shown, textColor.ToD3DColor(), AlignLeft,
                  AlignQuarterUp);
}
