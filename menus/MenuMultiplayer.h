#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "menus/Menu.h"

class Controls;
class Player;
class Quad;
class World;

// The lobby of a local versus match: one panel per player slot, slot i showing the world's
// player at index i. Devices join with Start (a pad) or Enter (the keyboard); joined players
// but the first leave with their cancel control; the first player chooses Settings, Back or
// Start.
class MenuMultiplayer : public Menu {
 public:
  static constexpr int SlotCount = 4;
  enum SlotState : int32_t { SlotOpen = 0, SlotJoined = 1 };
  // What a slot's player plays on: the keyboard, or the pad of user index code - PadDevice0.
  enum Device : int32_t {
    DeviceNone = 0,
    DeviceKeyboard = 1,
    DevicePad0 = 2,
    DevicePad1,
    DevicePad2,
    DevicePad3,
    DeviceCount
  };
  static constexpr const char* VersusMapPath = "Content\\Maps\\DemoVersusMap.gmf";

  MenuMultiplayer(GameStateSet* set, World* world);
  ~MenuMultiplayer() override;

  // Only the first player stays; the other slots open with no device recorded.
  void Enter() override;
  // Slot by slot: the first player's buttons, a leave, or a join; nothing once the screen has
  // switched.
  void HandleInput(float dt) override;
  // Feeds the music and moves the highlight to each slot's cursor.
  void Update(float dt) override;
  // The four slots, then the buttons.
  void Draw() override;

  static int32_t PadDevice(int pad) { return DevicePad0 + pad; }

  const Quad& Panel(int slot) const { return *m_panels[static_cast<size_t>(slot)]; }
  const Quad& UpperBox(int slot) const { return *m_upperBoxes[static_cast<size_t>(slot)]; }
  const Quad& LowerBox(int slot) const { return *m_lowerBoxes[static_cast<size_t>(slot)]; }
  const Quad& StartButton() const { return *m_startButton; }
  const Quad& BackButton() const { return *m_backButton; }
  const Quad& SettingsButton() const { return *m_settingsButton; }

  // The item each slot has selected, and the one that carried its highlight after the last
  // update. The first slot's moves over the buttons; a joined slot's is its panel.
  std::array<Quad*, SlotCount> m_cursors{};
  std::array<Quad*, SlotCount> m_previousCursors{};
  std::array<int32_t, SlotCount> m_slotStates{SlotJoined, SlotOpen, SlotOpen, SlotOpen};
  // The title menu records the first slot's device when it opens the lobby.
  std::array<int32_t, SlotCount> m_slotDevices{};

 private:
  void HandleJoin(int slot);
  // The position the new player took, or -1 when the slot's position is taken.
  int AddJoinedPlayer(int slot, int32_t device);
  void HandleFirstPlayerInput();
  void ConfirmSelection();
  void ReturnToTitle();
  void HandleLeave(int slot);
  // The panel and boxes at the position in the colours of an open slot.
  void FreeSlot(int position);
  void UpdateSlot(int slot);
  void DrawSlot(int slot);
  void EnsureFirstPlayer(Controls* controls);

  // The device's joining press went down this frame: Enter on the keyboard, Start on a pad.
  bool JoinPressed(int32_t device) const;
  // Another slot than the given one has the device recorded.
  bool DeviceTaken(int32_t device, int slot) const;
  // The device's own controls, made afresh from the game's: they listen to that device only.
  Controls* ControlsFor(int32_t device);
  // The device's switch in the game's controls.
  void SetDeviceEnabled(int32_t device, bool enabled);
  // The player's index and its picture in the lobby follow its list position.
  void ShowAt(Player& player, int position);

  World* m_world = nullptr;  // not owned
  std::unique_ptr<Quad> m_startButton;
  std::unique_ptr<Quad> m_backButton;
  std::unique_ptr<Quad> m_settingsButton;
  std::array<std::unique_ptr<Quad>, SlotCount> m_panels;
  std::array<std::unique_ptr<Quad>, SlotCount> m_upperBoxes;
  std::array<std::unique_ptr<Quad>, SlotCount> m_lowerBoxes;
  // The joined players' controls, one per device for the whole run: a player taken out of
  // the world never points at freed controls.
  std::array<std::unique_ptr<Controls>, DeviceCount> m_deviceControls;
};
