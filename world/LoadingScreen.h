#pragma once

#include "platform/MathTypes.h"

// Where the map loader's progress lines begin while a map is loaded from play or the editor.
inline constexpr platform::Vector3 MapLoadTextPosition{60.0f, 30.0f, 0.0f};

// The black screen shown while another map loads, presented at once; its two lines show only
// under the load-info switch.
void ShowMapLoadingScreen();
