#include "app/BuildGameStates.h"

#include "editor/MenuDebug.h"
#include "engine/BitmapFonts.h"
#include "engine/Camera.h"
#include "engine/draw/Quad.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/TextDrawing.h"
#include "engine/Texture.h"
#include "menus/DeathScreen.h"
#include "menus/MenuConsole.h"
#include "menus/MenuController.h"
#include "menus/MenuDialog.h"
#include "menus/MenuMultiplayer.h"
#include "menus/MenuSave.h"
#include "menus/MenuShop.h"
#include "menus/MenuTitle.h"
#include "menus/pause/MenuPause.h"
#include "world/World.h"

namespace {

constexpr uint32_t AtlasSize = 1024;
constexpr const char* InterfaceAtlasPath = "Content\\Textures\\HUD\\menuatlas2.png";

// Indexed by ScreenSlot.
constexpr const char* ProgressLines[GameStateCount] = {
    "Building world...",
    "Building debug menu...",
    "Building console menu...",
    "Building pause menu...",
    "Building title menu...",
    "Building controller menu...",
    "Building multiplayer menu...",
    "Building dialog menu...",
    "Building save menu...",
    "Building shop menu...",
    "Death screen...",
};

// Each screen is announced by a progress line (drawn only under ShowLoadInfo), then built
// and stored in both of its fields.
template <typename Screen, typename... Args>
Screen* BuildScreen(GameStateSet& set, int slot, Args&&... args) {
  PresentProgressLine(ProgressLines[slot]);
  auto screen = std::make_unique<Screen>(std::forward<Args>(args)...);
  Screen* typed = screen.get();
  set.screens[slot] = std::move(screen);
  return typed;
}

}  // namespace

std::unique_ptr<GameStateSet> BuildGameStates(Camera* camera) {
  auto set = std::make_unique<GameStateSet>();
  GameStateSet* s = set.get();
  s->interfaceAtlas = LoadTexture(InterfaceAtlasPath, AtlasSize, AtlasSize);
  s->writtenFontAtlas = LoadTexture(FontWrittenLayout.atlasPath, FontAtlasSize, FontAtlasSize);
  s->fontWritten = std::make_unique<FontWritten>(s->writtenFontAtlas.get());
  s->fontWritten->color = ColorWhite;
  s->arcFontAtlas = LoadTexture(FontArc64ptLayout.atlasPath, FontAtlasSize, FontAtlasSize);
  AttachSizedFaces(*s->arcFontAtlas, {&FontArc64ptLayout, &FontArc17ptLayout});
  s->fontArc64pt = std::make_unique<FontArc64pt>(s->arcFontAtlas.get());
  s->fontArc64pt->color = ColorWhite;
  s->fontArc17pt = std::make_unique<FontArc17pt>(s->arcFontAtlas.get());
  s->fontArc17pt->color = ColorWhite;

  const float x = ProgressTextPosition.x;

  s->menuDialog = BuildScreen<MenuDialog>(*s, SlotDialog, s, camera);
  s->menuSave = BuildScreen<MenuSave>(*s, SlotSave, s, camera);
  s->world = BuildScreen<World>(*s, SlotWorld, s, camera);
  ProgressTextPosition.x = x;
  s->menuDebug =
      BuildScreen<MenuDebug>(*s, SlotDebug, s, camera, &s->world->resources, s->world);
  ProgressTextPosition.x = x;
  s->menuConsole = BuildScreen<MenuConsole>(*s, SlotConsole, s);
  s->menuPause = BuildScreen<MenuPause>(*s, SlotPause, s, camera, s->world);
  s->menuTitle = BuildScreen<MenuTitle>(*s, SlotTitle, s, s->world);
  s->menuController = BuildScreen<MenuController>(*s, SlotController, s);
  s->menuMultiplayer = BuildScreen<MenuMultiplayer>(*s, SlotMultiplayer, s, s->world);
  s->menuShop = BuildScreen<MenuShop>(*s, SlotShop, s, camera, s->world);
  s->deathScreen = BuildScreen<DeathScreen>(*s, SlotDeath, s);
  MainCamera = camera;
  if (camera) camera->fadeShape = s->world->fadeQuad.get();

  s->SwitchTo(s->menuTitle);
  s->previous = s->current;
  return set;
}
