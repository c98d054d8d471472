#include "triggers/ConversationShape.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>

#include "engine/BitmapFonts.h"
#include "engine/Controls.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/TextLines.h"
#include "engine/Texture.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Sprite.h"
#include "menus/MenuDialog.h"
#include "npcs/NPC.h"
#include "player/Player.h"
#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"
#include "world/World.h"

namespace {

constexpr float KeyNameScale = 0.6f;
constexpr float KeyNameRise = 0.1f;
constexpr const char* NoAnchor = "0 0";

bool ReadConversationList(MapRecordReader& map, ConversationShape& shape,
                          void (ConversationShape::*addConversation)(),
                          void (ConversationShape::*addLine)(int32_t, std::string),
                          std::vector<Conversation>& list) {
  long long count = 0;
  if (!ReadCountLine(map.lines, count)) return false;
  for (long long conversation = 0; conversation < count; ++conversation) {
    (shape.*addConversation)();
    long long lines = 0;
    if (!ReadCountLine(map.lines, lines)) return false;
    for (long long index = 0; index < lines; ++index) {
      std::string line;
      if (!map.lines.Next(line)) return false;
      std::istringstream fields = FieldsOf(line);
      int32_t speaker = 0;
      if (!(fields >> speaker)) return false;
      // The text is everything after the one blank that follows the speaker.
      fields.get();
      std::string text;
      std::getline(fields, text);
      (shape.*addLine)(speaker, std::move(text));
      list.back().back().speaker = map.FindNpc(speaker);
    }
  }
  return true;
}

void WriteConversationList(MapRecordWriter& out, const std::vector<Conversation>& list) {
  out.Append(std::to_string(list.size()) + '\n');
  for (const Conversation& conversation : list) {
    out.Append(std::to_string(conversation.size()) + '\n');
    for (const ConversationLine& line : conversation) {
      out.Append(std::to_string(out.IdOfBody(line.speaker)) + ' ' + line.text + '\n');
    }
  }
}

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

std::unique_ptr<ModifierShape> ConversationShape::ReadRecord(MapRecordReader& map,
                                                             std::istream& head,
                                                             std::unique_ptr<Shape>) {
  return ReadConversation(map, head, [&map](Shape* anchor) {
    return std::make_unique<ConversationShape>(anchor, &map.world);
  });
}

std::unique_ptr<ConversationShape> ConversationShape::ReadConversation(
    MapRecordReader& map, std::istream& head,
    const std::function<std::unique_ptr<ConversationShape>(Shape* anchor)>& make) {
  float radius = 0.0f;
  std::string stationary;
  std::string anchorLetter;
  int32_t anchorId = 0;
  if (!(head >> radius >> stationary >> anchorLetter >> anchorId)) return nullptr;
  NPC* npc = nullptr;
  Shape* anchor = nullptr;
  if (anchorLetter.front() == NpcAnchorLetter) {
    npc = map.FindNpc(anchorId);
    if (npc) anchor = npc->body;
  } else if (anchorLetter.front() == ShapeAnchorLetter) {
    anchor = map.FindPrimitive(anchorId);
  }
  std::unique_ptr<ConversationShape> conversation = make(anchor);
  conversation->npc = npc;
  if (!ReadConversationList(map, *conversation, &ConversationShape::AddOrderedConversation,
                            &ConversationShape::AddOrderedLine,
                            conversation->orderedConversations) ||
      !ReadConversationList(map, *conversation, &ConversationShape::AddRepeatConversation,
                            &ConversationShape::AddRepeatLine, conversation->repeatConversations)) {
    return nullptr;
  }
  conversation->regionCircle->SetRadius(radius);
  conversation->Update(0.0f);
  if (Lower(stationary.front()) == HoldStillLetter) conversation->stationary = 1;
  if (Lower(stationary.front()) == MayMoveLetter) conversation->stationary = 0;
  return conversation;
}

void ConversationShape::WriteRecord(MapRecordWriter& out) {
  out.Append(std::string(1, ConversationLetter) + ' ');
  WriteConversation(out);
}

void ConversationShape::WriteConversation(MapRecordWriter& out) const {
  const float radius = regionCircle ? regionCircle->radius : 0.0f;
  out.Append(Number(radius) + ' ' + (stationary ? HoldStillLetter : MayMoveLetter) + ' ' +
             out.AnchorFields(npc, anchor, NoAnchor) + '\n');
  WriteConversationList(out, orderedConversations);
  WriteConversationList(out, repeatConversations);
}

std::vector<TriggerField> ConversationShape::EditorFields() {
  return {TriggerFieldsOf<ConversationShape>::CheckBox(
      " Is Player Stationary", 1,
      [](const ConversationShape& conversation) { return conversation.stationary != 0; },
      [](ConversationShape& conversation, bool stationary) {
        conversation.stationary = stationary ? 1 : 0;
      })};
}
