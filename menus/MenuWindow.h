#pragma once

#include <initializer_list>
#include <memory>

#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"

class Quad;
class Texture;

// The window that the pause menu and the shop stand in, over the frozen world: a dimming
// backdrop, a frame centred on the screen, footer plates in its bottom-right corner, a content
// panel below the tab row and the tab row's key hints at either end.
namespace MenuWindow {

// The translucent black quad a little larger than the screen.
void SetUpBackdrop(Quad& backdrop);
// Cuts the frame's two ends and stretched middle, groups them and centres them on the screen.
void BuildFrame(Texture* atlas, ShapeList& frame, std::unique_ptr<Sprite>& left,
                std::unique_ptr<Sprite>& middle, std::unique_ptr<Sprite>& right);
// The plates in a row leftward from the frame's bottom-right corner, the first rightmost.
void PlaceFooters(const ShapeList& frame, std::initializer_list<Sprite*> rightToLeft);
// The content panel a little below the frame's centre, and the tab row's ends beside the
// frame's edges just above the content.
void PlaceContent(const ShapeList& frame, Sprite& content, Sprite& tabRowLeft,
                  Sprite& tabRowRight);

}  // namespace MenuWindow
