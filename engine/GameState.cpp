#include "engine/GameState.h"

#include "engine/StringConversion.h"

void GameState::SetName(const char* name) {
  name_ = name;
  wideName_ = StringToWString(name ? name : "");
}
