#include "actors/Playfield.h"

#include "collision/Boundary.h"
#include "engine/FloatingText.h"
#include "engine/draw/Sprite.h"
#include "items/ItemStore.h"

Playfield::Playfield() : floatingTexts(std::make_unique<FloatingTextList>()) {}

Playfield::~Playfield() = default;
