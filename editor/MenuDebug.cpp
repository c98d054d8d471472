#include "editor/MenuDebug.h"

#include <array>

#include "collision/Boundary.h"
#include "collision/ModifierShape.h"
#include "engine/CheckBox.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/Texture.h"
#include "world/World.h"

namespace {

constexpr std::array<const char*, DebugToggleCount> ToggleLabels = {
    " Mouse Feed",          " State Info",          " Object Data",
    " Visible Collision",   " Player Debug Info",   " Player stats in Pause Menu",
    " GameState Load Info", " Camera Info",         " Enable Console",
    " Enable GodMode",
};

}  // namespace

MenuDebug::MenuDebug(GameStateSet* set, Camera* camera, std::vector<Shape*>* content, World* world)
    : Menu(set, "Debug Menu") {
  MainCamera = camera;
  m_content = content;
  m_world = world;
  Texture* atlas = set ? set->interfaceAtlas.get() : nullptr;
  for (int i = 0; i < DebugToggleCount; ++i) {
    // Every switch starts off but the load lines, which mirror their global.
    const bool on = i == ToggleGameStateLoadInfo && ShowLoadInfo;
    m_debugToggles.push_back(std::make_unique<CheckBox>(atlas, on));
    m_debugToggles.back()->label = ToggleLabels[static_cast<size_t>(i)];
  }
  m_layerFlags[0] = {true, true};
  CollectLayers();
}

MenuDebug::~MenuDebug() = default;

bool MenuDebug::IsToggleOn(DebugToggle toggle) const {
  return toggle >= 0 && toggle < DebugToggleCount && m_debugToggles[toggle]->checked;
}

void MenuDebug::CollectLayers() {
  if (!m_world) return;
  auto collect = [this](int32_t layer) { m_layerFlags.try_emplace(layer, LayerFlags{true, true}); };
  for (const auto& [layer, entry] : m_world->shapeLayers.entries) collect(layer);
  for (const auto& [layer, entry] : m_world->spriteLayers.entries) collect(layer);
  for (const auto& boundary : m_world->boundaries) collect(boundary->layer);
  for (const auto& modifier : m_world->modifiers) {
    if (modifier->region) collect(modifier->region->layer);
  }
}

bool DebugSwitchOn(const GameStateSet* set, DebugToggle toggle) {
  return set && set->menuDebug && set->menuDebug->IsToggleOn(toggle);
}
