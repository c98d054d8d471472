#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/Color4.h"

class DebugButton;
class Quad;
class Texture;

// One preset of the Sprite tool's brush. Its palette cell carries the texture, the source
// rectangle and the colour.
struct PrimitiveTemplate {
  PrimitiveTemplate();
  ~PrimitiveTemplate();

  std::unique_ptr<Quad> m_templateQuad;
  bool m_flipX = false;
  bool m_flipY = false;
  float m_rotation = 0.0f;
  float m_scaleX = 1.0f;
  float m_scaleY = 1.0f;
  int32_t m_layer = 0;
  Color4 m_color{255, 255, 255, 255};
};

using TemplatePage = std::vector<std::unique_ptr<PrimitiveTemplate>>;

// The brush presets: ten pages of ten templates, of which one page is shown in a bar along the
// property panel's top, and the template the last digit key (or press) chose.
class TemplatePalette {
 public:
  static constexpr int PageCount = 10;
  static constexpr int TemplatesPerPage = 10;

  explicit TemplatePalette(Texture* atlas);
  ~TemplatePalette();

  // Ten pages of empty templates: no texture, white cells a little see-through.
  void MakeBlankPages();
  // Page 0 current, nothing chosen.
  void Reset();
  // One page on, 0 after 9; one page back, 9 before 0. Either forgets the chosen template.
  void NextPage();
  void PreviousPage();
  // Template 0-9 of the current page becomes the chosen one.
  void Choose(int index);

  // The page's cells outlined in black, the chosen one in red, then the bar's buttons.
  void DrawCells();

  std::vector<TemplatePage> m_templatePages;
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
