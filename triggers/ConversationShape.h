#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "menus/ConversationTrigger.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Circle;
class Font;
class NPC;
class Sprite;
class Texture;
struct TriggerField;

// A round region on a character or a map shape where the first player can talk: pressing
// action 1 on the ground inside opens the dialogue screen. The ordered conversations are told
// in turn, then random repeat ones.
class ConversationShape : public ConversationTrigger {
 public:
  enum class ListInUse : int32_t { Ordered, Repeat };

  // The indicator's cell of the interface atlas.
  static constexpr platform::PixelRect IndicatorCell{536, 0, 596, 71};
  // The indicator hangs this far above the anchor.
  static constexpr float IndicatorRise = 2.5f;

  // The anchor may be missing: the region then stays where it is put.
  ConversationShape(Shape* newAnchor, World* newWorld);
  ~ConversationShape() override;

  void HandleInput(float dt) override;
  // The region follows the anchor.
  void Update(float dt) override;
  // The indicator with the name of the first player's action 1 key on it.
  void Draw() override;
  // The head (radius, stationary letter, anchor), then the ordered and the repeat
  // conversations, each a block of lines of their own; the region is none.
  static std::unique_ptr<ModifierShape> ReadRecord(MapRecordReader& map, std::istream& head,
                                                   std::unique_ptr<Shape> region);
  void WriteRecord(MapRecordWriter& out) override;
  // A conversation kept at a map shape stays where it is.
  void ForgetShape(const Shape* shape) override {
    if (anchor == shape) anchor = nullptr;
  }
  // The level editor's check box of the speaker's standing still.
  static std::vector<TriggerField> EditorFields();

  void AddOrderedConversation();
  void AddRepeatConversation();
  void AddOrderedLine(int32_t id, std::string text);
  void AddRepeatLine(int32_t id, std::string text);
  // The current line; an empty line when the indices lie outside the lists.
  ConversationLine GetLines() const override;
  bool HoldsSpeakerStill() const override { return stationary != 0; }
  // Whether the indices name a line; a conversation without one opens nothing.
  bool HasLine() const override;
  void NextLine() override { ++lineIndex; }
  // On to the next ordered conversation; after the last, a random repeat one, or the first
  // ordered one again when there are none.
  void NextConversation() override;
  // The characters who say its lines, ordered and repeat ones, each once, in order of their
  // first line.
  std::vector<NPC*> Participants() const override;

  Font* font = nullptr;
  Texture* atlas = nullptr;
  // The character whose conversation this is, if any.
  Actor* npc = nullptr;
  Shape* anchor;
  // The region, as its circle.
  Circle* regionCircle = nullptr;
  std::vector<Conversation> orderedConversations;
  std::vector<Conversation> repeatConversations;
  // The distinct speakers, in order of their first line.
  std::vector<int32_t> speakerIds;
  ListInUse currentList = ListInUse::Ordered;
  int32_t conversationIndex = 0;
  int32_t lineIndex = 0;
  std::unique_ptr<Sprite> indicator;
  // While set the speaking player stays still.
  uint8_t stationary = 0;

 protected:
  ConversationShape(int32_t newKind, Shape* newAnchor, World* newWorld);

  // The record after its letter, the conversation made by make from its anchor; null when
  // the record cannot be read.
  static std::unique_ptr<ConversationShape> ReadConversation(
      MapRecordReader& map, std::istream& head,
      const std::function<std::unique_ptr<ConversationShape>(Shape* anchor)>& make);
  void WriteConversation(MapRecordWriter& out) const;

 private:
  void AddLine(std::vector<Conversation>& list, int32_t id, std::string text);
  const Conversation* CurrentConversation() const;
};
