#pragma once

class Player;

// The gained statistics of a new game (every entry not named stays 0), no tokens, and the air
// counts full.
void SetDefaultStats(Player& player);
