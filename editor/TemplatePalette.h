#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/MathTypes.h"
#include "world/CompanionFile.h"

class DebugButton;
class Texture;

// The brush presets: ten pages of ten templates, of which one page is shown in a bar along the
// property panel's top, and the template the last digit key (or press) chose.
class TemplatePalette {
 public:
  explicit TemplatePalette(Texture* atlas);
  ~TemplatePalette();

  // The pages read from a companion file (or blank ones), their cells in a row along the
  // property panel's top. The page index stays; no template is chosen.
  void SetPages(PrimitiveList pages);
  // Page 0 current, nothing chosen.
  void Reset();
  // One page on, 0 after 9; one page back, 9 before 0. Either forgets the chosen template.
  void NextPage();
  void PreviousPage();
  // Template 0-9 of the current page becomes the chosen one.
  void Choose(int index);
  // The template of the current page whose cell holds the screen point becomes the chosen one;
  // none when no cell holds it.
  void ChooseAt(const platform::Vector3& point);

  // The page's cells outlined in black, the chosen one in red, then the bar's buttons.
  void DrawCells();

  PrimitiveList m_templatePages;
  int32_t m_templatePageIndex = 0;
  TemplatePage* m_templatePage = nullptr;
  PrimitiveTemplate* m_chosenTemplate = nullptr;
  std::unique_ptr<Quad> m_paletteBar;
  std::unique_ptr<DebugButton> m_palettePrevious;
  std::unique_ptr<Quad> m_pageNumberBox;
  std::unique_ptr<DebugButton> m_paletteNext;

 private:
  void ShowPage(int32_t index);
};
