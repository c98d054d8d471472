#include "menus/DeathScreen.h"

#include "engine/BarMeter.h"
#include "engine/Camera.h"
#include "engine/CircularMeter.h"
#include "engine/DebugOverlay.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "player/Player.h"
#include "world/World.h"

DeathScreen::DeathScreen(GameStateSet* owner) {
  SetName("Death Screen");
  set = owner;
}

void DeathScreen::Enter() {
  timer = 0.0f;
  if (MainCamera) MainCamera->StartFade(ColorWhite, duration);
}

void DeathScreen::Update(float dt) {
  timer += dt;
  World* world = set ? set->world : nullptr;
  if (!world) return;
  world->Update(dt);
  if (timer >= duration) Respawn();
}

void DeathScreen::Respawn() {
  World* world = set->world;
  Player* first = world->GetFirstPlayer();
  if (first) {
    // The map comes back as its file has it: what was defeated or moved in play is restored.
    world->ClearLevel();
    world->LoadMap(first->GetMapName());
  }
  for (Player* player : world->players) {
    player->PlaceIdling(player->respawnPosition);
    player->FillMeters();
  }
  set->SwitchTo(world);
}

void DeathScreen::UpdateHeld(float dt) { timer += dt; }

void DeathScreen::Draw() {
  if (set && set->world) set->world->Draw();
}

void DeathScreen::DrawDebugOverlay() { DrawScreenOverlay(set); }
