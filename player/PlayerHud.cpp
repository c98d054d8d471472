#include <algorithm>
#include <cmath>
#include <string>

#include "collision/PushOut.h"
#include "engine/BarMeter.h"
#include "engine/CircularMeter.h"
#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/VectorMath.h"
#include "engine/draw/ScreenBox.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "player/PlayerHudCells.h"
#include "player/PlayerState.h"

using platform::Vector3;

namespace {

constexpr float HudTextScale = 0.76f;
// The health numbers read as one "current/maximum" ending just inside the bar's right end,
// across its middle: white ringed in the dark text colour, which stands out from the green fill
// and the dark empty stretch alike.
constexpr float MaximumInset = 3.0f;
constexpr Vector3 RingOffsets[] = {{-1.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f},
                                   {0.0f, -1.0f, 0.0f}, {0.0f, 1.0f, 0.0f}};
constexpr float DebugLineStep = 0.3f;
constexpr Vector3 CollisionCaseAt{4.0f, 0.0f, 0.0f};
constexpr Vector3 DisplacementAt{4.0f, 20.0f, 0.0f};

// need(n): the experience that level n takes.
float ExperienceNeeded(float level, float init, float rate) {
  return level == 0.0f ? 0.0f : init * std::pow(level, rate);
}

std::string WholePart(float value) { return std::to_string(TruncateToInt(value)); }

std::wstring MeterText(const BarMeter& meter) {
  return FloatToWString(meter.value) + L" / " + FloatToWString(meter.maximum);
}

}  // namespace

void Player::UpdateMeters(float dt) {
  RefreshMeterLimits(dt);
  staminaRing->SetMaximum(derived[Derived::MaxStamina]);
  const float stamina = staminaRing->value + derived[Derived::StaminaRecovery] * dt;
  staminaRing->SetValue(std::max(0.0f, std::min(stamina, staminaRing->maximum)));
  experienceBar->UpdateFill();
}

void Player::FillMeters() {
  UpdateMeters(0.0f);
  healthMeter->value = healthMeter->maximum;
  staminaMeter->value = staminaMeter->maximum;
  staminaRing->SetValue(staminaRing->maximum);
}

void Player::UpdateExperienceMeter() {
  const float level = std::trunc(levels[Level::Experience]);
  const float init = totalStats[Stat::InitExperience];
  const float rate = totalStats[Stat::RateExperience];
  const float reached = ExperienceNeeded(level, init, rate);
  experienceBar->maximum = ExperienceNeeded(level + 1.0f, init, rate) - reached;
  experienceBar->value = totalStats[Stat::PtExperience] - reached;
}

void Player::PlaceHud(const Vector3& anchor) {
  hudFirstSprite->SetAltPosition(anchor);
  const ScreenBox box = ScreenBoxOf(*hudFirstSprite);
  staminaRing->SetPosition(box.left + HudRingX, box.top + HudRingY, 0.0f);
  hudSecondSprite->SetAltPositionXYZ(box.left + HudPortraitX, box.top + HudPortraitY, 0.0f);
  const float w = healthMeter->background->width;
  const float h = healthMeter->background->height;
  const float x = box.right - w / 2 - HudBarRightInset;
  healthMeter->SetPosition(x, box.bottom - h / 2 - HudHealthBarBottomInset, 0.0f);
  experienceBar->SetPosition(x, box.bottom - h / 2 - HudExperienceBarBottomInset, 0.0f);
  healthMeter->UpdateFill();
  experienceBar->UpdateFill();
}

void Player::DrawHud() {
  if (!SpriteRenderer) return;
  SpriteRenderer->Begin();
  hudFirstSprite->DrawScreen();
  SpriteRenderer->End();
  staminaRing->Draw();
  healthMeter->DrawScreen();
  experienceBar->DrawScreen();
  SpriteRenderer->Begin();
  hudSecondSprite->DrawScreen();
  if (hudFont) {
    const Color4 savedColor = hudFont->color;
    const float savedX = hudFont->scaleX;
    const float savedY = hudFont->scaleY;
    hudFont->color = ColorBlack;
    hudFont->scaleX = HudTextScale;
    hudFont->scaleY = HudTextScale;
    const ScreenBox box = ScreenBoxOf(*hudFirstSprite);
    hudFont->DrawString("LVL. " + WholePart(levels[Level::Experience]),
                        {box.left + HudLevelTextX, box.top + HudLevelTextY, 0.0f}, FontAlignStart,
                        FontAlignStart);
    const Quad& bar = *healthMeter->background;
    const std::string health =
        WholePart(healthMeter->value) + "/" + WholePart(healthMeter->maximum);
    const Vector3 end{bar.altPosition.x + bar.width / 2 - MaximumInset, bar.altPosition.y, 0.0f};
    for (const Vector3& offset : RingOffsets)
      hudFont->DrawString(health, end + offset, FontAlignCenter, FontAlignEnd);
    hudFont->color = ColorWhite;
    hudFont->DrawString(health, end, FontAlignCenter, FontAlignEnd);
    hudFont->color = savedColor;
    hudFont->scaleX = savedX;
    hudFont->scaleY = savedY;
  }
  SpriteRenderer->End();
}

void Player::DrawDebugInfo() {
  const uint32_t color = DebugTextColor.ToD3DColor();
  const PlayerState* current = CurrentState();
  std::wstring position = L"Position: ";
  RecordToWString(position, body->position);
  std::wstring velocity = L"Velocity: ";
  RecordToWString(velocity, body->velocity);
  const std::wstring lines[] = {
      position,
      L"State: " + (current ? current->GetName() : std::wstring()),
      L"State Time: " + FloatToWString(current ? current->stateTime : 0.0f),
      L"Is on ground: " + IntToWString(groundContact ? 1 : 0) + L", Is on wall: " +
          IntToWString(wallContact ? 1 : 0),
      velocity,
  };
  Vector3 at = body->GetBottomLeft();
  for (const std::wstring& line : lines) {
    DrawTextAtWorldPoint(at, line, color);
    at.y -= DebugLineStep;
  }
  for (const BarMeter* meter : {healthMeter.get(), staminaMeter.get()}) {
    const Vector3 place = meter->background->altPosition;
    DrawTextAligned(SmallFont, place.x, place.y, 0.0f, MeterText(*meter), color, AlignCenter,
                    AlignQuarterUp);
  }
  const Vector3 ring = staminaRing->arc->altPosition;
  DrawTextAligned(SmallFont, ring.x, ring.y, 0.0f,
                  FloatToWString(staminaRing->value) + L" / " + FloatToWString(staminaRing->maximum),
                  color, AlignCenter, AlignQuarterUp);
  DrawCollisionCase(CollisionCaseAt.x, CollisionCaseAt.y);
  std::wstring moved = L"Displacement: ";
  RecordToWString(moved, displacement);
  DrawTextAligned(SmallFont, DisplacementAt.x, DisplacementAt.y, 0.0f, moved, color, AlignLeft,
                  AlignTop);
}
