#include "engine/DebugSwitches.h"

#include "engine/CheckBox.h"
#include "engine/Globals.h"

namespace {

constexpr std::array<const char*, DebugToggleCount> ToggleLabels = {
    " Mouse Feed",          " State Info",        " Object Data",
    " Visible Collision",   " Player Debug Info", " Player stats in Pause Menu",
    " GameState Load Info", " Camera Info",       " Enable Console",
    " Enable GodMode",
};

DebugSwitchesAnswer RegisteredAnswer = nullptr;

}  // namespace

DebugSwitches::DebugSwitches(Texture* editorAtlas) : atlas(editorAtlas) {
  for (int i = 0; i < DebugToggleCount; ++i) {
    // Every switch starts off but the load lines, which mirror their global.
    const bool on = i == ToggleGameStateLoadInfo && ShowLoadInfo;
    m_debugToggles[static_cast<size_t>(i)] = std::make_unique<CheckBox>(atlas, on);
    m_debugToggles[static_cast<size_t>(i)]->label = ToggleLabels[static_cast<size_t>(i)];
  }
  m_layerFlags[0] = {true, true};
}

DebugSwitches::~DebugSwitches() = default;

bool DebugSwitches::IsOn(DebugToggle toggle) const {
  return toggle >= 0 && toggle < DebugToggleCount && m_debugToggles[toggle]->checked;
}

void DebugSwitches::Set(DebugToggle toggle, bool on) {
  if (toggle >= 0 && toggle < DebugToggleCount) m_debugToggles[toggle]->checked = on;
}

void DebugSwitches::KnowLayer(int32_t layer) { m_layerFlags.try_emplace(layer, LayerFlags{true, true}); }

void RegisterDebugSwitches(DebugSwitchesAnswer answer) { RegisteredAnswer = answer; }

DebugSwitches* DebugSwitchesOf(const GameStateSet* set) {
  return RegisteredAnswer ? RegisteredAnswer(set) : nullptr;
}

bool DebugSwitchOn(const GameStateSet* set, DebugToggle toggle) {
  const DebugSwitches* switches = DebugSwitchesOf(set);
  return switches && switches->IsOn(toggle);
}

bool DebugLayerVisible(const GameStateSet* set, int32_t layer) {
  DebugSwitches* switches = DebugSwitchesOf(set);
  return !switches || switches->LayerVisible(layer);
}
