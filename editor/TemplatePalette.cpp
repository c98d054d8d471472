#include "editor/TemplatePalette.h"

#include "editor/DebugButton.h"
#include "editor/EditorAtlas.h"
#include "editor/EditorLayout.h"
#include "engine/BevelPainters.h"
#include "engine/Globals.h"
#include "engine/draw/Quad.h"

namespace Layout = EditorLayout;

namespace {

constexpr Color4 BlankCellFill{200, 255, 255, 255};
constexpr Color4 CellOutline{255, 0, 0, 0};
constexpr Color4 ChosenOutline{255, 255, 0, 0};
constexpr Color4 PaletteBarFill{230, 200, 200, 200};

std::unique_ptr<DebugButton> PageButton(Texture* atlas, size_t cell, float x) {
  auto button = std::make_unique<DebugButton>(Layout::PaletteCell, Layout::PaletteCell, 0.0f, x,
                                              Layout::PaletteY, 0.0f, std::string());
  const platform::PixelRect& rect = EditorAtlas::Cells[cell];
  button->m_quad->SetTexture(atlas);
  button->m_quad->SetRect(rect.left, rect.top, rect.right, rect.bottom);
  // The arrow shows in its own colours on the face.
  button->m_fillColor = ColorWhite;
  button->SetPressed(false);
  return button;
}

}  // namespace

PrimitiveTemplate::PrimitiveTemplate() : m_templateQuad(std::make_unique<Quad>()) {}

PrimitiveTemplate::~PrimitiveTemplate() = default;

TemplatePalette::TemplatePalette(Texture* atlas) {
  m_paletteBar = std::make_unique<Quad>();
  m_paletteBar->SetDimensions(Layout::PaletteBarWidth, Layout::PaletteCell, 0.0f);
  m_paletteBar->SetAltPositionXYZ(Layout::PropertyPanel.left + Layout::PaletteBarWidth / 2,
                                  Layout::PaletteY, 0.0f);
  m_paletteBar->SetFillColor(PaletteBarFill);
  m_palettePrevious = PageButton(atlas, EditorAtlas::PalettePrevious, Layout::PalettePreviousX);
  m_pageNumberBox = std::make_unique<Quad>();
  m_pageNumberBox->SetDimensions(Layout::PaletteCell, Layout::PaletteCell, 0.0f);
  m_pageNumberBox->SetAltPositionXYZ(Layout::PageNumberX, Layout::PaletteY, 0.0f);
  m_pageNumberBox->SetFillColor(DebugButtonColors::Fill);
  PaintRaisedBevel(*m_pageNumberBox);
  m_paletteNext = PageButton(atlas, EditorAtlas::PaletteNext, Layout::PaletteNextX);
  MakeBlankPages();
  Reset();
}

TemplatePalette::~TemplatePalette() = default;

void TemplatePalette::MakeBlankPages() {
  m_templatePages.clear();
  m_templatePage = nullptr;
  m_chosenTemplate = nullptr;
  for (int page = 0; page < PageCount; ++page) {
    TemplatePage cells;
    for (int cell = 0; cell < TemplatesPerPage; ++cell) {
      auto blank = std::make_unique<PrimitiveTemplate>();
      Quad& quad = *blank->m_templateQuad;
      quad.outlineVisible = 1;
      quad.SetDimensions(Layout::PaletteCell, Layout::PaletteCell, 0.0f);
      quad.SetAltPositionXYZ(Layout::PaletteCellX(cell), Layout::PaletteY, 0.0f);
      quad.SetFillColor(BlankCellFill);
      cells.push_back(std::move(blank));
    }
    m_templatePages.push_back(std::move(cells));
  }
  ShowPage(m_templatePageIndex);
}

void TemplatePalette::Reset() {
  ShowPage(0);
  m_chosenTemplate = nullptr;
}

void TemplatePalette::NextPage() {
  ShowPage(m_templatePageIndex == PageCount - 1 ? 0 : m_templatePageIndex + 1);
  m_chosenTemplate = nullptr;
}

void TemplatePalette::PreviousPage() {
  ShowPage(m_templatePageIndex == 0 ? PageCount - 1 : m_templatePageIndex - 1);
  m_chosenTemplate = nullptr;
}

void TemplatePalette::Choose(int index) {
  if (!m_templatePage || index < 0 || index >= static_cast<int>(m_templatePage->size())) return;
  m_chosenTemplate = (*m_templatePage)[static_cast<size_t>(index)].get();
}

void TemplatePalette::ShowPage(int32_t index) {
  m_templatePageIndex = index;
  m_templatePage = index >= 0 && index < static_cast<int32_t>(m_templatePages.size())
                       ? &m_templatePages[static_cast<size_t>(index)]
                       : nullptr;
}

void TemplatePalette::DrawCells() {
  m_paletteBar->DrawScreen();
  if (m_templatePage) {
    for (const auto& cell : *m_templatePage) {
      Quad& quad = *cell->m_templateQuad;
      quad.outlineVisible = 1;
      quad.SetOutlineColor(cell.get() == m_chosenTemplate ? ChosenOutline : CellOutline);
      quad.DrawScreen();
    }
  }
  m_paletteNext->DrawBox();
  m_pageNumberBox->DrawScreen();
  m_palettePrevious->DrawBox();
}
