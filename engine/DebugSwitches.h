#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>

class CheckBox;
class Texture;
struct GameStateSet;

// The debug switches, in the order of the settings page.
enum DebugToggle : int {
  ToggleMouseFeed = 0,
  ToggleStateInfo,
  ToggleObjectData,
  ToggleVisibleCollision,
  TogglePlayerDebugInfo,
  TogglePlayerStatsInPauseMenu,
  ToggleGameStateLoadInfo,
  ToggleCameraInfo,
  ToggleEnableConsole,
  ToggleEnableGodMode,
  DebugToggleCount
};

// Whether the shapes of a draw layer are drawn and can be picked in the editor.
struct LayerFlags {
  bool visible = false;
  bool selectable = false;
};

// What play reads of the debug menu: the ten switches of the whole program, shown as the check
// boxes of the settings page, and the per-layer flags of the editor. Nobody keeps a copy: the
// world, the player states and the pause menu ask for a value when they need it.
class DebugSwitches {
 public:
  explicit DebugSwitches(Texture* atlas);
  ~DebugSwitches();
  DebugSwitches(const DebugSwitches&) = delete;
  DebugSwitches& operator=(const DebugSwitches&) = delete;

  bool IsOn(DebugToggle toggle) const;
  void Set(DebugToggle toggle, bool on);
  CheckBox& Box(DebugToggle toggle) const { return *m_debugToggles[toggle]; }
  // A layer nothing has entered gets an entry with both flags clear, so it is not drawn.
  bool LayerVisible(int32_t layer) { return m_layerFlags[layer].visible; }
  // Enters the layer visible and selectable; a layer already in the table keeps its flags.
  void KnowLayer(int32_t layer);

  std::array<std::unique_ptr<CheckBox>, DebugToggleCount> m_debugToggles;
  std::map<int32_t, LayerFlags> m_layerFlags;
  // The editor's atlas the check boxes are cut from; the console takes its cursors from it.
  Texture* atlas = nullptr;  // not owned
};

// How the debug menu, which owns the switches, finds those of a set's debug menu.
using DebugSwitchesAnswer = DebugSwitches* (*)(const GameStateSet* set);
// The program's assembly registers the debug menu's answer at start-up.
void RegisterDebugSwitches(DebugSwitchesAnswer answer);
// The switches of the set's debug menu; null before it is built or an answer is registered.
// The world, the player states and the pause menu reach them through here.
DebugSwitches* DebugSwitchesOf(const GameStateSet* set);
// Off without a debug menu.
bool DebugSwitchOn(const GameStateSet* set, DebugToggle toggle);
// Every layer is drawn while no debug menu exists.
bool DebugLayerVisible(const GameStateSet* set, int32_t layer);
