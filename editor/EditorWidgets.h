#pragma once

// Small pieces the debug menu's pages share: plain screen quads, the pages' title bars, list
// rows and captions.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/Color4.h"
#include "engine/draw/ScreenBox.h"

class Quad;

namespace EditorWidgets {

// The shade of a page's title bar.
constexpr Color4 TitleBarShade{30, 0, 0, 0};
// A chosen list row, and a row nobody has chosen.
constexpr Color4 HoverColor{200, 70, 90, 130};
constexpr Color4 RowColor{0, 255, 255, 255};
// A line saying that a file was not written, or what a press held back would do.
constexpr Color4 MessageColor{255, 170, 20, 20};
// The file dialogs' panels.
constexpr Color4 DialogFill{255, 160, 160, 160};
// The black lines that part a panel's groups of widgets.
constexpr Color4 SeparatorColor{255, 0, 0, 0};
constexpr float RowHeight = 20.0f;
// Rows are as wide as their text and this much more.
constexpr float RowPadding = 20.0f;

std::unique_ptr<Quad> MakeScreenQuad(float width, float height, float x, float y,
                                     const Color4& fill);
// Where a screen quad lies, rotation ignored.
ScreenBox BoxOf(const Quad& quad);
// A shaded strip across the top of a page's panel.
std::unique_ptr<Quad> MakeTitleBar(const ScreenBox& panel);
float TitleBarY(const ScreenBox& panel);
// Where the title bar of a page's panel lies.
ScreenBox TitleBarBox(const ScreenBox& panel);

// How wide the text stands in the small font; 0 without the font.
float SmallTextWidth(const std::wstring& text);
// A row of a list: a screen quad named after its text, as wide as the text and the padding,
// clear until chosen.
std::unique_ptr<Quad> MakeListRow(const std::string& name);
// Makes the row as wide as the text it shows and the padding.
void FitListRow(Quad& row, const std::wstring& text);
// The row's left edge at left, its middle at y.
void PlaceListRow(Quad& row, float left, float y);
using RowList = std::vector<std::unique_ptr<Quad>>;

// Through the shared sprite batch, in the small font: left-aligned from the point, or centred
// on the button, the text's top a quarter of its height above the point.
void DrawCaption(const std::wstring& text, float x, float y, const Color4& color);
void DrawCaption(const std::wstring& text, float x, float y);
void DrawButtonCaption(const std::wstring& text, const Quad& button, const Color4& color);
void DrawButtonCaption(const std::wstring& text, const Quad& button);
// "Page p / last (...)" ending a little left of the button, level with it.
void DrawPageLine(int32_t page, int32_t last, const Quad& button);

// One line in the message colour saying why something the editor tried did not happen, or what
// it holds back until asked again; empty while there is nothing to say. Drawn left-aligned from
// a point, through the shared sprite batch, at the height the vertical alignment code gives.
class MessageLine {
 public:
  explicit MessageLine(int vertical) : m_vertical(vertical) {}
  void Show(std::wstring text) { m_text = std::move(text); }
  void Clear() { m_text.clear(); }
  const std::wstring& Text() const { return m_text; }
  void Draw(float x, float y) const;

 private:
  int m_vertical;
  std::wstring m_text;
};

}  // namespace EditorWidgets
