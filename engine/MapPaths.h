#pragma once

// Where the maps lie; the player's record names its map by such a path.

inline constexpr const char* MapsFolder = "Content\\Maps\\";
inline constexpr const char* MapExtension = ".gmf";
// Rewritten at every start; read in place of a map that cannot be opened.
inline constexpr const char* DefaultMapPath = "Content\\Maps\\DefaultMap.gmf";
