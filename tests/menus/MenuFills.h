#pragma once

#include "engine/Color4.h"

// The fills of the menus' buttons and cells (alpha, red, green, blue).
constexpr Color4 NormalFill{180, 80, 60, 200};
constexpr Color4 HighlightFill{80, 255, 255, 255};
constexpr Color4 DisabledFill{180, 100, 100, 100};
constexpr Color4 DarkCellFill{120, 0, 0, 0};
