#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "engine/draw/Sprite.h"
#include "platform/MathTypes.h"
#include "player/PlayerStateSlots.h"

class BarMeter;
class CircularMeter;
class Controls;
class Font;
class PlayerState;
class Sound;
class Texture;

// A journal entry the player knows, with the pages of it that were found.
struct JournalEntry {
  std::string name;
  std::vector<int32_t> pages;
};

// The character a person plays. The pool that made it owns it for the whole run; the world's
// lists only refer to it.
class Player : public Actor {
 public:
  static constexpr int32_t ActorKindPlayer = 0;
  static constexpr int32_t PlayerLayer = 2;

  // The sounds in the order they are loaded; the first five are the footsteps.
  enum SoundIndex : int {
    SoundDirtStep1 = 0,
    SoundDirtStep2,
    SoundDirtStep3,
    SoundDirtStep4,
    SoundDirtStep5,
    SoundRoll,
    SoundWallSlide,
    SoundJump,
    SoundAirDash,
    SoundSwing1,
    SoundSwing2,
    SoundSwing3,
    SoundSwing4,
    SoundGust1,
    SoundGust2,
    SoundCount
  };
  static constexpr int FootstepCount = 5;

  // Reads the player record, sizes the meters from it and stands idle at the position with
  // full health; the picture goes onto the world's sprite layers.
  Player(Playfield* owner, const std::vector<std::unique_ptr<Texture>>& textures, Texture* hudAtlas,
         Controls* playerControls, const platform::Vector3& position);
  ~Player() override;

  // The frame step: the state, the move, the boundaries, the pieces on the body, the counters
  // and the meters.
  void Update(float dt) override;
  void DrawDebugInfo() override;

  // Collision with the boundaries, the contacts they leave, the stops, the ground probe, drag.
  void StepPhysics(float dt);
  // The current frame, mirrored with the facing, at the body plus the state's sprite offset.
  void UpdateSprite();
  // Play time, and distance and time on the ground or in the air.
  void CountMovementStats(float dt, bool stoodOnGround, platform::Vector3 oldPosition);
  // The meters' maxima and recovery; the health regained feeds its statistic.
  void UpdateMeters(float dt);
  // Health, the stamina bar and the stamina ring full at their maxima, as a life begins.
  void FillMeters();
  // The level bar: the experience gathered in the level against what the next one needs.
  void UpdateExperienceMeter();
  // The screen point the interface centres on, from the player index's corner.
  platform::Vector3 ComputeHudAnchor() const;
  void PlaceHud(const platform::Vector3& anchor);
  // Brought into play at the point: the interface at its corner, the body there at rest and
  // touching nothing.
  void PlaceAt(const platform::Vector3& point);
  // Placed at the point and standing idle there, as play starts or starts again.
  void PlaceIdling(const platform::Vector3& point);
  void DrawHud();
  // One of the five footsteps, not played: a random one, or the next when that one plays.
  Sound* PickFootstep();

  // What the player has learnt, by exact name; the pause menu's encyclopedia asks.
  bool HasSkill(std::string name) const;
  bool HasJournalEntry(std::string name) const;
  bool HasJournalPage(std::string name, int32_t page) const;
  bool HasTerm(std::string name) const;
  // After a sale: equipment of which none is left, and empty slots, take the "Empty" item of
  // their pool (null when the pool has none); the statistics follow.
  void UnequipDepletedItems();
  // Forgets the boundaries the body touches and is held by, as a new map begins.
  void ClearContacts();

  // Reads the player record (a stream that failed to open counts as no record); defined with
  // the items, like the new-game defaults below.
  void LoadRecord(std::istream& in);
  // Writes the player record of a game saved on the map at the place, through a temporary
  // file, and makes them where the player comes back after a death, as reading the record
  // would. False, with the old record and the respawn place left whole, when the record could
  // not be read back as written or the file could not be written.
  bool WriteRecord(const std::string& mapPath, const platform::Vector3& place);
  void ResetStats();
  void ResetEquipment();
  void ResetInventory();
  void StartNewGame();
  void SetDefaultSkills();
  void SetDefaultJournal();
  void SetDefaultTerms();
  void SetDefaultPeople();
  void SetDefaultBestiary();
  std::string GetMapName() const { return mapPath; }

  // Builds the table of 39 states, each cutting its frames from its sheet of the textures.
  void CreateStates(const std::vector<std::unique_ptr<Texture>>& textures);
  PlayerState* CurrentState() const;
  PlayerState* StateAt(PlayerStateSlot slot) const;
  // The direct switch: the state it replaces is left, and the entry becomes current and is
  // entered.
  PlayerState* SwitchState(PlayerStateSlot slot);
  PlayerState* EnterState(PlayerState* target);
  // Taken out of play: the current state ends what it started, as if it were left.
  void LeavePlay();

  std::unique_ptr<BoundingQuad> boundingBox;
  std::unique_ptr<HitQuad> hitQuad;
  // Owned; entered again on every visit.
  std::array<std::unique_ptr<PlayerState>, PlayerStateCount> states;
  // 0 to 3; picks the screen corner of the interface.
  int32_t playerIndex = 0;
  platform::Vector3 standingSize;
  platform::Vector3 dashingSize;
  platform::Vector3 crouchingSize;
  // The push-out of the last physics step.
  platform::Vector3 displacement;
  std::unique_ptr<Sprite> bodySprite;
  // The map the player is on, and where it comes back after dying in death mode 0.
  std::string mapPath;
  platform::Vector3 respawnPosition;
  std::array<std::unique_ptr<Sound>, SoundCount> sounds;
  Font* hudFont = nullptr;  // not owned
  std::unique_ptr<CircularMeter> staminaRing;
  std::unique_ptr<BarMeter> experienceBar;
  Texture* hudAtlas = nullptr;  // not owned
  // The first interface sprite is the panel behind the pieces, centred on the anchor; some
  // screens call it the interface portrait. The second is the face drawn over the meters.
  std::unique_ptr<Sprite> hudFirstSprite;
  std::unique_ptr<Sprite> hudSecondSprite;
  std::vector<std::string> skills;
  std::vector<JournalEntry> journal;
  std::vector<std::string> terms;
  std::vector<std::string> people;
  std::vector<std::string> bestiary;
  Controls* controls = nullptr;  // not owned

 private:
  void MakeMeters();
  void RebuildExperience();
  void MakeBodySprite();
};
