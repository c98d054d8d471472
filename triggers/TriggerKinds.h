#pragma once

#include "world/TriggerRecords.h"

// Every trigger kind a map can hold, in the convert menu's order; kept for the whole run.
const TriggerKindTable& TriggerKinds();
