#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "platform/Vertex.h"

class Font;
class Texture;

// A row of tabs 57 pixels apart: a closed back and an icon for each tab, and one open tab made
// of two ends round a middle stretched to the open tab's title. The open tab's icon stands where
// it would on a closed tab; the tabs after it move right by the open tab's width.
class TabStrip {
 public:
  static constexpr float TabSpacing = 57.0f;

  struct Cells {
    platform::PixelRect closed;
    std::vector<platform::PixelRect> icons;
    platform::PixelRect openLeft;
    platform::PixelRect openMiddle;
    platform::PixelRect openRight;
  };

  TabStrip(Texture* atlas, const Cells& cells);
  TabStrip(const TabStrip&) = delete;
  TabStrip& operator=(const TabStrip&) = delete;

  int Count() const { return static_cast<int>(icons.size()); }
  // The open tab's middle as wide as the title in the large font at the tab-title scale, plus
  // room for the icon; the ends flush with it.
  void SizeOpenTab(const Font* font, const std::string& title);
  // The tabs from the first closed tab's centre; the open tab a pixel lower.
  void Layout(int openTab, float firstTabX, float y);
  // The closed tabs with their icons, and the open tab's icon.
  void DrawClosedTabs(int openTab);
  // The title in the large font, white, beside the open tab's icon inside the open tab.
  void DrawTitle(Font* font, int openTab, const std::string& title);

  std::vector<std::unique_ptr<Sprite>> closed;
  std::vector<std::unique_ptr<Sprite>> icons;
  ShapeList open;
  std::unique_ptr<Sprite> openLeft;
  std::unique_ptr<Sprite> openMiddle;
  std::unique_ptr<Sprite> openRight;
};
