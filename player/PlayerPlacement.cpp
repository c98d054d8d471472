#include "player/Player.h"

void Player::PlaceAt(const platform::Vector3& point) {
  PlaceHud(ComputeHudAnchor());
  body->SetPosition(point);
  body->velocity = {};
  ClearContacts();
}

void Player::PlaceIdling(const platform::Vector3& point) {
  PlaceAt(point);
  SwitchState(SlotIdling);
}
