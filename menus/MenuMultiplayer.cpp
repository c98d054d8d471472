#include "menus/MenuMultiplayer.h"

#include <string>

#include "engine/Controls.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/SoundBank.h"
#include "engine/StringConversion.h"
#include "engine/draw/Quad.h"
#include "menus/MenuTitle.h"
#include "platform/InputMapping.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr float PanelWidth = 170.0f;
constexpr float PanelHeight = 300.0f;
constexpr float BoxHeight = 50.0f;

constexpr Vector3 MapLoadTextPosition{60.0f, 30.0f, 0.0f};

// The gap between the panels and round them.
float PanelGap() {
  return (static_cast<float>(ScreenWidth) - MenuMultiplayer::SlotCount * PanelWidth) / 5.0f;
}

Vector3 PanelCentre(int slot) {
  const float gap = PanelGap();
  return {gap + PanelWidth / 2 + static_cast<float>(slot) * (PanelWidth + gap),
          gap + PanelHeight / 2, 0.0f};
}

Vector3 UpperBoxCentre(int slot) {
  const Vector3 panel = PanelCentre(slot);
  return {panel.x, panel.y + PanelHeight / 2 + PanelGap() / 2 + BoxHeight / 2, 0.0f};
}

Vector3 LowerBoxCentre(int slot) {
  const Vector3 upper = UpperBoxCentre(slot);
  return {upper.x, upper.y + BoxHeight + PanelGap() / 2, 0.0f};
}

const char* DeviceName(int32_t device) {
  switch (device) {
    case MenuMultiplayer::DeviceKeyboard:
      return "Keyboard";
    case MenuMultiplayer::DevicePad0:
      return "Gamepad 1";
    case MenuMultiplayer::DevicePad1:
      return "Gamepad 2";
    case MenuMultiplayer::DevicePad2:
      return "Gamepad 3";
    case MenuMultiplayer::DevicePad3:
      return "Gamepad 4";
    default:
      return "";
  }
}

bool IsPad(int32_t device) {
  return device >= MenuMultiplayer::DevicePad0 && device < MenuMultiplayer::DeviceCount;
}

size_t Index(int slot) { return static_cast<size_t>(slot); }

}  // namespace

MenuMultiplayer::MenuMultiplayer(GameStateSet* set, World* world)
    : Menu(set, "Multiplayer Menu"), m_world(world) {
  auto buttons = MakeCornerButtons();
  m_startButton = std::move(buttons[0]);
  m_backButton = std::move(buttons[1]);
  m_settingsButton = std::move(buttons[2]);
  m_startButton->SetFillColor(HighlightColor);
  m_settingsButton->SetFillColor(DisabledColor);
  for (int slot = 0; slot < SlotCount; ++slot) {
    const Vector3 panel = PanelCentre(slot);
    m_panels[Index(slot)] = MakeMenuQuad(panel, PanelWidth, PanelHeight, NormalColor);
    m_upperBoxes[Index(slot)] =
        MakeMenuQuad(UpperBoxCentre(slot), PanelWidth, BoxHeight, NormalColor);
    m_lowerBoxes[Index(slot)] =
        MakeMenuQuad(LowerBoxCentre(slot), PanelWidth, BoxHeight, NormalColor);
  }
  m_panels[0]->SetFillColor(HighlightColor);
  m_upperBoxes[0]->SetFillColor(DisabledColor);
  m_cursors[0] = m_startButton.get();
  m_previousCursors[0] = m_startButton.get();
}

MenuMultiplayer::~MenuMultiplayer() = default;

void MenuMultiplayer::Enter() {
  m_backButton->SetFillColor(NormalColor);
  m_settingsButton->SetFillColor(DisabledColor);
  m_panels[0]->SetFillColor(HighlightColor);
  m_lowerBoxes[0]->SetFillColor(NormalColor);
  Player* first = m_world ? m_world->GetFirstPlayer() : nullptr;
  EnsureFirstPlayer(first ? first->controls
                          : (m_world ? m_world->firstPlayerControls.get() : nullptr));
  m_cursors[0] = m_startButton.get();
  m_previousCursors[0] = m_startButton.get();
  m_startButton->SetFillColor(HighlightColor);
  if (!m_world) return;
  m_world->RemoveExtraPlayers();
  if (Player* player = m_world->GetFirstPlayer()) ShowAt(*player, 0);
  for (int slot = 1; slot < SlotCount; ++slot) {
    FreeSlot(slot);
    // Records of earlier visits would keep their devices out of every other slot.
    m_slotStates[Index(slot)] = SlotOpen;
    m_slotDevices[Index(slot)] = DeviceNone;
  }
}

void MenuMultiplayer::EnsureFirstPlayer(Controls* controls) {
  if (!m_world || m_world->GetFirstPlayer()) return;
  m_world->AddPlayer(controls);
  m_slotStates[0] = SlotJoined;
  m_panels[0]->SetFillColor(HighlightColor);
  m_lowerBoxes[0]->SetFillColor(NormalColor);
}

void MenuMultiplayer::HandleInput(float) {
  if (!m_world) return;
  // Once the match has started or the title is back, this screen's slots are gone.
  for (int slot = 0; slot < SlotCount && set->current == this; ++slot) {
    const std::vector<Player*>& players = m_world->players;
    const bool joined = Index(slot) < players.size() && m_slotStates[Index(slot)] == SlotJoined;
    if (!joined) {
      HandleJoin(slot);
    } else if (slot == 0) {
      HandleFirstPlayerInput();
    } else {
      const Controls* controls = players[Index(slot)]->controls;
      if (controls && controls->IsCancelPressed()) HandleLeave(slot);
    }
  }
}

bool MenuMultiplayer::JoinPressed(int32_t device) const {
  if (!GameControls) return false;
  if (device == DeviceKeyboard) return GameControls->keyboard->WentDown(VirtualKey::Enter);
  const Gamepad& pad = *GameControls->pads[Index(device - DevicePad0)];
  return (pad.current.buttons & platform::PadButton::Start) != 0 &&
         (pad.previous.buttons & platform::PadButton::Start) == 0;
}

bool MenuMultiplayer::DeviceTaken(int32_t device, int slot) const {
  for (int other = 0; other < SlotCount; ++other) {
    if (other != slot && m_slotDevices[Index(other)] == device) return true;
  }
  return false;
}

void MenuMultiplayer::HandleJoin(int slot) {
  for (int32_t device = DeviceKeyboard; device < DeviceCount; ++device) {
    if (!JoinPressed(device) || DeviceTaken(device, slot)) continue;
    const int position = AddJoinedPlayer(slot, device);
    if (position < 0) return;
    SetDeviceEnabled(device, true);
    m_slotDevices[Index(position)] = device;
    return;
  }
}

Controls* MenuMultiplayer::ControlsFor(int32_t device) {
  std::unique_ptr<Controls>& controls = m_deviceControls[Index(device)];
  if (controls) {
    *controls = *GameControls;
  } else {
    controls = std::make_unique<Controls>(*GameControls);
  }
  controls->keyboardEnabled = device == DeviceKeyboard ? 1 : 0;
  for (int pad = 0; pad < platform::PadSlotCount; ++pad) {
    controls->padEnabled[Index(pad)] = device == PadDevice(pad) ? 1 : 0;
  }
  if (IsPad(device)) controls->activePad = device - DevicePad0;
  return controls.get();
}

int MenuMultiplayer::AddJoinedPlayer(int slot, int32_t device) {
  if (Index(slot) < m_world->players.size()) return -1;
  // The list grows only at its end: the lowest free position, whichever slot accepted.
  Player* player = m_world->AddPlayer(ControlsFor(device));
  const int position = player->playerIndex;
  m_slotStates[Index(position)] = SlotJoined;
  ShowAt(*player, position);
  m_lowerBoxes[Index(position)]->SetFillColor(NormalColor);
  m_panels[Index(position)]->SetFillColor(HighlightColor);
  if (position >= 1) {
    m_cursors[Index(position)] = m_panels[Index(position)].get();
    m_previousCursors[Index(position)] = m_panels[Index(position)].get();
  }
  return position;
}

void MenuMultiplayer::ShowAt(Player& player, int position) {
  player.playerIndex = position;
  if (player.sprite) player.sprite->SetAltPosition(PanelCentre(position));
}

void MenuMultiplayer::SetDeviceEnabled(int32_t device, bool enabled) {
  if (!GameControls) return;
  const uint8_t flag = enabled ? 1 : 0;
  if (device == DeviceKeyboard) GameControls->keyboardEnabled = flag;
  if (IsPad(device)) GameControls->padEnabled[Index(device - DevicePad0)] = flag;
}

void MenuMultiplayer::HandleFirstPlayerInput() {
  const Controls* controls = m_world->players.front()->controls;
  if (!controls) return;
  // From left to right: Settings, Back, Start; the moves wrap at both ends.
  Quad* const row[] = {m_settingsButton.get(), m_backButton.get(), m_startButton.get()};
  if (controls->IsMenuRightPressed()) {
    m_cursors[0] = StepAlongRow(row, m_cursors[0], 1);
  } else if (controls->IsMenuLeftPressed(controls->activePad)) {
    m_cursors[0] = StepAlongRow(row, m_cursors[0], -1);
  } else if (controls->IsConfirmPressed()) {
    ConfirmSelection();
  } else if (controls->IsCancelPressed()) {
    ReturnToTitle();
  }
}

void MenuMultiplayer::ConfirmSelection() {
  if (m_cursors[0] == m_backButton.get()) {
    ReturnToTitle();
    return;
  }
  if (m_cursors[0] != m_startButton.get()) return;
  ProgressTextPosition = MapLoadTextPosition;
  m_world->ClearLevel();
  m_world->LoadMap(VersusMapPath);
  for (Player* player : m_world->players) player->PlaceIdling(m_world->spawnPoint);
  set->SwitchTo(m_world);
}

void MenuMultiplayer::ReturnToTitle() {
  set->SwitchTo(set->menuTitle);
  m_world->RemoveExtraPlayers();
  for (int slot = 1; slot < SlotCount; ++slot) {
    m_slotStates[Index(slot)] = SlotOpen;
    m_slotDevices[Index(slot)] = DeviceNone;
  }
}

void MenuMultiplayer::HandleLeave(int slot) {
  m_world->RemovePlayer(slot);
  SetDeviceEnabled(m_slotDevices[Index(slot)], false);
  for (int later = slot; later < SlotCount - 1; ++later) {
    m_slotStates[Index(later)] = m_slotStates[Index(later + 1)];
    m_slotDevices[Index(later)] = m_slotDevices[Index(later + 1)];
  }
  const auto count = static_cast<int>(m_world->players.size());
  for (int position = slot; position < count; ++position) {
    ShowAt(*m_world->players[Index(position)], position);
  }
  m_slotStates[Index(count)] = SlotOpen;
  m_slotDevices[Index(count)] = DeviceNone;
  FreeSlot(count);
}

void MenuMultiplayer::FreeSlot(int position) {
  m_panels[Index(position)]->SetFillColor(DisabledColor);
  m_upperBoxes[Index(position)]->SetFillColor(DisabledColor);
  m_lowerBoxes[Index(position)]->SetFillColor(DisabledColor);
}

void MenuMultiplayer::Update(float) {
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
  for (int slot = 0; slot < SlotCount; ++slot) UpdateSlot(slot);
}

void MenuMultiplayer::UpdateSlot(int slot) {
  // The frame loop reads every pad each frame; a pad that stops answering keeps its slot's
  // device, and its player keeps listening to it.
  Quad* cursor = m_cursors[Index(slot)];
  Quad*& previous = m_previousCursors[Index(slot)];
  if (cursor == previous || !cursor) return;
  if (previous) {
    previous->SetFillColor(previous == m_settingsButton.get() ? DisabledColor : NormalColor);
  }
  cursor->SetFillColor(HighlightColor);
  previous = cursor;
}

void MenuMultiplayer::Draw() {
  for (int slot = 0; slot < SlotCount; ++slot) DrawSlot(slot);
  m_backButton->DrawScreen();
  m_startButton->DrawScreen();
  m_settingsButton->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  DrawMenuLabel(m_backButton->altPosition, L"Back");
  DrawMenuLabel(m_startButton->altPosition, L"Start");
  DrawMenuLabel(m_settingsButton->altPosition, L"Settings");
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuMultiplayer::DrawSlot(int slot) {
  m_panels[Index(slot)]->DrawScreen();
  m_upperBoxes[Index(slot)]->DrawScreen();
  m_lowerBoxes[Index(slot)]->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  Player* player =
      m_world && Index(slot) < m_world->players.size() ? m_world->players[Index(slot)] : nullptr;
  if (player) {
    const int32_t device = m_slotDevices[Index(slot)];
    DrawMenuLabel(m_upperBoxes[Index(slot)]->altPosition, L"Change Loadout");
    DrawMenuLabel(m_lowerBoxes[Index(slot)]->altPosition,
                  StringToWString(std::string("Input: ") + DeviceName(device)));
    if (player->sprite) player->sprite->DrawScreen();
  } else {
    DrawMenuLabel(m_panels[Index(slot)]->altPosition, L"Press Start or Enter to Join");
  }
  if (SpriteRenderer) SpriteRenderer->End();
}
