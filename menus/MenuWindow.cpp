#include "menus/MenuWindow.h"

#include "engine/Globals.h"
#include "engine/draw/Quad.h"
#include "engine/draw/ScreenBox.h"
#include "menus/MenuCells.h"
#include "menus/AtlasPanels.h"

using platform::Vector3;

namespace {

constexpr float BackdropMargin = 10.0f;
constexpr Color4 BackdropColor{80, 0, 0, 0};
constexpr float FrameMiddleWidth = 660.0f;
constexpr float FooterRightInset = 20.0f;
constexpr float FooterBottomInset = 10.0f;
constexpr float FooterGap = 20.0f;
constexpr Vector3 ContentOffset{0.0f, 32.0f, 0.0f};
constexpr float TabRowInset = 10.0f;

int Width(const platform::PixelRect& cell) { return cell.right - cell.left; }

}  // namespace

namespace MenuWindow {

void SetUpBackdrop(Quad& backdrop) {
  const float w = static_cast<float>(ScreenWidth);
  const float h = static_cast<float>(ScreenHeight);
  backdrop.SetDimensions(w + BackdropMargin, h + BackdropMargin, 0.0f);
  backdrop.SetAltPosition({w / 2, h / 2, 0.0f});
  backdrop.SetFillColor(BackdropColor);
}

void BuildFrame(Texture* atlas, ShapeList& frame, std::unique_ptr<Sprite>& left,
                std::unique_ptr<Sprite>& middle, std::unique_ptr<Sprite>& right) {
  const float half = FrameMiddleWidth / 2;
  const float leftX = -half - static_cast<float>(Width(MenuCells::WindowLeft)) / 2;
  const float rightX = half + static_cast<float>(Width(MenuCells::WindowRight)) / 2;
  BuildPanel(atlas, frame,
             {{&left, MenuCells::WindowLeft, 1, 1, leftX, 0},
              {&middle, MenuCells::WindowMiddle, FrameMiddleWidth, 1, 0, 0},
              {&right, MenuCells::WindowRight, 1, 1, rightX, 0}});
  frame.SetAltPosition({ScreenWidth / 2.0f, ScreenHeight / 2.0f, 0.0f});
}

void PlaceFooters(const ShapeList& frame, std::initializer_list<Sprite*> rightToLeft) {
  const ScreenBox box = ScreenBoxOf(frame);
  float right = box.right - FooterRightInset;
  for (Sprite* footer : rightToLeft) {
    const Vector3 size = footer->GetScaledSourceSize();
    footer->SetAltPosition(
        {right - size.x / 2, box.bottom - FooterBottomInset - size.y / 2, 0.0f});
    right -= size.x + FooterGap;
  }
}

void PlaceContent(const ShapeList& frame, Sprite& content, Sprite& tabRowLeft,
                  Sprite& tabRowRight) {
  const ScreenBox box = ScreenBoxOf(frame);
  content.SetAltPosition(frame.altPosition + ContentOffset);
  const float contentTop = ScreenBoxOf(content).top;
  const Vector3 leftSize = tabRowLeft.GetScaledSourceSize();
  const Vector3 rightSize = tabRowRight.GetScaledSourceSize();
  tabRowLeft.SetAltPosition({box.left + TabRowInset + leftSize.x / 2,
                             contentTop - TabRowInset - leftSize.y / 2, 0.0f});
  tabRowRight.SetAltPosition({box.right - TabRowInset - rightSize.x / 2,
                              contentTop - TabRowInset - rightSize.y / 2, 0.0f});
}

}  // namespace MenuWindow
