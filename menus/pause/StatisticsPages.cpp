#include "menus/pause/StatisticsPages.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/Controls.h"
#include "engine/DebugSwitches.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "menus/Menu.h"
#include "menus/pause/MenuPause.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

// Lines of the pages' face: 15 apart, as narrow as stays readable.
constexpr int FontHeight = 10;
// The panel leaves a margin round the screen and room for the buttons below.
constexpr float PanelInset = 10.0f;
constexpr float PanelTop = 30.0f;
constexpr float PanelHeightInset = 100.0f;
constexpr Color4 PanelColor{180, 80, 60, 200};
constexpr Color4 OutlineColor{255, 0, 0, 0};
constexpr float ButtonBelowPanel = 30.0f;
constexpr float ButtonSpacing = 160.0f;
constexpr Color4 ButtonHighlightColor{80, 255, 255, 255};

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
std::vector<StatisticsPages::Line> BuildLines() {
  std::vector<int> sources;
  for (int stat = 0; stat < StatCount; ++stat) {
    if (std::ranges::find(Unshown, stat) == std::end(Unshown)) sources.push_back(stat);
  }
  sources.push_back(StatisticsPages::TokensLine);
  std::vector<StatisticsPages::Line> lines;
  size_t next = 0;
  for (int page = 0; page < PageCount; ++page) {
    for (int column = 0; column < ColumnCount; ++column) {
      for (int row = 1; row <= ColumnLengths[page][column] && next < sources.size(); ++row) {
        const int source = sources[next++];
        lines.push_back({page + 1, column, row,
                         source == StatisticsPages::TokensLine ? "Tokens: " : LabelOf(source),
                         source});
      }
    }
  }
  return lines;
}

// The moved quad takes the target's screen position and size.
void PlaceOver(Quad& moved, const Quad& target) {
  moved.SetAltPosition(target.altPosition);
  moved.SetDimensions(target.width, target.height, target.depth);
}

}  // namespace

const std::vector<StatisticsPages::Line>& StatisticsPages::Lines() {
  static const std::vector<Line> lines = BuildLines();
  return lines;
}

StatisticsPages::StatisticsPages(MenuPause& owner) : PauseTab(owner) {
  if (Device) m_font = platform::TextFont::Create(*Device, FontHeight);
  const float w = static_cast<float>(ScreenWidth);
  const float h = static_cast<float>(ScreenHeight);
  const float panelHeight = h - PanelHeightInset;
  m_panel.SetDimensions(w - PanelInset, panelHeight, 0.0f);
  m_panel.SetAltPosition({w / 2, PanelTop + panelHeight / 2, 0.0f});
  const Vector3 corner = m_panel.GetAltTopLeftUnrotated();
  const float panelBottom = corner.y + m_panel.height;
  m_resumeButton.SetDimensions(Menu::ButtonWidth, Menu::ButtonHeight, 0.0f);
  m_resumeButton.SetAltPosition(
      {corner.x + Menu::ButtonWidth / 2, panelBottom + ButtonBelowPanel, 0.0f});
  m_quitButton.SetDimensions(Menu::ButtonWidth, Menu::ButtonHeight, 0.0f);
  m_quitButton.SetAltPosition(m_resumeButton.altPosition + Vector3{ButtonSpacing, 0.0f, 0.0f});
  for (Quad* quad : {&m_panel, &m_resumeButton, &m_quitButton}) {
    quad->SetFillColor(PanelColor);
    quad->SetOutlineColor(OutlineColor);
    quad->outlineVisible = 1;
  }
  m_buttonHighlight.SetFillColor(ButtonHighlightColor);
  m_selectedButton = &m_resumeButton;
  PlaceOver(m_buttonHighlight, *m_selectedButton);
}

StatisticsPages::~StatisticsPages() = default;

bool StatisticsPages::InRing() const {
  return DebugSwitchOn(menu.set, TogglePlayerStatsInPauseMenu);
}

void StatisticsPages::HandleInput(const Controls& c) {
  if (c.IsMenuLeftPressed(c.activePad) || c.IsMenuRightPressed()) {
    m_selectedButton = m_selectedButton == &m_resumeButton ? &m_quitButton : &m_resumeButton;
    PlaceOver(m_buttonHighlight, *m_selectedButton);
  } else if (c.IsMenuUpPressed() || c.IsMenuDownPressed(c.activePad)) {
    m_page = m_page == 1 ? 2 : 1;
  } else if (c.IsConfirmPressed()) {
    if (m_selectedButton == &m_resumeButton) {
      menu.Resume();
    } else {
      Running = 0;
    }
  }
}

void StatisticsPages::Draw() {
  MenuWindow& window = menu.GetWindow();
  if (World* world = menu.GetWorld()) world->Draw();
  for (Quad* quad :
       {&window.backdrop, &m_panel, &m_resumeButton, &m_quitButton, &m_buttonHighlight}) {
    quad->DrawScreen();
  }
  if (SpriteRenderer) SpriteRenderer->Begin();
  if (m_page == 1 || m_page == 2) DrawPage(m_page);
  const uint32_t color = DebugTextColor.ToD3DColor();
  auto label = [color](const Quad& button, const wchar_t* text) {
    const Vector3 at = button.altPosition;
    DrawTextAligned(SmallFont, at.x, at.y, at.z, text, color, AlignCenter, AlignQuarterUp);
  };
  label(m_resumeButton, L"Resume");
  label(m_quitButton, L"Quit");
  if (SpriteRenderer) SpriteRenderer->End();
}

// A column starts at its place or, where the widest line of the column before it would reach
// that far, just past it.
void StatisticsPages::DrawPage(int page) {
  const Vector3 corner = m_panel.GetAltTopLeftUnrotated();
  const uint32_t color = DebugTextColor.ToD3DColor();
  DrawTextAligned(SmallFont, corner.x + HeaderAt.x, corner.y + HeaderAt.y, corner.z,
                  StringToWString(PageHeaders[page - 1]), color, AlignLeft, AlignQuarterUp);
  platform::TextFont* font = m_font ? m_font.get() : SmallFont;
  const Player* player = menu.GetPlayer();
  if (!player || !font) return;
  struct Shown {
    const Line* line;
    std::wstring text;
  };
  std::vector<Shown> shown;
  std::array<float, ColumnCount> widest{};
  for (const Line& line : Lines()) {
    if (line.page != page) continue;
    const float value = line.stat == TokensLine ? player->Tokens() : (*player->stats)[line.stat];
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
