#include "menus/MenuSave.h"

#include "engine/BitmapFonts.h"
#include "engine/Controls.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/draw/Sprite.h"
#include "menus/SavePoint.h"
#include "menus/ScreenLayout.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr float TextScale = 0.5f;
// The prompt's lines stand this far above and below the middle of the screen.
constexpr float FirstLineRise = 20.0f;
constexpr float LineGap = 40.0f;
// The body covers the panel but for its frame of bars and corners, which are this thick.
constexpr float BodyWidth = 650.0f;
constexpr float BodyHeight = 170.0f;
constexpr float FrameThickness = 15.0f;

constexpr const char* SavingText = "Saving...";
// After a failure the prompt's two lines read "Save failed: Select to retry, Back to leave".
constexpr const char* FailedText = "Save failed:";
constexpr const char* PromptText = "(Press the \"Select\" button to continue)";
constexpr const char* FailedPromptText = "Select to retry, Back to leave";
constexpr const char* SavedText = "Game Saved";

World* WorldOf(const GameStateSet* set) { return set ? set->world : nullptr; }

}  // namespace

MenuSave::MenuSave(GameStateSet* set, Camera* camera) : Menu(set, "Dialog Menu") {
  MainCamera = camera;
  m_atlas = set ? set->interfaceAtlas.get() : nullptr;
  m_font = set ? set->fontArc64pt.get() : nullptr;
  m_body = AtlasPiece(m_atlas, FillCell);
  m_topBar = AtlasPiece(m_atlas, FillCell);
  m_topLeft = AtlasPiece(m_atlas, TopLeftCell);
  m_topRight = AtlasPiece(m_atlas, TopRightCell);
  m_bottomBar = AtlasPiece(m_atlas, FillCell);
  m_bottomLeft = AtlasPiece(m_atlas, BottomLeftCell);
  m_bottomRight = AtlasPiece(m_atlas, BottomRightCell);
  m_body->SetScale(BodyWidth, BodyHeight);
  m_body->SetAltPosition(
      {static_cast<float>(ScreenWidth) / 2.0f, static_cast<float>(ScreenHeight) / 2.0f, 0.0f});
  for (Sprite* bar : {m_topBar.get(), m_bottomBar.get()}) {
    bar->SetScale(BodyWidth - 2.0f * FrameThickness, FrameThickness);
  }
  PlaceOver(*m_topBar, *m_body, -1.0f);
  PlaceBeside(*m_topLeft, *m_topBar, -1.0f);
  PlaceBeside(*m_topRight, *m_topBar, 1.0f);
  PlaceOver(*m_bottomBar, *m_body, 1.0f);
  PlaceBeside(*m_bottomLeft, *m_bottomBar, -1.0f);
  PlaceBeside(*m_bottomRight, *m_bottomBar, 1.0f);
}

MenuSave::~MenuSave() { MainCamera = nullptr; }

void MenuSave::Enter() {
  m_mode = ModePrompt;
  m_saveFailed = false;
  savePoint = nullptr;
  World* world = WorldOf(set);
  Player* player = world ? world->GetFirstPlayer() : nullptr;
  if (player) player->SwitchState(SlotStill);
}

void MenuSave::ForgetModifier(const ModifierShape& modifier) {
  if (static_cast<const ModifierShape*>(savePoint) == &modifier) savePoint = nullptr;
}

void MenuSave::HandleInput(float dt) {
  if (m_mode == ModeSaved) {
    HandleSavedInput(dt);
  } else {
    HandlePromptInput(dt);
  }
}

bool MenuSave::HandlePlayersAndAction(float dt) {
  if (World* world = WorldOf(set)) {
    for (Player* player : world->players) {
      if (player->controls && player->CurrentState()) player->CurrentState()->HandleInput(dt);
    }
  }
  return GameControls && GameControls->IsAction1Pressed(GameControls->activePad);
}

void MenuSave::HandlePromptInput(float dt) {
  const bool action = HandlePlayersAndAction(dt);
  // A save that keeps failing (a full disk, a read-only folder) must not hold the player here:
  // after a failure Back or cancel leaves without saving, the old record kept.
  if (m_saveFailed && GameControls &&
      (GameControls->IsBackPressed(GameControls->activePad) || GameControls->IsCancelPressed())) {
    ReturnToWorld();
    return;
  }
  if (!action) return;
  m_saveFailed = !WriteSaveFile();
  if (!m_saveFailed) m_mode = ModeSaved;
}

bool MenuSave::WriteSaveFile() {
  World* world = savePoint ? savePoint->world : nullptr;
  Player* player = world ? world->GetFirstPlayer() : nullptr;
  return player && player->WriteRecord(world->GetMapName(), savePoint->position);
}

void MenuSave::HandleSavedInput(float dt) {
  if (HandlePlayersAndAction(dt)) ReturnToWorld();
}

void MenuSave::ReturnToWorld() {
  World* world = WorldOf(set);
  Player* player = world ? world->GetFirstPlayer() : nullptr;
  if (player) player->SwitchState(SlotIdling);
  ReturnToPlay();
}

void MenuSave::Update(float dt) {
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
  if (World* world = WorldOf(set)) world->Update(dt);
}

void MenuSave::Draw() {
  if (World* world = WorldOf(set)) world->Draw();
  if (SpriteRenderer) SpriteRenderer->Begin();
  for (Sprite* piece : {m_topLeft.get(), m_topBar.get(), m_topRight.get(), m_body.get(),
                        m_bottomLeft.get(), m_bottomBar.get(), m_bottomRight.get()}) {
    piece->DrawScreen();
  }
  DrawTexts();
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuSave::DrawTexts() {
  if (!m_font) return;
  const ScopedFontStyle style(*m_font, ColorWhite, TextScale);
  const float x = static_cast<float>(ScreenWidth) / 2.0f;
  const float middle = static_cast<float>(ScreenHeight) / 2.0f;
  if (m_mode == ModeSaved) {
    m_font->DrawString(SavedText, {x, middle, 0.0f}, FontAlignCenter, FontAlignCenter);
  } else {
    const float first = middle - FirstLineRise;
    m_font->DrawString(m_saveFailed ? FailedText : SavingText, {x, first, 0.0f}, FontAlignCenter,
                       FontAlignCenter);
    m_font->DrawString(m_saveFailed ? FailedPromptText : PromptText, {x, first + LineGap, 0.0f},
                       FontAlignCenter, FontAlignCenter);
  }
}
