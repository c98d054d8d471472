#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/draw/Quad.h"
#include "menus/pause/PauseTab.h"
#include "platform/TextFont.h"

// The statistics pages: every gained statistic of the player in four columns on two pages, with
// a resume and a quit button. They stand in the ring while the debug menu asks for them, off the
// tab strip, and keep the page and the button they were left on.
class StatisticsPages : public PauseTab {
 public:
  // One line of the pages: its place (page 1 or 2, column 0 to 3, row from 1), its label and
  // the gained statistic it shows, or the tokens.
  static constexpr int TokensLine = -1;
  struct Line {
    int page;
    int column;
    int row;
    std::string label;
    int stat;
  };
  // Every line of both pages, page by page and column by column.
  static const std::vector<Line>& Lines();

  explicit StatisticsPages(MenuPause& owner);
  ~StatisticsPages() override;

  const char* Title() const override { return ""; }
  std::optional<platform::PixelRect> Icon() const override { return std::nullopt; }
  bool InRing() const override;
  void Build() override {}
  void HandleInput(const Controls& controls) override;
  // The frozen scene, the backdrop, the page's panel and its two buttons with the highlight
  // over the selected one; no tab strip and no tokens line.
  void Draw() override;

  int32_t GetPage() const { return m_page; }
  const Quad* GetSelectedButton() const { return m_selectedButton; }
  const Quad& GetResumeButton() const { return m_resumeButton; }
  const Quad& GetQuitButton() const { return m_quitButton; }
  const Quad& GetButtonHighlight() const { return m_buttonHighlight; }

 private:
  // Every value read anew from the player's gained sheet.
  void DrawPage(int page);

  int32_t m_page = 1;
  // The lines take a smaller face than the debug texts, so that four columns of them fit the
  // screen; without a device they fall back to the debug face.
  std::unique_ptr<platform::TextFont> m_font;
  Quad m_panel{1};
  Quad m_resumeButton{1};
  Quad m_quitButton{1};
  Quad m_buttonHighlight{1};
  Quad* m_selectedButton = nullptr;
};
