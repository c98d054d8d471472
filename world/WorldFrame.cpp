#include <array>
#include <string>
#include <vector>

#include "actors/State.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "engine/BarMeter.h"
#include "engine/Camera.h"
#include "engine/Controls.h"
#include "engine/DebugSwitches.h"
#include "engine/DebugOverlay.h"
#include "engine/FloatingText.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/SoundSystem.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/VectorMath.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "world/ModifierShape.h"
#include "world/PauseScreen.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr float SwitchVolume = 70.0f;
constexpr float EnterFadeSeconds = 0.5f;
constexpr Color4 Transparent{0, 0, 0, 0};

bool HeldStep(const Actor& actor) { return actor.state && actor.state->holdTimer > 0.0f; }

}  // namespace

void World::Enter() {
  RefreshBoundaryGrid();
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Play();
  if (MainCamera) MainCamera->StartFade(Transparent, EnterFadeSeconds);
  for (Player* player : players) {
    player->PlaceHud(player->ComputeHudAnchor());
    player->ClearContacts();
  }
}

void World::HandleInput(float dt) {
  // At most one screen switch; it does not end the input step.
  Player* first = GetFirstPlayer();
  const bool firstPaused = first && OpensPause(*first);
  if (!firstPaused && players.size() >= 2) {
    // With two players or more only the first two can pause, and no debug key is read.
    OpensPause(*players[1]);
  } else if (!firstPaused && set && GameControls) {
    const KeyboardBuffer& keys = *GameControls->keyboard;
    if (keys.IsTabPressed() && DebugMode) {
      SwitchScreen(set->screens[SlotDebug].get());
    } else if (keys.IsTildePressed() && DebugSwitch(ToggleEnableConsole)) {
      SwitchScreen(set->screens[SlotConsole].get());
    }
  }
  for (size_t i = 0; i < modifiers.size(); ++i) modifiers[i]->HandleInput(dt);
  for (Player* player : players) {
    PlayerState* state = player->CurrentState();
    if (!state || !player->controls) continue;
    if (state->holdTimer > 0.0f) {
      state->HandleInputHeld(dt);
    } else {
      state->HandleInput(dt);
    }
  }
  for (Actor* actor : actors) {
    if (actor->kind != Player::ActorKindPlayer && actor->state) actor->state->HandleInput(dt);
  }
}

void World::HandleInputHeld(float) {
  if (set && GameControls && GameControls->keyboard->IsTabPressed() && DebugMode) {
    SwitchScreen(set->screens[SlotDebug].get());
  }
}

bool World::OpensPause(Player& player) {
  const Controls* controls = player.controls;
  if (!controls) return false;
  if (!controls->keyboard->IsEscPressed() && !controls->IsStartPressed(controls->activePad)) {
    return false;
  }
  GameState* pause = set ? set->screens[SlotPause].get() : nullptr;
  if (auto* screen = dynamic_cast<PauseScreen*>(pause)) screen->PausedBy(player);
  SwitchScreen(pause);
  return true;
}

void World::SwitchScreen(GameState* target) {
  if (!target) return;
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->SetVolume(SwitchVolume);
  set->SwitchTo(target);
}

void World::Update(float dt) {
  // Boundaries stand still through the frame; the editor and the tests move them in between.
  RefreshBoundaryGrid();
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
  if (MainSoundSystem && MainCamera) {
    MainSoundSystem->SetListenerPosition(MainCamera->eye.x, MainCamera->eye.y, 0.0f);
  }
  for (size_t i = 0; i < modifiers.size(); ++i) {
    // A portal that loads another map empties this list; it stays valid to the frame's end.
    ModifierShape* modifier = modifiers[i].get();
    modifier->Update(dt);
    if (modifier->mapChanged) break;
  }
  for (size_t i = 0; i < actors.size(); ++i) {
    Actor* actor = actors[i];
    if (HeldStep(*actor)) {
      actor->UpdateHeld(dt);
    } else {
      actor->Update(dt);
    }
  }
  floatingTexts->Update(dt);
  UpdateCamera();
}

void World::UpdateHeld(float) {
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
}

void World::UpdateCamera() {
  if (!MainCamera || MainCamera->stationary) return;
  Vector3 focus;
  const Player* first = GetFirstPlayer();
  if (first && players.size() == 1) {
    focus = first->body->position + first->CurrentState()->firstOffset;
  } else if (first) {
    for (const Player* player : players) focus = focus + player->body->position;
    focus = focus * (1.0f / static_cast<float>(players.size()));
  }
  focus = focus + cameraOffset;
  const float halfWidth = ScreenSizeToWorld(static_cast<float>(ScreenWidth), 0.0f) * 0.5f;
  const float halfHeight = ScreenSizeToWorld(static_cast<float>(ScreenHeight), 0.0f) * 0.5f;
  const float top = focus.y + halfHeight;
  const float bottom = focus.y - halfHeight;
  const float left = focus.x - halfWidth;
  const float right = focus.x + halfWidth;
  // A view larger than the band between two limits takes both corrections.
  Vector3 correction;
  if (top > cameraLimits.top) correction.y += cameraLimits.top - top;
  if (left < cameraLimits.left) correction.x += cameraLimits.left - left;
  if (bottom < cameraLimits.bottom) correction.y += cameraLimits.bottom - bottom;
  if (right > cameraLimits.right) correction.x += cameraLimits.right - right;
  MainCamera->targetEye.x = focus.x + correction.x;
  MainCamera->targetEye.y = focus.y + correction.y;
  if (MainCamera->eye == MainCamera->lastEye) return;
  MarkSpritesDirty();
}

void World::MarkSpritesDirty() {
  for (auto& [layer, entry] : spriteLayers.entries) entry.item->dirty = 1;
}

void World::Draw() {
  if (SpriteRenderer) SpriteRenderer->Begin();
  for (auto& [layer, entry] : spriteLayers.entries) {
    if (LayerVisible(layer)) entry.item->Draw();
  }
  for (size_t i = 0; i < modifiers.size(); ++i) modifiers[i]->Draw();
  floatingTexts->Draw();
  if (SpriteRenderer) SpriteRenderer->End();
  for (auto& [layer, entry] : shapeLayers.entries) {
    if (LayerVisible(layer)) entry.item->Draw();
  }
  if (DebugSwitch(ToggleVisibleCollision)) {
    for (const auto& boundary : boundaries) boundary->Draw();
    for (BoundingShape* block : actorBoundaries) block->Draw();
    for (const auto& modifier : modifiers) {
      if (modifier->region) modifier->region->Draw();
    }
  }
  const bool actorInfo = DebugSwitch(TogglePlayerDebugInfo);
  if (actorInfo) {
    for (Actor* actor : actors) {
      if (actor->body) actor->body->Draw();
      if (actor->hitBox) actor->hitBox->Draw();
      if (actor->kind == Player::ActorKindPlayer) continue;
      if (actor->healthMeter) actor->healthMeter->Draw();
      if (actor->staminaMeter) actor->staminaMeter->Draw();
    }
    for (StrikeShape* strike : playerStrikes) strike->Draw();
    for (StrikeShape* strike : enemyStrikes) strike->Draw();
  }
  for (Player* player : players) {
    player->DrawHud();
    if (!actorInfo) continue;
    for (BoundingShape* held : player->body->passThroughList) held->Draw();
  }
  if (SpriteRenderer) SpriteRenderer->Begin();
  if (actorInfo) {
    for (Player* player : players) player->DrawDebugInfo();
  }
  if (DebugSwitch(ToggleStateInfo)) DrawDebugOverlay();
  if (SpriteRenderer) SpriteRenderer->End();
  fadeQuad->DrawScreen();
}

void World::DrawDebugOverlay() {
  std::wstring listener = L"Listener location: ";
  if (MainSoundSystem) {
    RecordToWString(listener, {MainSoundSystem->listenerX, MainSoundSystem->listenerY,
                               MainSoundSystem->listenerZ});
  }
  std::vector<std::wstring> lines = ScreenDiagnostics(GetName());
  lines.push_back(L"Elapsed Seconds: " +
                  FloatToWString(SecondsBetween(LastFrameTime, CurrentFrameTime)));
  lines.push_back(listener);
  DrawDiagnosticLines(lines);
}

bool World::DebugSwitch(int toggle) const {
  return DebugSwitchOn(set, static_cast<DebugToggle>(toggle));
}

bool World::LayerVisible(int32_t layer) const { return DebugLayerVisible(set, layer); }
