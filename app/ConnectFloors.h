#pragma once

// Registers with the lower floors what the higher ones answer for them: the debug menu's
// switches, and the trigger kinds the map reader makes. Start-up calls it first; so must
// whatever reads maps or reaches the debug switches without starting the program.
void ConnectFloors();
