#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "engine/TextDrawing.h"

// Notes every text the fonts draw while it lives.
class DrawnTexts {
 public:
  DrawnTexts() { DrawnTextLog = &drawn; }
  ~DrawnTexts() { DrawnTextLog = nullptr; }
  DrawnTexts(const DrawnTexts&) = delete;
  DrawnTexts& operator=(const DrawnTexts&) = delete;

  // True when a text drawn holds the part given.
  bool Holds(const std::string& part) const {
    return std::any_of(drawn.begin(), drawn.end(), [&](const DrawnText& each) {
      return each.text.find(part) != std::string::npos;
    });
  }
  // The texts anchored at that x, in order.
  std::vector<std::string> AtX(float x) const {
    std::vector<std::string> texts;
    for (const DrawnText& each : drawn) {
      if (each.anchor.x == x) texts.push_back(each.text);
    }
    return texts;
  }
  // The count texts drawn next after the first text that reads exactly `first`.
  std::vector<std::string> After(const std::string& first, size_t count) const {
    auto at = std::find_if(drawn.begin(), drawn.end(),
                           [&](const DrawnText& each) { return each.text == first; });
    std::vector<std::string> texts;
    while (at != drawn.end() && ++at != drawn.end() && texts.size() < count) {
      texts.push_back(at->text);
    }
    return texts;
  }
  // True when a text reading exactly `text` was anchored at that point.
  bool DrewAt(const std::string& text, float x, float y) const {
    return std::any_of(drawn.begin(), drawn.end(), [&](const DrawnText& each) {
      return each.text == text && each.anchor.x == x && each.anchor.y == y;
    });
  }
  // The heights of the texts anchored at that x, in order.
  std::vector<float> HeightsAtX(float x) const {
    std::vector<float> heights;
    for (const DrawnText& each : drawn) {
      if (each.anchor.x == x) heights.push_back(each.anchor.y);
    }
    return heights;
  }
  void Clear() { drawn.clear(); }

  std::vector<DrawnText> drawn;
};
