#pragma once

#include <memory>
#include <vector>

class Controls;
class Player;
class Playfield;
class Texture;

// The world's player pool: it owns every player made in the run and the four sheets their
// states draw from. A player's place in the list is its player index.
class PlayerResources {
 public:
  PlayerResources();
  ~PlayerResources();
  PlayerResources(const PlayerResources&) = delete;
  PlayerResources& operator=(const PlayerResources&) = delete;

  // Loads the four sheets, main sheet first; the interface atlas is borrowed.
  void Load(Playfield* owner, Texture* interfaceAtlas);
  // Destroys every player ever made, in the world or not, then the sheets.
  void Free();
  // A new player on the given controls at (1, 0, 0), appended to the list. The caller sets its
  // player index and adds it to the world's actors.
  Player* CreatePlayer(Controls* controls);

  // The players in play; the world's player list.
  std::vector<Player*> players;
  // Every player made, also those taken out of the list; destroyed once, by Free.
  std::vector<std::unique_ptr<Player>> made;
  // Main sheet, then attack sheets 1 to 3.
  std::vector<std::unique_ptr<Texture>> textures;
  Texture* hudAtlas = nullptr;  // not owned
  Playfield* world = nullptr;   // not owned
};
