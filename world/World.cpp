#include "world/World.h"

#include "engine/Globals.h"

World::World(GameStateSet* owner, Camera* camera)
    : content(std::make_unique<std::vector<Shape*>>()) {
  SetName("World");
  set = owner;
  MainCamera = camera;
}
