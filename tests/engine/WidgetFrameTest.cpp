#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "engine/BarMeter.h"
#include "engine/CheckBox.h"
#include "engine/CircularMeter.h"
#include "engine/CreateTextBox.h"
#include "engine/Slider.h"
#include "engine/SpriteButton.h"
#include "engine/TextBox.h"
#include "engine/Texture.h"
#include "platform/Image.h"
#include "support/PixelColors.h"
#include "support/RenderFixture.h"
#include "support/TempFolder.h"

namespace {

const Color4 Background{255, 225, 222, 205};
const Color4 HealthRed{255, 200, 30, 30};
const Color4 StaminaBlue{255, 41, 130, 212};
const Color4 TickYellow{255, 255, 220, 0};

bool Near(uint32_t pixel, const Color4& color) {
  const uint32_t wanted = color.ToD3DColor();
  for (int shift : {0, 8, 16}) {
    const int difference =
        static_cast<int>((pixel >> shift) & 0xFF) - static_cast<int>((wanted >> shift) & 0xFF);
    if (std::abs(difference) > 24) return false;
  }
  return true;
}

// Pixels in the box that are close to the colour.
int CountNear(const platform::Image& frame, const platform::PixelRect& box, const Color4& color) {
  return pixel::CountIn(frame, box, [&color](uint32_t each) { return Near(each, color); });
}

// Every meter and widget drawn into one frame the way the interface and the editor draw them.
class WidgetFrameTest : public RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    SetInterfaceColors();
    atlas = LoadTexture(std::string(QM_CONTENT_DIR) + "/Textures/HUD/GUI_v315.png", 512, 512);
  }
  void TearDown() override {
    atlas.reset();
    RenderFixture::TearDown();
  }

  std::unique_ptr<Texture> atlas;
  TempFolder folder;
};

TEST_F(WidgetFrameTest, DrawsMetersAndWidgetsReadably) {
  ASSERT_TRUE(atlas->texture) << "the content build makes the interface atlas";

  BarMeter bar(100.0f, 200.0f, 60.0f, 0.0f, 300.0f, 20.0f, 0.0f, HealthRed);
  bar.AddTick(75.0f, TickYellow);
  bar.AddTick(25.0f, TickYellow);
  bar.AddTick(50.0f, TickYellow);
  bar.value = 60.0f;
  bar.UpdateFill();

  CircularMeter ring(100.0f, 600.0f, 90.0f, 0.0f, 40.0f, StaminaBlue);
  ring.SetValue(70.0f);

  CheckBox unchecked(atlas.get(), false);
  unchecked.label = "Show bounding shapes";
  unchecked.SetPosition(60.0f, 180.0f, 0.0f);
  CheckBox checked(atlas.get(), true);
  checked.label = "Show hit boxes";
  checked.SetPosition(60.0f, 210.0f, 0.0f);
  CheckBox large(atlas.get(), true);
  large.label = "Three times larger";
  large.box->SetScale(3.0f, 3.0f);
  large.check->SetScale(3.0f, 3.0f);
  large.SetPosition(80.0f, 260.0f, 0.0f);

  SpriteButton button(atlas.get(), "Cell:");
  button.SetRect(CheckBox::BoxCell.left, CheckBox::BoxCell.top, CheckBox::BoxCell.right,
                 CheckBox::BoxCell.bottom);
  button.sprite->SetAltPositionXYZ(360.0f, 180.0f, 0.0f);

  Slider slider(0.0f, 255.0f, 192.0f, 600.0f, 380.0f, 0.0f, 14.0f, 200.0f, 0.0f);
  slider.SetThumbHeight(16.0f);

  std::unique_ptr<TextBox> field;
  CreateTextBox(nullptr, TextBoxFreeText, field, 300.0f, 19.0f, 0.0f, 260.0f, 400.0f, 0.0f, 100,
                "Command", "load DemoHubMap");
  field->anchor = 5;
  field->caret = 11;
  field->UpdateCaret();
  field->suffix = ".gmf";

  Device->Clear(Background.ToD3DColor());
  Device->BeginScene();
  bar.DrawScreen();
  ring.Draw();
  slider.track->DrawScreen();
  slider.thumb->DrawScreen();
  SpriteRenderer->Begin();
  unchecked.Draw();
  checked.Draw();
  large.Draw();
  button.Draw();
  field->Draw();
  SpriteRenderer->End();
  Device->EndScene();

  const std::filesystem::path saved = folder.Path() / "widgets.png";
  ASSERT_TRUE(Device->SaveFramePng(saved.string()));
  std::optional<platform::Image> frame = platform::LoadImageFile(saved.string(), 0, 0, 0);
  ASSERT_TRUE(frame);

  // The bar runs from x 50 to 350: red to 230, grey after, yellow ticks at 125, 200 and 275.
  EXPECT_TRUE(Near(frame->Pixel(100, 60), HealthRed));
  EXPECT_TRUE(Near(frame->Pixel(225, 60), HealthRed));
  EXPECT_FALSE(Near(frame->Pixel(240, 60), HealthRed));
  EXPECT_GT(CountNear(*frame, {124, 52, 127, 68}, TickYellow), 10);
  EXPECT_GT(CountNear(*frame, {274, 52, 277, 68}, TickYellow), 10);

  // Seventy per cent of the ring, counter-clockwise on the screen from the top: the left and
  // the bottom are blue, the upper right is left to the grey background.
  EXPECT_TRUE(Near(frame->Pixel(575, 90), StaminaBlue));
  EXPECT_TRUE(Near(frame->Pixel(600, 115), StaminaBlue));
  EXPECT_FALSE(Near(frame->Pixel(615, 70), StaminaBlue));

  // The tick shows only in the checked box.
  const Color4 tick{255, 26, 122, 40};
  EXPECT_EQ(CountNear(*frame, {52, 172, 68, 188}, tick), 0);
  EXPECT_GT(CountNear(*frame, {52, 202, 68, 218}, tick), 8);

  // The thumb stands at three quarters of the way up the track (y 480 to 280).
  EXPECT_TRUE(Near(frame->Pixel(600, 330), Color4{255, 150, 150, 150}));
  EXPECT_TRUE(Near(frame->Pixel(600, 400), Color4{255, 170, 170, 170}));

  // The selection "DemoHu" is highlighted and its text is drawn over it.
  const float left = field->selection->altPosition.x - field->selection->width / 2;
  const int selectionLeft = static_cast<int>(left) + 1;
  const int selectionRight = static_cast<int>(left + field->selection->width) - 1;
  const platform::PixelRect selected{selectionLeft, 394, selectionRight, 406};
  EXPECT_GT(CountNear(*frame, selected, Color4{255, 125, 130, 200}), 40);
  EXPECT_GT(CountNear(*frame, selected, ColorBlack), 10);
  // The label ends at the box's left edge.
  EXPECT_GT(CountNear(*frame, {60, 392, 110, 406}, ColorBlack), 10);
}

}  // namespace
