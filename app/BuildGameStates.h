#pragma once

#include <memory>

class Camera;
struct GameStateSet;

// Loads the interface atlas and the fonts, builds every screen in its fixed order, makes the title menu current and enters it.
std::unique_ptr<GameStateSet> BuildGameStates(Camera* camera);
