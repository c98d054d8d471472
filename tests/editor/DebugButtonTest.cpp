#include <gtest/gtest.h>

#include <vector>

#include "editor/DebugButton.h"

namespace {

// A debug button's colours (alpha, red, green, blue).
namespace Colors {
constexpr Color4 Text{255, 0, 0, 0};
constexpr Color4 DisabledText{255, 115, 115, 115};
constexpr Color4 Fill{255, 235, 225, 136};
constexpr Color4 PressedFill{255, 215, 205, 136};
constexpr Color4 DisabledFill{150, 200, 200, 200};
constexpr Color4 LightEdge{255, 250, 247, 230};
constexpr Color4 DarkEdge{255, 59, 56, 39};
}  // namespace Colors

// The top edge's colour shows which bevel the face has: light raised, dark pushed in.
uint32_t TopEdge(const DebugButton& button) { return button.Face().screenOutline[0].color; }

enum class Step { Press, Release, Disable, Enable };

struct Case {
  const char* name;
  std::vector<Step> steps;
  Color4 fill;
  Color4 text;
  bool raised;
};

const Case Cases[] = {
    {"a new button", {}, Colors::Fill, Colors::Text, true},
    {"pressed", {Step::Press}, Colors::PressedFill, Colors::Text, false},
    {"pressed and released", {Step::Press, Step::Release}, Colors::Fill, Colors::Text, true},
    {"disabled while pressed",
     {Step::Press, Step::Disable},
     Colors::DisabledFill,
     Colors::DisabledText,
     false},
    {"enabled again shows the press",
     {Step::Press, Step::Disable, Step::Enable},
     Colors::PressedFill,
     Colors::Text,
     false},
    {"pressed while disabled keeps the grey label",
     {Step::Disable, Step::Press},
     Colors::PressedFill,
     Colors::DisabledText,
     false},
    {"enabled again", {Step::Disable, Step::Enable}, Colors::Fill, Colors::Text, true},
};

TEST(DebugButton, FillLabelAndBevelFollowTheLastChange) {
  for (const Case& c : Cases) {
    DebugButton button(100.0f, 20.0f, 0.0f, 50.0f, 40.0f, 0.0f, "Load");
    for (Step step : c.steps) {
      if (step == Step::Press || step == Step::Release) button.SetPressed(step == Step::Press);
      if (step == Step::Disable || step == Step::Enable) button.SetEnabled(step == Step::Enable);
    }
    EXPECT_EQ(button.Face().GetColor(), c.fill) << c.name;
    EXPECT_EQ(button.LabelColor(), c.text) << c.name;
    EXPECT_EQ(TopEdge(button), (c.raised ? Colors::LightEdge : Colors::DarkEdge).ToD3DColor()) << c.name;
  }
}

TEST(DebugButton, ReleasingRestoresTheFirstBevelExactly) {
  DebugButton button(100.0f, 20.0f, 0.0f, 50.0f, 40.0f, 0.0f, "");
  const auto before = button.Face().screenOutline;
  button.SetPressed(true);
  EXPECT_NE(TopEdge(button), before[0].color);
  button.SetPressed(false);
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(button.Face().screenOutline[i].color, before[i].color) << i;
  }
  EXPECT_TRUE(button.Contains({0.0f, 30.0f, 0.0f}));
  EXPECT_FALSE(button.Contains({50.0f, 51.0f, 0.0f}));
}

}  // namespace
