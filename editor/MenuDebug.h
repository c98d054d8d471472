#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "menus/Menu.h"

class Camera;
class CheckBox;
class Shape;
class World;

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

class MenuDebug : public Menu {
 public:
  MenuDebug(GameStateSet* set, Camera* camera, std::vector<Shape*>* content, World* world);
  ~MenuDebug() override;

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}

  bool IsToggleOn(DebugToggle toggle) const;
  // Enters every layer the world's content uses, visible and selectable; a layer already in
  // the table keeps its flags.
  void CollectLayers();

  // The ten switches of the whole program; readers test them when they need them.
  std::vector<std::unique_ptr<CheckBox>> m_debugToggles;
  // Looking up a layer that has no entry adds one with both flags clear.
  std::map<int32_t, LayerFlags> m_layerFlags;

 private:
  World* m_world = nullptr;
  std::vector<Shape*>* m_content = nullptr;
};

// A debug switch as the game state set's debug menu holds it; off without a debug menu.
bool DebugSwitchOn(const GameStateSet* set, DebugToggle toggle);
