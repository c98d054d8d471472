#include <algorithm>
#include <array>
#include <string>

#include "engine/Controls.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "menus/pause/MenuPause.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr int PageCount = 2;
constexpr int ColumnCount = 4;
// Lines per column; the last line of page 2 shows the tokens.
constexpr std::array<std::array<int, ColumnCount>, PageCount> ColumnLengths{
    {{32, 32, 32, 32}, {32, 31, 32, 24}}};
constexpr std::array<float, ColumnCount> ColumnX{15.0f, 200.0f, 400.0f, 600.0f};
constexpr float LineStep = 15.0f;
constexpr float ColumnGap = 10.0f;
constexpr Vector3 HeaderAt{15.0f, -15.0f, 0.0f};
constexpr const char* PageHeaders[PageCount] = {
    "Page 1 of 2 (Press Up or Down for next/previous page)",
    "Page 2 of 2 (Press Up or Down for next/previous page)"};

// The entries of the sheet that no line shows.
constexpr Stat::Index Unshown[] = {Stat::BaseBreakPoint1Factor,
                                   Stat::BaseBreakPoint2Factor,
                                   Stat::BaseAttackSpeedFactor,
                                   Stat::BaseDodgeSpeedFactor,
                                   Stat::BaseGuardSpeedFactor,
                                   Stat::GainedBreakPoint1Limit,
                                   Stat::GainedBreakPoint2Limit,
                                   Stat::GainedAttackSpeedFactor,
                                   Stat::GainedDodgeSpeedFactor,
                                   Stat::GainedGuardSpeedFactor,
                                   Stat::StatTimesBreakPoint1Broken,
                                   Stat::StatTimesBreakPoint2Broken,
                                   Stat::StatStaminaDamageDefended,
                                   Stat::InitStaminaDamageDefended,
                                   Stat::RateStaminaDamageDefended,
                                   Stat::PtTimesBreakPoint1Broken,
                                   Stat::PtTimesBreakPoint2Broken,
                                   Stat::PtStaminaDamageDefended,
                                   Stat::PtGainFactorStaminaDamageDefended,
                                   Stat::AirDashCount,
                                   Stat::AirJumpCount};

// Lines whose label is not the entry's key.
struct Relabel {
  Stat::Index stat;
  const char* label;
};
constexpr Relabel Relabels[] = {
    {Stat::BaseResistanceFactor, "BaseResistance"},
    {Stat::StatTimesBreakPoint3Broken, "StatTimesBroken"},
    {Stat::PtTimesBreakPoint3Broken, "PtTimesBroken"},
    {Stat::PtGainFactorTimesBreakPoint1Broken, "ptGainFactorTimesBreakPoint1Broken"},
    {Stat::PtGainFactorTimesBreakPoint2Broken, "ptGainFactorTimesBreakPoint2Broken"},
    {Stat::PtGainFactorTimesBreakPoint3Broken, "ptGainFactorTimesBreakPoint3Broken"},
    {Stat::StaminaDamageFactorDownAirAttack, "staminaDamageFactorDownAirAttack"},
    {Stat::StaminaDamageFactorDownAttack, "staminaDamageFactorDownAttack"},
    {Stat::StaminaDamageFactorForwardAirAttack, "staminaDamageFactorForwardAirAttack"},
    {Stat::StaminaDamageFactorGroundAttack1, "staminaDamageFactorGroundAttack1"},
    {Stat::StaminaDamageFactorGroundDashAttack, "staminaDamageFactorGroundDashAttack"},
    {Stat::StaminaDamageFactorNeutralAirAttack, "staminaDamageFactorNeutralAirAttack"},
    {Stat::StaminaDamageFactorUpAirAttack, "staminaDamageFactorUpAirAttack"},
    {Stat::StaminaDamageFactorUpAttack, "staminaDamageFactorUpAttack"}};

std::string LabelOf(int stat) {
  const auto* relabel = std::ranges::find(Relabels, stat, &Relabel::stat);
  const std::string key =
      relabel != std::end(Relabels) ? relabel->label : std::string(StatKeys[stat]);
  return key + ": ";
}

// The shown entries in sheet order, then the tokens, poured into the columns.
std::vector<MenuPause::StatisticsLine> BuildStatisticsLines() {
  std::vector<int> sources;
  for (int stat = 0; stat < StatCount; ++stat) {
    if (std::ranges::find(Unshown, stat) == std::end(Unshown)) sources.push_back(stat);
  }
  sources.push_back(MenuPause::TokensLine);
  std::vector<MenuPause::StatisticsLine> lines;
  size_t next = 0;
  for (int page = 0; page < PageCount; ++page) {
    for (int column = 0; column < ColumnCount; ++column) {
      for (int row = 1; row <= ColumnLengths[page][column] && next < sources.size(); ++row) {
        const int source = sources[next++];
        lines.push_back({page + 1, column, row,
                         source == MenuPause::TokensLine ? "Tokens: " : LabelOf(source), source});
      }
    }
  }
  return lines;
}

}  // namespace

const std::vector<MenuPause::StatisticsLine>& MenuPause::StatisticsLines() {
  static const std::vector<StatisticsLine> lines = BuildStatisticsLines();
  return lines;
}

void MenuPause::HandleStatisticsInput() {
  const Controls& c = *PlayerControls();
  if (c.IsLeftTriggerPressed(c.activePad)) {
    BuildSettingsTab();
  } else if (c.IsRightShoulderPressed()) {
    BuildStatsTab();
  } else if (c.IsMenuLeftPressed(c.activePad) || c.IsMenuRightPressed()) {
    m_selectedButton = m_selectedButton == &m_resumeButton ? &m_quitButton : &m_resumeButton;
    PlaceOver(m_buttonHighlight, *m_selectedButton);
  } else if (c.IsMenuUpPressed() || c.IsMenuDownPressed(c.activePad)) {
    m_statisticsPage = m_statisticsPage == 1 ? 2 : 1;
  } else if (c.IsConfirmPressed()) {
    if (m_selectedButton == &m_resumeButton) {
      Resume();
    } else {
      Running = 0;
    }
  }
}

// The pages have no tab strip and no tokens line: the frozen scene, the backdrop, the page's
// panel and its two buttons with the highlight over the selected one.
void MenuPause::DrawStatistics() {
  if (m_world) m_world->Draw();
  for (Quad* quad :
       {&m_backdrop, &m_statisticsPanel, &m_resumeButton, &m_quitButton, &m_buttonHighlight}) {
    quad->DrawScreen();
  }
  if (SpriteRenderer) SpriteRenderer->Begin();
  if (m_statisticsPage == 1 || m_statisticsPage == 2) DrawStatisticsPage(m_statisticsPage);
  const uint32_t color = DebugTextColor.ToD3DColor();
  auto label = [color](const Quad& button, const wchar_t* text) {
    const Vector3 at = button.altPosition;
    DrawTextAligned(SmallFont, at.x, at.y, at.z, text, color, AlignCenter, AlignQuarterUp);
  };
  label(m_resumeButton, L"Resume");
  label(m_quitButton, L"Quit");
  if (SpriteRenderer) SpriteRenderer->End();
}

// Every value is read anew from the player's gained sheet each frame. A column starts at its
// place or, where the widest line of the column before it would reach that far, just past it.
void MenuPause::DrawStatisticsPage(int page) {
  const Vector3 corner = m_statisticsPanel.GetAltTopLeftUnrotated();
  const uint32_t color = DebugTextColor.ToD3DColor();
  DrawTextAligned(SmallFont, corner.x + HeaderAt.x, corner.y + HeaderAt.y, corner.z,
                  StringToWString(PageHeaders[page - 1]), color, AlignLeft, AlignQuarterUp);
  platform::TextFont* font = m_statisticsFont ? m_statisticsFont.get() : SmallFont;
  if (!m_player || !font) return;
  struct Shown {
    const StatisticsLine* line;
    std::wstring text;
  };
  std::vector<Shown> shown;
  std::array<float, ColumnCount> widest{};
  for (const StatisticsLine& line : StatisticsLines()) {
    if (line.page != page) continue;
    const float value = line.stat == TokensLine ? m_player->Tokens() : (*m_player->stats)[line.stat];
    shown.push_back({&line, StringToWString(line.label) + FloatToWString(value)});
    widest[line.column] =
        std::max(widest[line.column], static_cast<float>(font->Measure(shown.back().text).width));
  }
  std::array<float, ColumnCount> x = ColumnX;
  for (int column = 1; column < ColumnCount; ++column) {
    x[column] = std::max(x[column], x[column - 1] + widest[column - 1] + ColumnGap);
  }
  for (const Shown& line : shown) {
    DrawTextAligned(font, corner.x + x[line.line->column],
                    corner.y + LineStep * static_cast<float>(line.line->row), corner.z, line.text,
                    color, AlignLeft, AlignQuarterUp);
  }
}
