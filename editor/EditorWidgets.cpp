#include "editor/EditorWidgets.h"

#include "editor/DebugButton.h"
#include "editor/EditorLayout.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"
#include "platform/TextFont.h"

namespace EditorWidgets {

std::unique_ptr<Quad> MakeScreenQuad(float width, float height, float x, float y,
                                     const Color4& fill) {
  auto quad = std::make_unique<Quad>();
  quad->SetDimensions(width, height, 0.0f);
  quad->SetAltPositionXYZ(x, y, 0.0f);
  quad->SetFillColor(fill);
  return quad;
}

ScreenBox BoxOf(const Quad& quad) {
  return {quad.altPosition.x - quad.width / 2, quad.altPosition.y - quad.height / 2,
          quad.altPosition.x + quad.width / 2, quad.altPosition.y + quad.height / 2};
}

float TitleBarY(const ScreenBox& panel) { return panel.top + EditorLayout::TitleBarBelowPanelTop; }

ScreenBox TitleBarBox(const ScreenBox& panel) {
  const float y = TitleBarY(panel);
  return {panel.left + EditorLayout::TitleBarNarrowing / 2, y - EditorLayout::TitleBarHeight / 2,
          panel.right - EditorLayout::TitleBarNarrowing / 2, y + EditorLayout::TitleBarHeight / 2};
}

std::unique_ptr<Quad> MakeTitleBar(const ScreenBox& panel) {
  return MakeScreenQuad(panel.Width() - EditorLayout::TitleBarNarrowing,
                        EditorLayout::TitleBarHeight, (panel.left + panel.right) / 2,
                        TitleBarY(panel), TitleBarShade);
}

std::unique_ptr<Quad> MakeListRow(const std::string& name) {
  auto row = MakeScreenQuad(0.0f, RowHeight, 0.0f, 0.0f, RowColor);
  FitListRow(*row, StringToWString(name));
  row->SetName(name);
  return row;
}

float SmallTextWidth(const std::wstring& text) {
  return SmallFont ? static_cast<float>(SmallFont->Measure(text).width) : 0.0f;
}

void FitListRow(Quad& row, const std::wstring& text) {
  row.SetDimensions(SmallTextWidth(text) + RowPadding, RowHeight, 0.0f);
}

void PlaceListRow(Quad& row, float left, float y) {
  row.SetAltPositionXYZ(left + row.width / 2, y, row.altPosition.z);
}

void DrawCaption(const std::wstring& text, float x, float y, const Color4& color) {
  DrawTextAligned(SmallFont, x, y, 0.0f, text, color.ToD3DColor(), AlignLeft, AlignQuarterUp);
}

void DrawCaption(const std::wstring& text, float x, float y) {
  DrawCaption(text, x, y, DebugButtonColors::Text);
}

void DrawButtonCaption(const std::wstring& text, const Quad& button, const Color4& color) {
  DrawTextAligned(SmallFont, button.altPosition.x, button.altPosition.y, 0.0f, text,
                  color.ToD3DColor(), AlignCenter, AlignQuarterUp);
}

void DrawButtonCaption(const std::wstring& text, const Quad& button) {
  DrawButtonCaption(text, button, DebugButtonColors::Text);
}

void DrawPageLine(int32_t page, int32_t last, const Quad& button) {
  DrawTextAligned(SmallFont, button.altPosition.x - button.width / 2 - EditorLayout::PageLineGap,
                  button.altPosition.y, 0.0f,
                  L"Page " + IntToWString(page) + L" / " + IntToWString(last) +
                      L" (use arrow keys to change pages)",
                  DebugButtonColors::Text.ToD3DColor(), AlignRight, AlignQuarterUp);
}

void MessageLine::Draw(float x, float y) const {
  if (m_text.empty()) return;
  DrawTextAligned(SmallFont, x, y, 0.0f, m_text, MessageColor.ToD3DColor(), AlignLeft, m_vertical);
}

}  // namespace EditorWidgets
