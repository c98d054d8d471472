#pragma once

// Where the player record lies.
inline constexpr const char* PlayerRecordPath = "Content\\Saves\\Player.rff";
