#include "menus/Menu.h"

#include "engine/DebugOverlay.h"
#include "engine/StringConversion.h"

Menu::Menu(GameStateSet* owner, const char* name) {
  SetName(name);
  SetTitle(name);
  set = owner;
}

void Menu::SetTitle(const char* title) {
  title_ = title;
  wideTitle_ = StringToWString(title ? title : "");
}

void Menu::DrawDebugOverlay() { DrawScreenOverlay(set); }
