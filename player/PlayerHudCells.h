#pragma once

#include "platform/Vertex.h"

// The player's interface in its screen corner: the cells it cuts from the interface atlas
// "Content\Textures\HUD\menuatlas2.png" and where its pieces lie on the panel. The player draws
// from them and the atlas generator paints the cells from them.

// The panel behind the other pieces, 290 by 70; its size places the interface.
constexpr platform::PixelRect HudPanelCell{729, 123, 1019, 193};
// The face drawn over the meters, 50 by 59.
constexpr platform::PixelRect HudPortraitCell{679, 123, 729, 182};
// One column each, stretched across the filled width of the health and experience bars.
constexpr platform::PixelRect HealthBarIconCell{1021, 140, 1022, 158};
constexpr platform::PixelRect ExperienceBarIconCell{1021, 136, 1022, 139};

// Where the pieces stand on the panel, in pixels: the ring's and the portrait's centres and the
// level text from its top-left corner; each bar's centre lies W / 2 + the right inset left of the
// panel's right edge and H / 2 + its bottom inset above the panel's bottom, W and H being the
// health bar's width and height.
constexpr float HudRingX = 35.0f;
constexpr float HudRingY = 35.0f;
constexpr float HudRingRadius = 34.0f;
constexpr float HudPortraitX = 34.0f;
constexpr float HudPortraitY = 31.0f;
constexpr float HudLevelTextX = 75.0f;
constexpr float HudLevelTextY = 18.0f;
constexpr float HudBarRightInset = 1.0f;
constexpr float HudHealthBarBottomInset = 11.0f;
constexpr float HudExperienceBarBottomInset = 25.0f;
constexpr float HudHealthBarWidth = 217.0f;
constexpr float HudHealthBarHeight = 22.0f;
constexpr float HudExperienceBarHeight = 3.0f;
