#include "menus/MenuDialog.h"

#include <algorithm>

#include "engine/BitmapFonts.h"
#include "engine/Controls.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/draw/Sprite.h"
#include "menus/ConversationTrigger.h"
#include "menus/ScreenLayout.h"
#include "npcs/NPC.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "player/StateSpeaking.h"
#include "world/CommandInterpreter.h"
#include "world/World.h"

using platform::Vector3;

namespace {

// Each group of portraits spreads over this many pixels beside its edge of the screen, in
// from the edge by the margin, at the height of the portrait row.
constexpr float PortraitSpread = 350.0f;
constexpr float PortraitMargin = 20.0f;
constexpr float PortraitRowY = 330.0f;
// The plate reaches this far down into the box; the text starts this far below the box's top.
constexpr float PlateOverlap = 10.0f;
constexpr float TextDrop = 15.0f;
constexpr float TextLineAdvance = 30.0f;

World* WorldOf(const GameStateSet* set) { return set ? set->world : nullptr; }

Player* FirstPlayerOf(const GameStateSet* set) {
  World* world = WorldOf(set);
  return world ? world->GetFirstPlayer() : nullptr;
}

}  // namespace

MenuDialog::MenuDialog(GameStateSet* set, Camera* camera) : Menu(set, "Dialog Menu") {
  MainCamera = camera;
  m_atlas = set ? set->interfaceAtlas.get() : nullptr;
  m_font = set ? set->fontArc17pt.get() : nullptr;
  const float w = static_cast<float>(ScreenWidth);
  const float h = static_cast<float>(ScreenHeight);
  m_boxLeft = AtlasPiece(m_atlas, BoxLeftCell);
  m_boxMiddle = AtlasPiece(m_atlas, BoxMiddleCell);
  m_boxRight = AtlasPiece(m_atlas, BoxRightCell);
  m_plateLeft = AtlasPiece(m_atlas, PlateLeftCell);
  m_plateMiddle = AtlasPiece(m_atlas, PlateMiddleCell);
  m_plateRight = AtlasPiece(m_atlas, PlateRightCell);
  // The box stands on the bottom of the screen, its ends against the screen's sides.
  m_boxLeft->SetAltPosition(
      {DrawnWidth(*m_boxLeft) / 2.0f, h - DrawnHeight(*m_boxLeft) / 2.0f, 0.0f});
  m_boxRight->SetAltPosition(
      {w - DrawnWidth(*m_boxRight) / 2.0f, h - DrawnHeight(*m_boxRight) / 2.0f, 0.0f});
  m_boxMiddle->SetScale(w - DrawnWidth(*m_boxLeft) - DrawnWidth(*m_boxRight), 1.0f);
  m_boxMiddle->SetAltPosition({w / 2.0f, h - DrawnHeight(*m_boxMiddle) / 2.0f, 0.0f});
}

MenuDialog::~MenuDialog() = default;

void MenuDialog::Enter() {
  Player* player = FirstPlayerOf(set);
  if (!conversation || !player) {
    set->SwitchTo(WorldOf(set));
    return;
  }
  if (m_font) {
    m_font->scaleX = 1.0f;
    m_font->scaleY = 1.0f;
  }
  player->SwitchState(SlotSpeaking);
  static_cast<StateSpeaking*>(player->StateAt(SlotSpeaking))->conversation = conversation;
  for (NPC* npc : conversation->Participants()) npc->BeginConversation();
  GroupParticipants();
  ShowFromCurrentLine();
}

void MenuDialog::HandleInput(float dt) {
  World* world = WorldOf(set);
  if (!world || !conversation) return;
  for (Player* player : world->players) {
    if (player->controls && player->CurrentState()) player->CurrentState()->HandleInput(dt);
  }
  if (!GameControls || !GameControls->IsAction1Pressed(GameControls->activePad)) return;
  conversation->NextLine();
  ShowFromCurrentLine();
}

void MenuDialog::ShowFromCurrentLine() {
  while (conversation->HasLine()) {
    if (ExecuteCommand(conversation->GetLines().text) != CommandDone) return;
    if (set->current != this) {
      // The command took the game to another screen, which carries on from this line.
      StopSpeaking();
      EndParticipants();
      return;
    }
    conversation->NextLine();
  }
  EndConversation();
}

void MenuDialog::Update(float dt) {
  World* world = WorldOf(set);
  if (!world || !conversation) return;
  if (PlayerWalkedAway()) {
    EndConversation();
    return;
  }
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
  world->Update(dt);
  // A portal walked into while talking has taken the conversation's map away with it.
  const auto& modifiers = world->modifiers;
  if (std::none_of(modifiers.begin(), modifiers.end(),
                   [this](const auto& modifier) { return modifier.get() == conversation; })) {
    EndConversation();
    return;
  }
  GroupParticipants();
  PlaceNamePlate();
}

bool MenuDialog::PlayerWalkedAway() const {
  const Player* player = FirstPlayerOf(set);
  const Shape* region = conversation->region.get();
  if (!player || !region) return false;
  const float dx = player->body->position.x - region->position.x;
  const float dy = player->body->position.y - region->position.y;
  const float reach = player->body->extent + region->extent;
  return dx * dx + dy * dy > reach * reach;
}

void MenuDialog::GroupParticipants() {
  m_leftGroup.clear();
  m_rightGroup.clear();
  for (NPC* npc : conversation->Participants()) {
    (npc->facing == -1 ? m_rightGroup : m_leftGroup).push_back(npc);
  }
  PlaceLeftPortraits();
  PlaceRightPortraits();
}

void MenuDialog::PlaceLeftPortraits() {
  const float step = PortraitSpread / static_cast<float>(m_leftGroup.size() + 1);
  float x = PortraitMargin;
  for (NPC* npc : m_leftGroup) {
    x += step;
    if (!npc->portrait) continue;
    npc->portrait->flipHorizontal = 0;
    npc->portrait->dirty = 1;
    npc->portrait->SetAltPosition({x, PortraitRowY, 0.0f});
  }
}

void MenuDialog::PlaceRightPortraits() {
  const float step = PortraitSpread / static_cast<float>(m_rightGroup.size() + 1);
  float x = static_cast<float>(ScreenWidth) - PortraitMargin;
  for (NPC* npc : m_rightGroup) {
    x -= step;
    if (!npc->portrait) continue;
    npc->portrait->flipHorizontal = 1;
    npc->portrait->dirty = 1;
    npc->portrait->SetAltPosition({x, PortraitRowY, 0.0f});
  }
}

void MenuDialog::PlaceNamePlate() {
  const Actor* speaker = conversation->GetLines().speaker;
  if (!speaker || !m_font) return;
  m_plateMiddle->SetScale(m_font->MeasureString(speaker->GetName()), 1.0f);
  const float boxTop = m_boxLeft->altPosition.y - DrawnHeight(*m_boxLeft) / 2.0f;
  const float y = boxTop + PlateOverlap - DrawnHeight(*m_plateLeft) / 2.0f;
  if (speaker->facing == -1) {
    // The speaker stands right of the player: the plate ends where the box's right end begins.
    const float right = m_boxRight->altPosition.x - DrawnWidth(*m_boxRight) / 2.0f;
    m_plateRight->SetAltPosition({right - DrawnWidth(*m_plateRight) / 2.0f, y, 0.0f});
    PlaceBeside(*m_plateMiddle, *m_plateRight, -1.0f);
    PlaceBeside(*m_plateLeft, *m_plateMiddle, -1.0f);
  } else {
    const float left = m_boxLeft->altPosition.x + DrawnWidth(*m_boxLeft) / 2.0f;
    m_plateLeft->SetAltPosition({left + DrawnWidth(*m_plateLeft) / 2.0f, y, 0.0f});
    PlaceBeside(*m_plateMiddle, *m_plateLeft, 1.0f);
    PlaceBeside(*m_plateRight, *m_plateMiddle, 1.0f);
  }
}

void MenuDialog::Draw() {
  World* world = WorldOf(set);
  if (world) world->Draw();
  if (!conversation) return;
  const ConversationLine line = conversation->GetLines();
  const auto* speaker = dynamic_cast<const NPC*>(line.speaker);
  if (SpriteRenderer) SpriteRenderer->Begin();
  for (NPC* npc : conversation->Participants()) {
    if (npc->portrait) npc->portrait->DrawScreen();
  }
  if (speaker && speaker->portrait) speaker->portrait->DrawScreen();
  for (Sprite* piece : {m_boxLeft.get(), m_boxRight.get(), m_boxMiddle.get()}) piece->DrawScreen();
  if (m_font) {
    const ScopedFontStyle style(*m_font, ColorBlack, 1.0f);
    // A line nobody says has no name plate.
    if (speaker) {
      for (Sprite* piece : {m_plateLeft.get(), m_plateRight.get(), m_plateMiddle.get()}) {
        piece->DrawScreen();
      }
      m_font->DrawString(speaker->GetName(), m_plateMiddle->altPosition, FontAlignCenter,
                         FontAlignCenter);
    }
    const float boxTop = m_boxLeft->altPosition.y - DrawnHeight(*m_boxLeft) / 2.0f;
    const float textLeft = m_boxLeft->altPosition.x + DrawnWidth(*m_boxLeft) / 2.0f;
    m_font->DrawWrappedText(line.text, {textLeft, boxTop + TextDrop, 0.0f}, FontAlignStart,
                            FontAlignStart, DrawnWidth(*m_boxMiddle), TextLineAdvance);
  }
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuDialog::EndConversation() {
  StopSpeaking();
  conversation->NextConversation();
  EndParticipants();
  ReturnToPlay();
}

void MenuDialog::StopSpeaking() {
  Player* player = FirstPlayerOf(set);
  if (!player) return;
  auto* speaking = static_cast<StateSpeaking*>(player->StateAt(SlotSpeaking));
  speaking->conversation = nullptr;
  if (player->CurrentState() == speaking) {
    player->SwitchState(SlotIdling);
  } else if (player->CurrentState() == player->StateAt(SlotSpeakWalking)) {
    player->SwitchState(SlotWalking);
  }
}

void MenuDialog::EndParticipants() {
  for (NPC* npc : conversation->Participants()) npc->EndConversation();
}
