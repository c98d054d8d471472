#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/TextBox.h"

class GameState;

// Makes a text box of the given input mode into the slot, its box sized and centred on the
// screen point, clear inside with a sunken outline, holding the text.
void CreateTextBox(GameState* owner, int32_t mode, std::unique_ptr<TextBox>& slot, float width,
                   float height, float depth, float x, float y, float z, int32_t maxLength,
                   const std::string& label, const std::string& text);
