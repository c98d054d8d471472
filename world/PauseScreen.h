#pragma once

class Player;

// The pause menu as play opens it, through the set's pause slot: the world tells it which
// player paused, whose record it shows.
class PauseScreen {
 public:
  virtual void PausedBy(Player& player) = 0;

 protected:
  ~PauseScreen() = default;
};
