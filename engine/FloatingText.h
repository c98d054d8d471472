#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Color4.h"

class Font;

// A text in the world that rises and fades out: a damage number. Its alpha byte counts the
// fade down.
struct FloatingText {
  std::string text;
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  Color4 color;
};

// The live floating texts of the world, drawn with a borrowed bitmap font.
class FloatingTextList {
 public:
  void Add(std::string text, float x, float y, float z, Color4 color);
  // Per update: a text whose alpha is 0 is removed (the last text takes its place); the others
  // fade by 5 and rise half a unit per second.
  void Update(float dt);
  // Centred on each text's place on the screen, in the text's colour.
  void Draw();
  // Forgets the font and every text.
  void Clear();

  Font* font = nullptr;  // not owned
  std::vector<std::unique_ptr<FloatingText>> texts;
};
