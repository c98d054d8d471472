#include "player/Player.h"

#include "engine/Globals.h"
#include "world/World.h"

Player::Player(World* owner, const std::vector<std::unique_ptr<Texture>>& textures,
               Texture* hudAtlas, Controls* playerControls, const platform::Vector3& position)
    : Actor("Player"), controls(playerControls) {
  (void)textures;
  (void)hudAtlas;
  kind = ActorKindPlayer;
  Initialize(owner);
  drawLayer = PlayerLayer;
  boundingBox = std::make_unique<BoundingQuad>();
  boundingBox->SetName("Player's Bounding Box");
  boundingBox->SetFillColor(BoundingColor);
  boundingBox->SetPosition(position);
  boundingBox->layer = PlayerLayer;
  body = boundingBox.get();
  hitQuad = std::make_unique<HitQuad>();
  hitQuad->SetName("Player's Hit Box");
  hitQuad->SetFillColor(HitBoxColor);
  hitQuad->SetPosition(position);
  hitBox = hitQuad.get();
  bodySprite = std::make_unique<Sprite>(nullptr, 0, position, 0.0f, platform::PixelRect{});
  bodySprite->layer = PlayerLayer;
  sprite = bodySprite.get();
  if (world) world->spriteLayers.InsertBorrowed(PlayerLayer, bodySprite.get());
}

Player::~Player() = default;

void Player::Update(float) {}
