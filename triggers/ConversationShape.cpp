#include "triggers/ConversationShape.h"

#include <algorithm>
#include <cstdlib>

#include "engine/BitmapFonts.h"
#include "engine/Controls.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/Texture.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Sprite.h"
#include "menus/MenuDialog.h"
#include "npcs/NPC.h"
#include "player/Player.h"
#include "world/World.h"

namespace {

constexpr float KeyNameScale = 0.6f;
constexpr float KeyNameRise = 0.1f;

}  // namespace

ConversationShape::ConversationShape(Shape* newAnchor, World* newWorld)
    : ConversationShape(KindConversation, newAnchor, newWorld) {}

ConversationShape::ConversationShape(int32_t newKind, Shape* newAnchor, World* newWorld)
    : ConversationTrigger(newKind, newWorld, std::make_unique<Circle>()), anchor(newAnchor) {
  regionCircle = dynamic_cast<Circle*>(region.get());
  GameStateSet* set = world ? world->set : nullptr;
  if (set) {
    font = set->fontArc17pt.get();
    atlas = set->interfaceAtlas.get();
  }
  indicator = std::make_unique<Sprite>(atlas);
  indicator->SetRect(IndicatorCell.left, IndicatorCell.top, IndicatorCell.right,
                     IndicatorCell.bottom);
  platform::Vector3 place = anchor ? anchor->position : platform::Vector3{};
  place.y += IndicatorRise;
  indicator->SetPosition(place);
}

ConversationShape::~ConversationShape() = default;

void ConversationShape::HandleInput(float) {
  GameStateSet* set = world ? world->set : nullptr;
  if (!set || !set->menuDialog || !HasLine() || !FirstPlayerActs()) return;
  set->menuDialog->conversation = this;
  set->SwitchTo(set->menuDialog);
}

void ConversationShape::Update(float) {
  if (anchor) region->SetPosition(anchor->position);
}

void ConversationShape::Draw() {
  indicator->Draw();
  const Controls* controls = FirstPlayerControls();
  if (!font || !FirstPlayer() || !controls) return;
  const ScopedFontStyle style(*font, ColorBlack, KeyNameScale);
  platform::Vector3 place = indicator->position;
  place.y += KeyNameRise;
  font->DrawStringProjected(KeyName(static_cast<int>(controls->bindings[BindAction1Key])), place,
                            FontAlignCenter, FontAlignCenter);
}

void ConversationShape::AddOrderedConversation() { orderedConversations.emplace_back(); }

void ConversationShape::AddRepeatConversation() { repeatConversations.emplace_back(); }

void ConversationShape::AddOrderedLine(int32_t id, std::string text) {
  AddLine(orderedConversations, id, std::move(text));
}

void ConversationShape::AddRepeatLine(int32_t id, std::string text) {
  AddLine(repeatConversations, id, std::move(text));
}

void ConversationShape::AddLine(std::vector<Conversation>& list, int32_t id, std::string text) {
  if (list.empty()) list.emplace_back();
  list.back().push_back({id, std::move(text), nullptr});
  if (std::find(speakerIds.begin(), speakerIds.end(), id) == speakerIds.end()) {
    speakerIds.push_back(id);
  }
}

const Conversation* ConversationShape::CurrentConversation() const {
  const std::vector<Conversation>& list =
      currentList == ListInUse::Ordered ? orderedConversations : repeatConversations;
  if (conversationIndex < 0 || static_cast<size_t>(conversationIndex) >= list.size()) {
    return nullptr;
  }
  return &list[static_cast<size_t>(conversationIndex)];
}

bool ConversationShape::HasLine() const {
  const Conversation* conversation = CurrentConversation();
  return conversation && lineIndex >= 0 && static_cast<size_t>(lineIndex) < conversation->size();
}

ConversationLine ConversationShape::GetLines() const {
  if (!HasLine()) return {};
  return (*CurrentConversation())[static_cast<size_t>(lineIndex)];
}

void ConversationShape::NextConversation() {
  lineIndex = 0;
  if (currentList == ListInUse::Ordered) {
    if (static_cast<size_t>(conversationIndex) + 1 < orderedConversations.size()) {
      ++conversationIndex;
      return;
    }
    if (repeatConversations.empty()) {
      conversationIndex = 0;
      return;
    }
    currentList = ListInUse::Repeat;
  }
  const size_t count = repeatConversations.size();
  conversationIndex =
      count > 1 ? static_cast<int32_t>(static_cast<size_t>(std::rand()) % count) : 0;
}

std::vector<NPC*> ConversationShape::Participants() const {
  std::vector<NPC*> participants;
  for (const auto* list : {&orderedConversations, &repeatConversations}) {
    for (const Conversation& conversation : *list) {
      for (const ConversationLine& line : conversation) {
        auto* npc = dynamic_cast<NPC*>(line.speaker);
        if (npc && std::find(participants.begin(), participants.end(), npc) == participants.end()) {
          participants.push_back(npc);
        }
      }
    }
  }
  return participants;
}
