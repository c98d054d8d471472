#pragma once

#include <memory>
#include <vector>

#include "menus/Menu.h"
#include "platform/Vertex.h"

class Camera;
class ConversationTrigger;
class Font;
class NPC;
class Sprite;
class Texture;

// A conversation shown line by line in a box along the bottom of the screen while play goes
// on behind it. Action 1 moves on; lines that are text commands are carried out instead of
// shown; after the last line, or once the player walks out of the region, play resumes.
class MenuDialog : public Menu {
 public:
  // The speech box's ends and its one-texel middle, and the name plate's caps and middle, as
  // the interface atlas holds them.
  static constexpr platform::PixelRect BoxLeftCell{390, 0, 460, 140};
  static constexpr platform::PixelRect BoxMiddleCell{462, 0, 463, 140};
  static constexpr platform::PixelRect BoxRightCell{465, 0, 535, 140};
  static constexpr platform::PixelRect PlateLeftCell{535, 72, 545, 103};
  static constexpr platform::PixelRect PlateMiddleCell{547, 72, 548, 103};
  static constexpr platform::PixelRect PlateRightCell{550, 72, 560, 103};

  MenuDialog(GameStateSet* set, Camera* camera);
  ~MenuDialog() override;

  // Opens the stored conversation: the player speaks, the participants turn to it, and the
  // current line is taken as every later line is.
  void Enter() override;
  // The players' own input, then action 1 moves on to the next line.
  void HandleInput(float dt) override;
  // Ends the conversation once the player has walked out of its region; else play goes on and
  // the portraits and the name plate follow the speakers.
  void Update(float dt) override;
  // The world, the portraits, the box, the plate with the speaker's name and the line.
  void Draw() override;

  // Back to play: the player stops speaking, the conversation moves on to its next group and
  // its participants go back to idling.
  void EndConversation();
  void PlaceLeftPortraits();
  void PlaceRightPortraits();

  // The conversation being shown; whoever opens the screen stores it first.
  ConversationTrigger* conversation = nullptr;  // not owned
  // The participants that face right, shown on the left, and those that face left, mirrored
  // on the right.
  std::vector<NPC*> m_leftGroup;
  std::vector<NPC*> m_rightGroup;
  std::unique_ptr<Sprite> m_boxLeft;
  std::unique_ptr<Sprite> m_boxMiddle;
  std::unique_ptr<Sprite> m_boxRight;
  std::unique_ptr<Sprite> m_plateLeft;
  std::unique_ptr<Sprite> m_plateMiddle;
  std::unique_ptr<Sprite> m_plateRight;

 private:
  // From the current line on: command lines are carried out and passed over until a line is
  // to be shown, the group ends, or a command has switched to another screen.
  void ShowFromCurrentLine();
  void GroupParticipants();
  // The first player leaves speaking for idling, or speak-walking for walking.
  void StopSpeaking();
  void EndParticipants();
  void PlaceNamePlate();
  bool PlayerWalkedAway() const;

  Texture* m_atlas = nullptr;  // not owned
  Font* m_font = nullptr;      // not owned
};
