#pragma once

#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "engine/draw/Sprite.h"
#include "items/JournalEntry.h"
#include "platform/MathTypes.h"

class Controls;
class Texture;

// The character a person plays.
class Player : public Actor {
 public:
  static constexpr int32_t ActorKindPlayer = 0;
  static constexpr int32_t PlayerLayer = 2;

  Player(World* owner, const std::vector<std::unique_ptr<Texture>>& textures, Texture* hudAtlas,
         Controls* playerControls, const platform::Vector3& position);
  ~Player() override;

  void Update(float dt) override;
  void DrawDebugInfo() override {}

  std::string GetMapName() const { return mapPath; }

  // The player record (a stream that failed to open counts as no record) and the new-game
  // defaults; both are defined with the items.
  void LoadRecord(std::istream& in);
  void ResetStats();
  void ResetEquipment();
  void ResetInventory();
  void StartNewGame();
  void SetDefaultSkills();
  void SetDefaultJournal();
  void SetDefaultTerms();
  void SetDefaultPeople();
  void SetDefaultBestiary();

  std::unique_ptr<BoundingQuad> boundingBox;
  std::unique_ptr<HitQuad> hitQuad;
  // 0 to 3; picks the screen corner of the interface.
  int32_t playerIndex = 0;
  std::unique_ptr<Sprite> bodySprite;
  // The map the player is on, and where it comes back after dying in death mode 0.
  std::string mapPath;
  platform::Vector3 respawnPosition;
  Controls* controls = nullptr;  // not owned
  // What the encyclopedia knows, in the order it was learnt.
  std::vector<std::string> skills;
  std::vector<JournalEntry> journal;
  std::vector<std::string> terms;
  std::vector<std::string> people;
  std::vector<std::string> bestiary;
};
