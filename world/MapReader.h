#pragma once

#include <istream>

class World;

// Reads a map text into the world: the header, then the records of each section. A record
// that cannot be read whole is dropped and ends the load; what was built before it stays. An
// unknown record letter skips its line. True when the whole text was read.
bool ReadMap(World& world, std::istream& in);
