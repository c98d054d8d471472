#pragma once

#include <string>

class World;

// The world's level as map text. The elements are numbered 1, 2, 3 ... in file order and
// keep their number as their id; a reference repeats the number of what it names, and 0 names
// nothing. False, and the text incomplete, when an enemy could not write its line.
bool BuildMapText(World& world, std::string& text);
