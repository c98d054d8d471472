#include "menus/DeathScreen.h"

#include "engine/Camera.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
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
  if (set && set->world) set->world->Update(dt);
}

void DeathScreen::UpdateHeld(float dt) { timer += dt; }

void DeathScreen::Draw() {
  if (set && set->world) set->world->Draw();
}
