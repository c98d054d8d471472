#include "app/ConnectFloors.h"

#include "editor/MenuDebug.h"
#include "engine/DebugSwitches.h"
#include "triggers/TriggerKinds.h"
#include "world/TriggerRecords.h"

void ConnectFloors() {
  RegisterDebugSwitches(&DebugMenuSwitches);
  RegisterTriggerKinds(TriggerKinds());
}
