#include "triggers/TriggerKinds.h"

#include "triggers/CameraSetters.h"
#include "triggers/ConversationShape.h"
#include "triggers/Hazard.h"
#include "triggers/Portal.h"
#include "triggers/PushShape.h"
#include "triggers/SaveShape.h"
#include "triggers/ShopShape.h"
#include "triggers/TutorialImage.h"
#include "world/MapFormat.h"

const TriggerKindTable& TriggerKinds() {
  using Kind = ModifierShape::Kind;
  static const TriggerKindTable kinds = {
      {PortalLetter, Kind::KindPortal, true, &Portal::ReadRecord, Portal::EditorFields(),
       Portal::Conversion()},
      {PushLetter, Kind::KindPushShape, true, &PushShape::ReadRecord, PushShape::EditorFields(),
       PushShape::Conversion()},
      {HazardLetter, Kind::KindHazard, true, &Hazard::ReadRecord, Hazard::EditorFields(),
       Hazard::Conversion()},
      {TutorialImageLetter, Kind::KindTutorialImage, true, &TutorialImage::ReadRecord,
       TutorialImage::EditorFields(), TutorialImage::Conversion()},
      {CameraDepthLetter, Kind::KindCameraDepth, true, &CameraDepthSetter::ReadRecord,
       CameraDepthSetter::EditorFields(), CameraDepthSetter::Conversion()},
      {CameraStationarySetterLetter, Kind::KindCameraStationary, true,
       &CameraStationarySetter::ReadRecord, CameraStationarySetter::EditorFields(),
       CameraStationarySetter::Conversion()},
      {ConversationLetter, Kind::KindConversation, false, &ConversationShape::ReadRecord,
       ConversationShape::EditorFields()},
      {ShopLetter, Kind::KindShop, false, &ShopShape::ReadRecord},
      {SavePointLetter, Kind::KindSave, false, &SaveShape::ReadRecord},
  };
  return kinds;
}
