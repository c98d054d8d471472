#include "editor/TemplatePalette.h"

#include "editor/DebugButton.h"
#include "editor/EditorLayout.h"
#include "engine/BevelPainters.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/draw/Quad.h"

namespace Layout = EditorLayout;

namespace {

constexpr Color4 CellOutline{255, 0, 0, 0};
constexpr Color4 ChosenOutline{255, 255, 0, 0};
constexpr Color4 PaletteBarFill{230, 200, 200, 200};

std::unique_ptr<DebugButton> PageButton(Texture* atlas, size_t cell, float x) {
  auto button = std::make_unique<DebugButton>(Layout::PaletteCell, Layout::PaletteCell, 0.0f, x,
                                              Layout::PaletteY, 0.0f, std::string());
  button->ShowPicture(atlas, EditorAtlas::Cells[cell]);
  return button;
}

}  // namespace

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
  SetPages(BlankPalette());
  Reset();
}

TemplatePalette::~TemplatePalette() = default;

void TemplatePalette::SetPages(PrimitiveList pages) {
  m_templatePages = std::move(pages);
  for (TemplatePage& page : m_templatePages) {
    for (size_t cell = 0; cell < page.size(); ++cell) {
      page[cell].m_templateQuad->SetAltPositionXYZ(Layout::PaletteCellX(static_cast<int>(cell)),
                                                   Layout::PaletteY, 0.0f);
    }
  }
  m_chosenTemplate = nullptr;
  ShowPage(m_templatePageIndex);
}

void TemplatePalette::Reset() {
  ShowPage(0);
  m_chosenTemplate = nullptr;
}

void TemplatePalette::NextPage() {
  ShowPage(m_templatePageIndex == static_cast<int32_t>(PalettePageCount) - 1
               ? 0
               : m_templatePageIndex + 1);
  m_chosenTemplate = nullptr;
}

void TemplatePalette::PreviousPage() {
  ShowPage(m_templatePageIndex == 0 ? static_cast<int32_t>(PalettePageCount) - 1
                                    : m_templatePageIndex - 1);
  m_chosenTemplate = nullptr;
}

void TemplatePalette::Choose(int index) {
  if (!m_templatePage || index < 0 || index >= static_cast<int>(m_templatePage->size())) return;
  m_chosenTemplate = &(*m_templatePage)[static_cast<size_t>(index)];
}

void TemplatePalette::ChooseAt(const platform::Vector3& point) {
  m_chosenTemplate = nullptr;
  if (!m_templatePage) return;
  for (PrimitiveTemplate& cell : *m_templatePage) {
    if (cell.m_templateQuad->AltContainsPoint(point)) {
      m_chosenTemplate = &cell;
      return;
    }
  }
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
    for (const PrimitiveTemplate& cell : *m_templatePage) {
      Quad& quad = *cell.m_templateQuad;
      quad.outlineVisible = 1;
      quad.SetOutlineColor(&cell == m_chosenTemplate ? ChosenOutline : CellOutline);
      quad.DrawScreen();
    }
  }
  m_paletteNext->DrawBox();
  m_pageNumberBox->DrawScreen();
  m_palettePrevious->DrawBox();
}
