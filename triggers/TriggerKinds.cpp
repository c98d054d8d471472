#include "triggers/CameraSetters.h"
#include "triggers/ConversationShape.h"
#include "triggers/Hazard.h"
#include "triggers/Portal.h"
#include "triggers/PushShape.h"
#include "triggers/SaveShape.h"
#include "triggers/ShopShape.h"
#include "triggers/TutorialImage.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"

const TriggerKindTable& RegisteredTriggerKinds() {
  static const TriggerKindTable kinds = {
      {HazardLetter, {true, &Hazard::ReadRecord}},
      {PortalLetter, {true, &Portal::ReadRecord}},
      {PushLetter, {true, &PushShape::ReadRecord}},
      {TutorialImageLetter, {true, &TutorialImage::ReadRecord}},
      {CameraDepthLetter, {true, &CameraDepthSetter::ReadRecord}},
      {CameraStationarySetterLetter, {true, &CameraStationarySetter::ReadRecord}},
      {ConversationLetter, {false, &ConversationShape::ReadRecord}},
      {ShopLetter, {false, &ShopShape::ReadRecord}},
      {SavePointLetter, {false, &SaveShape::ReadRecord}},
  };
  return kinds;
}
