#include "monkey/Monkey.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "editor/ColorDialog.h"
#include "editor/ColorDialogPage.h"
#include "editor/DebugButton.h"
#include "editor/FileListPage.h"
#include "editor/ItemEditorPage.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/SaveDialogPage.h"
#include "editor/SettingsPage.h"
#include "editor/TemplatePalette.h"
#include "editor/TextureChooser.h"
#include "editor/TextureDialogPage.h"
#include "engine/Controls.h"
#include "engine/EditorAtlas.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/TextBox.h"
#include "engine/draw/Quad.h"
#include "menus/DeathScreen.h"
#include "menus/MenuConsole.h"
#include "menus/MenuController.h"
#include "menus/MenuDialog.h"
#include "menus/MenuMultiplayer.h"
#include "menus/MenuSave.h"
#include "menus/MenuShop.h"
#include "menus/MenuTitle.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/SettingsTab.h"
#include "platform/InputMapping.h"
#include "player/Player.h"
#include "world/ModifierShape.h"
#include "world/World.h"

namespace PadButtons = platform::PadButton;

namespace {

constexpr int ClientWidth = 800;
constexpr int ClientHeight = 600;
constexpr int16_t StickFull = 32767;
constexpr uint8_t TriggerFull = 255;
// A seek gives up after this many frames; a walk stopped this long jumps.
constexpr int SeekFrames = 400;
constexpr int StoppedFrames = 6;
constexpr int JumpFrames = 24;
constexpr double DebugModeShare = 0.75;
// How long the program runs before the window is closed, on average.
constexpr int SessionFrames = 6000;
constexpr double QuitAvoidance = 0.9;
// Frames on one map after which the monkey mostly heads back to the title, on average.
constexpr int PatienceFrames = 2500;
constexpr double RestlessShare = 0.7;
// Frames on one menu after which the monkey mostly heads back to play.
constexpr int ScreenPatienceFrames = 900;
// A title plan is given up after this many frames.
constexpr uint64_t TitlePlanFrames = 240;
constexpr const char* RecordFile = "Content/Saves/Player.rff";

constexpr std::array<uint16_t, 14> AllPadButtons = {PadButtons::DPadUp,
                                                    PadButtons::DPadDown,
                                                    PadButtons::DPadLeft,
                                                    PadButtons::DPadRight,
                                                    PadButtons::Start,
                                                    PadButtons::Back,
                                                    PadButtons::LeftThumb,
                                                    PadButtons::RightThumb,
                                                    PadButtons::LeftShoulder,
                                                    PadButtons::RightShoulder,
                                                    PadButtons::A,
                                                    PadButtons::B,
                                                    PadButtons::X,
                                                    PadButtons::Y};

// The keys every menu reads: moves, confirm, cancel, back, tabs.
constexpr std::array<int, 15> MenuKeys = {
    VirtualKey::W,       VirtualKey::S,         VirtualKey::A,         VirtualKey::D,
    VirtualKey::UpArrow, VirtualKey::DownArrow, VirtualKey::LeftArrow, VirtualKey::RightArrow,
    VirtualKey::J,       VirtualKey::Enter,     VirtualKey::I,         VirtualKey::Backspace,
    VirtualKey::O,       VirtualKey::P,         VirtualKey::U};

constexpr std::array<int, 40> AnyKeys = {
    VirtualKey::Backspace, VirtualKey::Tab,     VirtualKey::Enter,      VirtualKey::Esc,
    VirtualKey::Space,     VirtualKey::PageUp,  VirtualKey::End,        VirtualKey::Home,
    VirtualKey::LeftArrow, VirtualKey::UpArrow, VirtualKey::RightArrow, VirtualKey::DownArrow,
    VirtualKey::Delete,    VirtualKey::Digit0,  VirtualKey::Digit0 + 5, VirtualKey::A,
    VirtualKey::C,         VirtualKey::D,       VirtualKey::E,          VirtualKey::F,
    VirtualKey::G,         VirtualKey::H,       VirtualKey::I,          VirtualKey::J,
    VirtualKey::O,         VirtualKey::P,       VirtualKey::R,          VirtualKey::S,
    VirtualKey::T,         VirtualKey::V,       VirtualKey::W,          VirtualKey::X,
    VirtualKey::Z,         VirtualKey::F1,      VirtualKey::LeftShift,  VirtualKey::LeftCtrl,
    VirtualKey::Minus,     VirtualKey::Equals,  VirtualKey::Tilde,      VirtualKey::Period};

// What a person types into the console: the commands and some that are not.
constexpr std::array<const char*, 18> ConsoleLines = {"shop",
                                                      "toggle debug all true",
                                                      "toggle debug all false",
                                                      "toggle debug debugmenu true",
                                                      "give stat 5 250",
                                                      "give stat 3 -40",
                                                      "set stat 4 0",
                                                      "set stat 12 99999999",
                                                      "reset player",
                                                      "set item all 3",
                                                      "set item equipment sword 1 2",
                                                      "set item rune 0 1",
                                                      "set player position 12 4",
                                                      "load nomap 0 0",
                                                      "play bg stop",
                                                      "play sfx x",
                                                      "shop now",
                                                      "set"};

// Names typed into the editor's save dialog; a few are reused, so files are written over, and
// some are refused.
constexpr std::array<const char*, 8> MapNames = {"monkey",  "scratch", "map",    "a",
                                                 "Level 2", "x9",      "[TEMP]", ".."};

struct Typed {
  int key;
  bool shift;
};

std::optional<Typed> KeyFor(char c) {
  if (std::islower(static_cast<unsigned char>(c))) return Typed{std::toupper(c), false};
  if (std::isupper(static_cast<unsigned char>(c))) return Typed{c, true};
  if (std::isdigit(static_cast<unsigned char>(c))) return Typed{c, false};
  switch (c) {
    case ' ':
      return Typed{VirtualKey::Space, false};
    case '-':
      return Typed{VirtualKey::Minus, false};
    case '.':
      return Typed{VirtualKey::Period, false};
    case '[':
      return Typed{VirtualKey::LeftBracket, false};
    case ']':
      return Typed{VirtualKey::RightBracket, false};
    case '_':
      return Typed{VirtualKey::Minus, true};
    default:
      return std::nullopt;
  }
}

}  // namespace

void Monkey::Attach(platform::HeadlessPlatform& platform) {
  platform_ = &platform;
  due_.clear();
  seek_.reset();
  busyUntil_ = frame_;
  pads_ = {};
  mouse_ = {};
  framesOnMap_ = 0;
  closeAt_ = frame_ + static_cast<uint64_t>(Between(SessionFrames / 2, SessionFrames * 2));
  platform.GetWindowPosition(windowX_, windowY_);
  // Most runs have debug mode on from the start, as a tester's would, and half of those the
  // console; the others reach them through the hub's ledger or the debug menu's settings.
  DebugMode = Chance(DebugModeShare) ? 1 : 0;
  if (DebugMode && Chance(0.5)) DebugSwitchesOf(GameStates)->Set(ToggleEnableConsole, true);
  const int padCount = Between(0, platform::PadSlotCount);
  for (int slot = 0; slot < padCount; ++slot) TogglePad(slot);
  MouseTo(ClientWidth / 2.0f, ClientHeight / 2.0f);
}

int Monkey::Between(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random_);
}

bool Monkey::Chance(double probability) {
  return std::bernoulli_distribution(probability)(random_);
}

void Monkey::Choose(std::span<const Choice> choices) {
  int total = 0;
  for (const Choice& choice : choices) total += choice.weight;
  int roll = Between(0, total - 1);
  for (const Choice& choice : choices) {
    roll -= choice.weight;
    if (roll < 0) {
      choice.act();
      return;
    }
  }
}

void Monkey::At(int delay, Action action) {
  due_.emplace(frame_ + static_cast<uint64_t>(delay), std::move(action));
}

void Monkey::Key(int key, bool down) { platform_->SetKey(key, down); }

void Monkey::TapKey(int key, int delay) { HoldKey(key, Between(1, 3), delay); }

void Monkey::HoldKey(int key, int frames, int delay) {
  At(delay, [this, key] { Key(key, true); });
  At(delay + frames, [this, key] { Key(key, false); });
}

int Monkey::Type(const std::string& text, int delay) {
  int at = delay;
  for (char c : text) {
    const std::optional<Typed> typed = KeyFor(c);
    if (!typed) continue;
    if (typed->shift) HoldKey(VirtualKey::LeftShift, 2, at);
    HoldKey(typed->key, 1, at);
    at += 2;
  }
  return at - delay;
}

void Monkey::ReleaseEverything() {
  due_.clear();
  platform_->ReleaseAllKeys();
  for (int slot = 0; slot < platform::PadSlotCount; ++slot) {
    if (!pads_[static_cast<size_t>(slot)]) continue;
    pads_[static_cast<size_t>(slot)] = platform::PadState{};
    platform_->ConnectPad(slot, {});
  }
  mouse_.left = mouse_.right = mouse_.middle = false;
  platform_->SetMouse(mouse_);
}

void Monkey::PadButton(int slot, uint16_t button, int frames, int delay) {
  auto set = [this, slot, button](bool down) {
    std::optional<platform::PadState>& pad = pads_[static_cast<size_t>(slot)];
    if (!pad) return;
    pad->buttons = down ? pad->buttons | button : pad->buttons & ~button;
    ++pad->packetNumber;
    platform_->ConnectPad(slot, *pad);
  };
  At(delay, [set] { set(true); });
  At(delay + frames, [set] { set(false); });
}

void Monkey::PadStick(int slot, bool left, int16_t x, int16_t y, int frames) {
  auto set = [this, slot, left](int16_t toX, int16_t toY) {
    std::optional<platform::PadState>& pad = pads_[static_cast<size_t>(slot)];
    if (!pad) return;
    (left ? pad->thumbLX : pad->thumbRX) = toX;
    (left ? pad->thumbLY : pad->thumbRY) = toY;
    platform_->ConnectPad(slot, *pad);
  };
  At(0, [set, x, y] { set(x, y); });
  At(frames, [set] { set(0, 0); });
}

void Monkey::PadTrigger(int slot, bool left, int frames) {
  auto set = [this, slot, left](uint8_t value) {
    std::optional<platform::PadState>& pad = pads_[static_cast<size_t>(slot)];
    if (!pad) return;
    (left ? pad->leftTrigger : pad->rightTrigger) = value;
    platform_->ConnectPad(slot, *pad);
  };
  At(0, [set] { set(TriggerFull); });
  At(frames, [set] { set(0); });
}

void Monkey::TogglePad(int slot) {
  std::optional<platform::PadState>& pad = pads_[static_cast<size_t>(slot)];
  if (pad) {
    pad.reset();
    platform_->DisconnectPad(slot);
  } else {
    pad = platform::PadState{};
    platform_->ConnectPad(slot, *pad);
  }
}

int Monkey::AnyPad() {
  std::array<int, platform::PadSlotCount> connected{};
  int count = 0;
  for (int slot = 0; slot < platform::PadSlotCount; ++slot) {
    if (pads_[static_cast<size_t>(slot)]) connected[static_cast<size_t>(count++)] = slot;
  }
  if (count == 0) {
    TogglePad(0);
    return 0;
  }
  return connected[static_cast<size_t>(Between(0, count - 1))];
}

void Monkey::MouseTo(float x, float y) {
  mouse_.x = windowX_ + static_cast<int>(std::clamp(x, 0.0f, ClientWidth - 1.0f));
  mouse_.y = windowY_ + static_cast<int>(std::clamp(y, 0.0f, ClientHeight - 1.0f));
  platform_->SetMouse(mouse_);
}

void Monkey::Click(float x, float y, int button, int delay) {
  auto set = [this, x, y, button](bool down) {
    MouseTo(x, y);
    (button == 0 ? mouse_.left : button == 1 ? mouse_.right : mouse_.middle) = down;
    platform_->SetMouse(mouse_);
  };
  At(delay, [set] { set(false); });
  At(delay + 1, [set] { set(true); });
  At(delay + 2, [set] { set(false); });
}

void Monkey::Drag(float fromX, float fromY, float toX, float toY) {
  const int steps = Between(2, 12);
  At(0, [this, fromX, fromY] {
    MouseTo(fromX, fromY);
    mouse_.left = true;
    platform_->SetMouse(mouse_);
  });
  for (int i = 1; i <= steps; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(steps);
    At(i, [this, fromX, fromY, toX, toY, t] {
      MouseTo(fromX + (toX - fromX) * t, fromY + (toY - fromY) * t);
    });
  }
  At(steps + 1, [this] {
    mouse_.left = false;
    platform_->SetMouse(mouse_);
  });
  Busy(steps + 2);
}

void Monkey::ClickInside(const Quad& quad) {
  const float x = quad.altPosition.x + quad.width * (static_cast<float>(Between(-45, 45)) / 100.0f);
  const float y =
      quad.altPosition.y + quad.height * (static_cast<float>(Between(-45, 45)) / 100.0f);
  Click(x, y);
}

void Monkey::ClickNear(const Shape& shape) {
  Click(shape.altPosition.x + static_cast<float>(Between(-6, 6)),
        shape.altPosition.y + static_cast<float>(Between(-6, 6)));
}

void Monkey::Busy(int frames) {
  busyUntil_ = std::max(busyUntil_, frame_ + static_cast<uint64_t>(frames));
}

int Monkey::Bound(int binding) const {
  const World* world = GameStates ? GameStates->world : nullptr;
  const Player* player = world ? world->GetFirstPlayer() : nullptr;
  const Controls* controls = player && player->controls ? player->controls : GameControls;
  const uint32_t key = controls ? controls->bindings[static_cast<size_t>(binding)] : 0;
  return key < platform::KeyCount ? static_cast<int>(key) : VirtualKey::J;
}

void Monkey::CountFrames(const GameStateSet& set) {
  const std::string& map = set.world->mapName;
  if (map != lastMap_ || framesOnMap_ == 0) {
    lastMap_ = map;
    framesOnMap_ = 0;
    patience_ = Between(PatienceFrames / 2, PatienceFrames * 2);
  }
  ++framesOnMap_;
  framesOnScreen_ = set.current == lastScreen_ ? framesOnScreen_ + 1 : 0;
  lastScreen_ = set.current;
}

void Monkey::BackToPlay() {
  const GameStateSet& set = *GameStates;
  if (set.current == set.menuController) {
    // Up the rows to the buttons, and round them to Confirm.
    const MenuController& controller = *set.menuController;
    if (controller.m_mode == MenuController::ModeRebind) {
      TapKey(VirtualKey::Backspace);
    } else if (controller.m_selection == &controller.ConfirmButton()) {
      TapKey(VirtualKey::Enter);
    } else {
      TapKey(VirtualKey::W);
    }
  } else if (set.current == set.menuDebug) {
    TapKey(VirtualKey::Tab);
  } else if (set.current == set.menuDialog) {
    TapKey(Bound(BindAction1Key));
  } else {
    TapEverywhere(Chance(0.5) ? VirtualKey::Esc : VirtualKey::Backspace, PadButtons::B);
  }
  Busy(4);
}

void Monkey::TapEverywhere(int key, uint16_t button) {
  TapKey(key);
  for (int slot = 0; slot < platform::PadSlotCount; ++slot) {
    if (pads_[static_cast<size_t>(slot)]) PadButton(slot, button, 1);
  }
}

void Monkey::LeaveForTheTitle() {
  const GameStateSet& set = *GameStates;
  // In a versus match the pause menu reads the pad of the player who paused.
  if (set.current == set.world) {
    TapEverywhere(VirtualKey::Esc, PadButtons::Start);
  } else if (set.current == set.menuPause) {
    const MenuPause& pause = *set.menuPause;
    if (pause.GetTabIndex() != MenuPause::TabSettings) {
      TapEverywhere(VirtualKey::P, PadButtons::RightShoulder);
    } else if (pause.TabAt<SettingsTab>(MenuPause::TabSettings).GetCursor() !=
               SettingsTab::QuitToTitle) {
      TapEverywhere(VirtualKey::S, PadButtons::DPadDown);
    } else {
      TapEverywhere(VirtualKey::J, PadButtons::A);
    }
  } else if (set.current != set.menuTitle) {
    BackToPlay();
  } else {
    framesOnMap_ = 0;
  }
  Busy(4);
}

void Monkey::BeforeFrame() {
  // A player who has played long enough closes the window.
  if (frame_ == closeAt_) platform_->PushEvent(platform::WindowEvent::CloseRequested);
  for (auto due = due_.begin(); due != due_.end() && due->first <= frame_;) {
    Action action = std::move(due->second);
    due = due_.erase(due);
    action();
  }
  GameStateSet* set = GameStates;
  GameState* screen = set ? set->current : nullptr;
  if (set && set->world) CountFrames(*set);
  if (seek_ && set && screen == set->world) {
    StepSeek(*set->world);
  } else if (seek_) {
    EndSeek();
  }
  if (frame_ >= busyUntil_ && set && screen) {
    busyUntil_ = frame_ + static_cast<uint64_t>(Between(1, 8));
    if (AboutToQuit() && Chance(QuitAvoidance)) {
      // Quitting ends the program: the monkey mostly moves on instead.
      TapKey(VirtualKey::S);
    } else if (framesOnMap_ > patience_ && Chance(RestlessShare)) {
      LeaveForTheTitle();
    } else if (framesOnScreen_ > ScreenPatienceFrames && screen != set->world &&
               screen != set->menuTitle && Chance(RestlessShare)) {
      BackToPlay();
    } else if (Chance(0.01)) {
      UseAnything();
    } else if (screen == set->world) {
      PlayWorld(*set->world);
    } else if (screen == set->menuDialog) {
      ReadDialogue();
    } else if (screen == set->menuSave) {
      UseSaveScreen();
    } else if (screen == set->menuShop) {
      BrowseMenu(true);
    } else if (screen == set->menuPause) {
      BrowseMenu(true);
    } else if (screen == set->menuTitle) {
      UseTitle();
    } else if (screen == set->menuController) {
      UseController();
    } else if (screen == set->menuMultiplayer) {
      UseLobby();
    } else if (screen == set->deathScreen) {
      UseDeathScreen();
    } else if (screen == set->menuConsole) {
      UseConsole();
    } else if (screen == set->menuDebug) {
      UseDebugMenu(*set->menuDebug);
    } else {
      UseAnything();
    }
  }
  ++frame_;
}

void Monkey::UseAnything() {
  const std::array<Choice, 7> choices = {{
      {30, [this] { TapKey(Pick<int>(AnyKeys)); }},
      {10, [this] { HoldKey(Pick<int>(AnyKeys), Between(5, 60)); }},
      {15, [this] { PadButton(AnyPad(), Pick<uint16_t>(AllPadButtons), Between(1, 20)); }},
      {10,
       [this] {
         PadStick(AnyPad(), Chance(0.7), static_cast<int16_t>(Between(-StickFull, StickFull)),
                  static_cast<int16_t>(Between(-StickFull, StickFull)), Between(3, 60));
       }},
      {15,
       [this] { Click(Between(0, ClientWidth - 1), Between(0, ClientHeight - 1), Between(0, 2)); }},
      {5, [this] { TogglePad(Between(0, platform::PadSlotCount - 1)); }},
      {5, [this] { ReleaseEverything(); }},
  }};
  Choose(choices);
}

void Monkey::PlayWorld(World& world) {
  const int left = Bound(BindLeft);
  const int right = Bound(BindRight);
  const int attack = Bound(BindAction1Key);
  const int jump = Bound(BindAction2Key);
  const std::array<Choice, 14> choices = {{
      {22, [this, left, right] { HoldKey(Chance(0.5) ? left : right, Between(10, 90)); }},
      {7, [this, &world] { Seek(world); }},
      {10, [this, jump] { HoldKey(jump, Between(1, 30)); }},
      {10, [this, attack] { TapKey(attack); }},
      {6, [this] { TapKey(Bound(Chance(0.5) ? BindAction3Key : BindAction4Key)); }},
      {5, [this] { HoldKey(Bound(Chance(0.5) ? BindUp : BindDown), Between(3, 40)); }},
      {6,
       [this, left, right, jump, attack] {
         const int frames = Between(20, 60);
         HoldKey(Chance(0.5) ? left : right, frames);
         HoldKey(jump, Between(3, 20), Between(0, 10));
         TapKey(attack, Between(5, frames));
         TapKey(Bound(BindAction4Key), Between(5, frames));
         Busy(frames);
       }},
      {6,
       [this] {
         const int slot = AnyPad();
         if (Chance(0.5)) {
           PadButton(slot, Pick<uint16_t>(AllPadButtons), Between(1, 30));
         } else {
           PadStick(slot, true, static_cast<int16_t>(Chance(0.5) ? StickFull : -StickFull),
                    static_cast<int16_t>(Between(-StickFull, StickFull)), Between(10, 60));
         }
       }},
      {2, [this] { TapKey(VirtualKey::Esc); }},
      {DebugMode ? 5 : 0, [this] { TapKey(VirtualKey::Tab); }},
      {2, [this] { TapKey(VirtualKey::Tilde); }},
      {1, [this] { PadTrigger(AnyPad(), Chance(0.5), Between(2, 30)); }},
      {6, [this] { Busy(Between(10, 60)); }},
      {1, [this] { ReleaseEverything(); }},
  }};
  Choose(choices);
}

void Monkey::Seek(World& world) {
  std::vector<const ModifierShape*> goals;
  for (const auto& modifier : world.modifiers) {
    const int32_t kind = modifier->kind;
    if (kind == ModifierShape::KindConversation || kind == ModifierShape::KindShop ||
        kind == ModifierShape::KindSave || kind == ModifierShape::KindPortal) {
      goals.push_back(modifier.get());
    }
  }
  if (goals.empty() || !world.GetFirstPlayer()) return;
  seek_ = SeekGoal{Pick<const ModifierShape*>(goals), SeekFrames};
  Busy(SeekFrames);
}

void Monkey::StepSeek(World& world) {
  SeekGoal& goal = *seek_;
  // The goal's map may be gone: it is only compared, never read, until found in the world.
  const bool present =
      std::any_of(world.modifiers.begin(), world.modifiers.end(),
                  [&goal](const auto& modifier) { return modifier.get() == goal.target; });
  Player* player = world.GetFirstPlayer();
  const int left = Bound(BindLeft);
  const int right = Bound(BindRight);
  if (!present || !player || --goal.framesLeft <= 0) {
    EndSeek();
    return;
  }
  const platform::Vector3 at = player->body->position;
  const platform::Vector3 to = goal.target->region->position;
  if (goal.target->region->ContainsPoint(at)) {
    EndSeek();
    // Talk, save or shop; a portal needs nothing.
    TapKey(Bound(BindAction1Key), Between(1, 10));
    Busy(12);
    return;
  }
  Key(to.x > at.x ? left : right, false);
  Key(to.x > at.x ? right : left, true);
  goal.stoppedFrames = at.x == goal.lastX ? goal.stoppedFrames + 1 : 0;
  goal.lastX = at.x;
  if (goal.stoppedFrames == StoppedFrames) HoldKey(Bound(BindAction2Key), JumpFrames);
}

void Monkey::EndSeek() {
  Key(Bound(BindLeft), false);
  Key(Bound(BindRight), false);
  seek_.reset();
  busyUntil_ = frame_;
}

void Monkey::ReadDialogue() {
  const std::array<Choice, 5> choices = {{
      {60, [this] { TapKey(Bound(BindAction1Key)); }},
      {8, [this] { TapKey(VirtualKey::Enter); }},
      {8, [this] { HoldKey(Bound(Chance(0.5) ? BindLeft : BindRight), Between(5, 60)); }},
      {20, [this] { Busy(Between(5, 40)); }},
      {4, [this] { TapKey(Pick<int>(AnyKeys)); }},
  }};
  Choose(choices);
}

void Monkey::UseSaveScreen() {
  const std::array<Choice, 5> choices = {{
      {40, [this] { TapKey(Bound(BindAction1Key)); }},
      {15, [this] { TapKey(Chance(0.5) ? VirtualKey::Backspace : VirtualKey::Esc); }},
      {10, [this] { TapKey(VirtualKey::I); }},
      {20, [this] { Busy(Between(5, 40)); }},
      {10, [this] { TapKey(Pick<int>(AnyKeys)); }},
  }};
  Choose(choices);
}

void Monkey::BrowseMenu(bool withTabs) {
  const std::array<Choice, 6> choices = {{
      {45, [this] { TapKey(Pick<int>(MenuKeys)); }},
      {withTabs ? 10 : 0, [this] { TapKey(Chance(0.5) ? VirtualKey::O : VirtualKey::P); }},
      {12,
       [this] {
         const std::array<uint16_t, 8> buttons = {
             PadButtons::DPadUp,   PadButtons::DPadDown,     PadButtons::A,
             PadButtons::B,        PadButtons::LeftShoulder, PadButtons::RightShoulder,
             PadButtons::DPadLeft, PadButtons::DPadRight};
         PadButton(AnyPad(), Pick<uint16_t>(buttons), Between(1, 4));
       }},
      {3, [this] { TapKey(VirtualKey::Esc); }},
      {10, [this] { Busy(Between(3, 30)); }},
      {5, [this] { TapKey(Pick<int>(AnyKeys)); }},
  }};
  Choose(choices);
}

bool Monkey::AboutToQuit() const {
  const GameStateSet& set = *GameStates;
  if (set.current == set.menuTitle) {
    return set.menuTitle->m_page == MenuTitle::PageMain &&
           set.menuTitle->m_selection == MenuTitle::ButtonQuit;
  }
  return set.current == set.menuPause && set.menuPause->GetTabIndex() == MenuPause::TabSettings &&
         set.menuPause->TabAt<SettingsTab>(MenuPause::TabSettings).GetCursor() ==
             SettingsTab::QuitGame;
}

void Monkey::UseTitle() {
  const MenuTitle& title = *GameStates->menuTitle;
  if (frame_ >= titlePlanUntil_) {
    // Mostly a story, new or continued; now and then a versus match or the controls.
    const std::array<Choice, 5> plans = {{
        {45,
         [this] {
           titlePlan_ = {MenuTitle::ButtonStory, MenuTitle::ButtonNewGame};
         }},
        {30,
         [this] {
           titlePlan_ = {MenuTitle::ButtonStory, MenuTitle::ButtonContinue};
         }},
        {12,
         [this] {
           titlePlan_ = {MenuTitle::ButtonMultiplayer, MenuTitle::ButtonVersus};
         }},
        {8,
         [this] {
           titlePlan_ = {MenuTitle::ButtonSettings, MenuTitle::ButtonController};
         }},
        {5,
         [this] {
           titlePlan_ = {MenuTitle::ButtonQuit, MenuTitle::ButtonBack};
         }},
    }};
    Choose(plans);
    // Continuing needs a saved game.
    if (titlePlan_[1] == MenuTitle::ButtonContinue && !std::filesystem::exists(RecordFile)) {
      titlePlan_[1] = MenuTitle::ButtonNewGame;
    }
    titlePlanUntil_ = frame_ + TitlePlanFrames;
  }
  const int wanted = title.m_page == MenuTitle::PageMain ? titlePlan_[0] : titlePlan_[1];
  if (Chance(0.25) || wanted == MenuTitle::ButtonQuit) {
    BrowseMenu(false);
  } else if (title.m_selection != wanted) {
    TapKey(Chance(0.8) ? VirtualKey::S : VirtualKey::DownArrow);
  } else {
    TapKey(Chance(0.8) ? VirtualKey::Enter : VirtualKey::J);
  }
}

void Monkey::UseController() {
  // Up from the first row reaches the buttons, which sideways moves choose between.
  const std::array<Choice, 6> choices = {{
      {30, [this] { BrowseMenu(false); }},
      {20, [this] { TapKey(Chance(0.5) ? VirtualKey::W : VirtualKey::UpArrow); }},
      {10, [this] { TapKey(Chance(0.5) ? VirtualKey::A : VirtualKey::D); }},
      {15, [this] { TapKey(VirtualKey::Enter); }},
      {15, [this] { TapKey(Pick<int>(AnyKeys)); }},
      {10, [this] { PadButton(AnyPad(), Pick<uint16_t>(AllPadButtons), Between(1, 4)); }},
  }};
  Choose(choices);
}

void Monkey::UseLobby() {
  const std::array<Choice, 6> choices = {{
      {15, [this] { TapKey(VirtualKey::Enter); }},
      {20, [this] { PadButton(AnyPad(), PadButtons::Start, Between(1, 4)); }},
      {20, [this] { PadButton(AnyPad(), Pick<uint16_t>(AllPadButtons), Between(1, 4)); }},
      {25, [this] { BrowseMenu(false); }},
      {5, [this] { TogglePad(Between(0, platform::PadSlotCount - 1)); }},
      {10, [this] { Busy(Between(3, 30)); }},
  }};
  Choose(choices);
}

void Monkey::UseDeathScreen() {
  const std::array<Choice, 3> choices = {{
      {50, [this] { TapKey(Chance(0.5) ? VirtualKey::Enter : VirtualKey::J); }},
      {25, [this] { TapKey(Pick<int>(AnyKeys)); }},
      {25, [this] { Busy(Between(10, 60)); }},
  }};
  Choose(choices);
}

void Monkey::UseConsole() {
  const std::array<Choice, 6> choices = {{
      {50,
       [this] {
         const int frames = Type(Pick<const char*>(ConsoleLines));
         TapKey(VirtualKey::Enter, frames + 1);
         Busy(frames + 4);
       }},
      {12, [this] { Busy(Type(std::string(1, static_cast<char>('a' + Between(0, 25))))); }},
      {8, [this] { TapKey(Chance(0.5) ? VirtualKey::Esc : VirtualKey::Tilde); }},
      {10, [this] { TapKey(VirtualKey::Backspace); }},
      {8, [this] { Click(Between(0, ClientWidth - 1), Between(400, ClientHeight - 1)); }},
      {12, [this] { TapKey(Pick<int>(AnyKeys)); }},
  }};
  Choose(choices);
}

void Monkey::UseDebugMenu(MenuDebug& menu) {
  const std::array<Choice, 9> choices = {{
      {45, [this, &menu] { ClickDebugWidget(menu); }},
      {12, [this] { Click(Between(0, ClientWidth - 1), Between(0, ClientHeight - 1)); }},
      {8,
       [this] {
         Drag(Between(0, ClientWidth - 1), Between(0, ClientHeight - 1),
              Between(0, ClientWidth - 1), Between(0, ClientHeight - 1));
       }},
      {5, [this] { Click(Between(0, ClientWidth - 1), Between(0, ClientHeight - 1), 1); }},
      {menu.Field().Current() ? 14 : 2,
       [this] {
         const int frames =
             Type(Chance(0.7) ? Pick<const char*>(MapNames) : std::to_string(Between(-500, 5000)));
         if (Chance(0.5)) TapKey(VirtualKey::Enter, frames + 1);
         Busy(frames + 3);
       }},
      {8, [this] { TapKey(Pick<int>(AnyKeys)); }},
      {3,
       [this] {
         HoldKey(VirtualKey::LeftCtrl, 4);
         TapKey(Chance(0.6) ? VirtualKey::S : VirtualKey::Digit0 + Between(0, 9), 1);
         Busy(5);
       }},
      {3, [this] { TapKey(Chance(0.5) ? VirtualKey::Delete : VirtualKey::R); }},
      {2, [this] { TapKey(Chance(0.5) ? VirtualKey::Tab : VirtualKey::Esc); }},
  }};
  Choose(choices);
}

void Monkey::ClickDebugWidget(MenuDebug& menu) {
  std::vector<const Quad*> quads;
  std::vector<const Shape*> icons;
  auto rows = [&quads](const EditorWidgets::RowList& list) {
    for (const auto& row : list) quads.push_back(row.get());
  };
  switch (menu.Mode()) {
    case MenuDebug::ModeEdit:
      for (size_t icon = 0; icon < EditorAtlas::ToolbarIconCount; ++icon) {
        icons.push_back(&menu.Main().ToolbarIcon(icon));
      }
      for (size_t icon = 0; icon < EditorAtlas::ToolIconCount; ++icon) {
        icons.push_back(&menu.Main().ToolIcon(icon));
      }
      quads = {&menu.Main().PropertyPanelBox(), &menu.Main().PropertyPanelBox(),
               &menu.Main().LayerPanelBox()};
      if (menu.Main().ContextMenuKind() != MainPage::MenuClosed) {
        quads.push_back(&menu.Main().ContextMenuWidgets().PanelBox());
        quads.push_back(&menu.Main().ContextMenuWidgets().PanelBox());
      }
      quads.push_back(menu.Main().Palette().m_paletteBar.get());
      break;
    case MenuDebug::ModeTextureChooser:
      quads = {&menu.Textures().Chooser().PanelBox(), &menu.Textures().Chooser().PanelBox(),
               &menu.Textures().Chooser().OkButton(), &menu.Textures().Chooser().CancelButton()};
      break;
    case MenuDebug::ModeShapeColor:
    case MenuDebug::ModeBackgroundColor:
      quads = {&menu.Colors().Dialog().PanelBox(), &menu.Colors().Dialog().PanelBox(),
               &menu.Colors().Dialog().OkButton(), &menu.Colors().Dialog().CancelButton()};
      break;
    case MenuDebug::ModeSaveMap:
    case MenuDebug::ModeSaveMef:
      quads = {menu.SaveDialog().Field("Save file as:").box.get(),
               &menu.SaveDialog().Button("Save"), &menu.SaveDialog().Button("Save"),
               &menu.SaveDialog().Button("Cancel")};
      break;
    case MenuDebug::ModeLoadMap:
    case MenuDebug::ModePortalTarget:
      rows(menu.FileList().Rows());
      quads.push_back(&menu.FileList().Button("Load"));
      quads.push_back(&menu.FileList().Button("Load"));
      quads.push_back(&menu.FileList().Button("Cancel"));
      break;
    case MenuDebug::ModeLoadMef:
      rows(menu.FileList().Rows());
      quads.push_back(&menu.FileList().Button("Load"));
      quads.push_back(&menu.FileList().Button("Cancel"));
      break;
    case MenuDebug::ModeMusic:
      rows(menu.FileList().Rows());
      quads.push_back(&menu.FileList().Button("Load"));
      quads.push_back(&menu.FileList().Button("Cancel"));
      break;
    case MenuDebug::ModeSettings:
      quads = {&menu.Settings().PanelBox(),
               &menu.Settings().PanelBox(),
               &menu.Settings().PanelBox(),
               menu.Settings().Field("Update Factor:").box.get(),
               &menu.Settings().Button("OK"),
               &menu.Settings().Button("Cancel"),
               &menu.Settings().Button("Background Color")};
      quads.push_back(&menu.Settings().Button("Set Map Music"));
      break;
    case MenuDebug::ModeItemList:
      if (menu.Items().CurrentRows()) rows(*menu.Items().CurrentRows());
      for (const char* label : {"Equipment", "Runes", "Expendables", "Key Items", "Save List",
                                "Change", "Change", "Delete", "New Item", "Cancel"}) {
        quads.push_back(&menu.Items().Button(label));
      }
      break;
    case MenuDebug::ModeItemPage: {
      // Name, description, the fields, then the buttons, Save weighing twice.
      quads = menu.Items().Widgets().Faces();
      const Quad* save = &menu.Items().Button("Save");
      quads.insert(std::find(quads.begin(), quads.end(), save), save);
      break;
    }
    default:
      break;
  }
  std::erase(quads, nullptr);
  const size_t count = quads.size() + icons.size();
  if (count == 0) {
    Click(Between(0, ClientWidth - 1), Between(0, ClientHeight - 1));
    return;
  }
  const auto at = static_cast<size_t>(Between(0, static_cast<int>(count) - 1));
  if (at < quads.size()) {
    ClickInside(*quads[at]);
  } else {
    ClickNear(*icons[at - quads.size()]);
  }
  Busy(3);
}
