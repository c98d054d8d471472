#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <span>
#include <string>

#include "platform/HeadlessPlatform.h"

class GameState;
struct GameStateSet;
class MenuDebug;
class ModifierShape;
class Quad;
class Shape;
class World;

// A random player of the whole game: keys pressed and held, the sticks, triggers and buttons of
// up to four pads, the mouse moved, clicked and dragged. What it does next is drawn with weights
// that depend on the screen shown, so that it reaches what each screen reacts to. The same seed
// gives the same input in every run.
class Monkey {
 public:
  explicit Monkey(uint64_t seed) : random_(seed) {}

  // A freshly started program: nothing held, a random number of pads plugged in, debug mode
  // on or off, and the frame at which its window will be closed.
  void Attach(platform::HeadlessPlatform& platform);
  // Sets the input the next frame reads.
  void BeforeFrame();

 private:
  using Action = std::function<void()>;
  struct Choice {
    int weight;
    Action act;
  };

  int Between(int low, int high);
  bool Chance(double probability);
  template <typename T>
  const T& Pick(std::span<const T> items) {
    return items[static_cast<size_t>(Between(0, static_cast<int>(items.size()) - 1))];
  }
  void Choose(std::span<const Choice> choices);

  // Runs the action that many frames from now (0: before this frame).
  void At(int delay, Action action);
  void Key(int key, bool down);
  void TapKey(int key, int delay = 0);
  void HoldKey(int key, int frames, int delay = 0);
  // Key taps that type the text, one character every other frame; the frames it takes.
  int Type(const std::string& text, int delay = 0);
  void ReleaseEverything();
  void PadButton(int slot, uint16_t button, int frames, int delay = 0);
  void PadStick(int slot, bool left, int16_t x, int16_t y, int frames);
  void PadTrigger(int slot, bool left, int frames);
  void TogglePad(int slot);
  // The key, and the button on every pad plugged in.
  void TapEverywhere(int key, uint16_t button);
  void MouseTo(float x, float y);
  void Click(float x, float y, int button = 0, int delay = 0);
  void Drag(float fromX, float fromY, float toX, float toY);
  void ClickInside(const Quad& quad);
  void ClickNear(const Shape& shape);
  void Busy(int frames);

  // The screens' weights.
  void PlayWorld(World& world);
  void Seek(World& world);
  void StepSeek(World& world);
  void EndSeek();
  void ReadDialogue();
  void UseSaveScreen();
  void BrowseMenu(bool withTabs);
  // Quit Game is chosen on the title or the pause menu's settings.
  bool AboutToQuit() const;
  // Long enough on one map, the monkey heads back to the title through the pause menu; long
  // enough on one menu, back to play.
  void CountFrames(const GameStateSet& set);
  void LeaveForTheTitle();
  void BackToPlay();
  void UseTitle();
  void UseController();
  void UseLobby();
  void UseDeathScreen();
  void UseConsole();
  void UseDebugMenu(MenuDebug& menu);
  void ClickDebugWidget(MenuDebug& menu);
  void UseAnything();
  // The first player's bound key for the binding, so that rebinding does not lose the monkey.
  int Bound(int binding) const;
  int AnyPad();

  std::mt19937_64 random_;
  platform::HeadlessPlatform* platform_ = nullptr;
  uint64_t frame_ = 0;
  uint64_t busyUntil_ = 0;
  uint64_t closeAt_ = 0;
  std::multimap<uint64_t, Action> due_;
  std::array<std::optional<platform::PadState>, platform::PadSlotCount> pads_;
  platform::MouseSample mouse_;
  int windowX_ = 0;
  int windowY_ = 0;
  // A region of the world walked to until reached or given up.
  struct SeekGoal {
    const ModifierShape* target = nullptr;
    int framesLeft = 0;
    float lastX = 0.0f;
    int stoppedFrames = 0;
  };
  std::optional<SeekGoal> seek_;
  std::string lastMap_;
  // Where the title's pages lead this time: the main page's button, then the next page's.
  std::array<int, 2> titlePlan_{};
  uint64_t titlePlanUntil_ = 0;
  int framesOnMap_ = 0;
  int patience_ = 0;
  const GameState* lastScreen_ = nullptr;
  int framesOnScreen_ = 0;
};
