#include "menus/MenuTitle.h"

#include <algorithm>
#include <fstream>

#include "engine/Camera.h"
#include "engine/Controls.h"
#include "engine/FileIO.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/SoundBank.h"
#include "engine/TextDrawing.h"
#include "engine/Texture.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "menus/ConversationTrigger.h"
#include "menus/MenuController.h"
#include "menus/MenuDialog.h"
#include "menus/MenuMultiplayer.h"
#include "menus/ScreenLayout.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "player/PlayerRecordFormat.h"
#include "world/World.h"

using platform::Vector3;

namespace {

using Button = MenuTitle::Button;

constexpr const char* NewGameMapPath = "Content\\Maps\\DemoNewGameMap.gmf";
constexpr Vector3 MapLoadTextPosition{60.0f, 30.0f, 0.0f};
constexpr Color4 Transparent{0, 0, 0, 0};
constexpr float NewGameFadeSeconds = 0.5f;

// The button column stands this far in from the right edge; rows rise from the bottom in steps.
constexpr float ColumnInset = 95.0f;
constexpr float BottomRowInset = 40.0f;
constexpr float RowStep = 50.0f;
// Full Screen stands left of Windowed with this gap between them.
constexpr float RowGap = 20.0f;
// Back stands this far in from the bottom right corner.
constexpr float BackMargin = 20.0f;

// The name stands in the upper middle of the screen, the flourish right under it.
constexpr float NameScale = 1.3f;
constexpr float NameCentreY = 125.0f;
constexpr float FlourishWidth = 520.0f;
constexpr float HillsHeightScale = 2.25f;

constexpr std::array<const wchar_t*, MenuTitle::ButtonCount> Labels = {
    L"Story",    L"Multiplayer",   L"Settings", L"Quit",  L"Continue",
    L"New Game", L"New Game Plus", L"Versus",   L"Co-op", L"Full Screen",
    L"Windowed", L"Controller",    L"Back"};

constexpr std::array<Button, 4> MainItems = {MenuTitle::ButtonStory, MenuTitle::ButtonMultiplayer,
                                             MenuTitle::ButtonSettings, MenuTitle::ButtonQuit};
constexpr std::array<Button, 4> StoryItems = {MenuTitle::ButtonContinue, MenuTitle::ButtonNewGame,
                                              MenuTitle::ButtonNewGamePlus, MenuTitle::ButtonBack};
constexpr std::array<Button, 3> MultiplayerItems = {MenuTitle::ButtonVersus, MenuTitle::ButtonCoop,
                                                    MenuTitle::ButtonBack};
// What each page draws, in drawing order.
constexpr std::array<Button, 4> StoryDrawOrder = {MenuTitle::ButtonNewGame,
                                                  MenuTitle::ButtonNewGamePlus,
                                                  MenuTitle::ButtonContinue, MenuTitle::ButtonBack};
constexpr std::array<Button, 4> SettingsItems = {
    MenuTitle::ButtonFullScreen, MenuTitle::ButtonWindowed, MenuTitle::ButtonController,
    MenuTitle::ButtonBack};

bool RecordOpens() { return std::ifstream(NativePath(PlayerRecordPath)).is_open(); }

float ScreenW() { return static_cast<float>(ScreenWidth); }
float ScreenH() { return static_cast<float>(ScreenHeight); }

}  // namespace

MenuTitle::MenuTitle(GameStateSet* set, World* world) : Menu(set, "Title Menu"), m_world(world) {
  const float column = ScreenW() - ColumnInset;
  const float row = ScreenH() - BottomRowInset;
  CreateButton(ButtonStory, {column, row - 3 * RowStep, 0.0f});
  CreateButton(ButtonMultiplayer, {column, row - 2 * RowStep, 0.0f});
  CreateButton(ButtonSettings, {column, row - RowStep, 0.0f});
  CreateButton(ButtonQuit, {column, row, 0.0f});
  CreateButton(ButtonContinue, {column, row - 3 * RowStep, 0.0f});
  CreateButton(ButtonNewGame, {column, row - 2 * RowStep, 0.0f});
  CreateButton(ButtonNewGamePlus, {column, row - RowStep, 0.0f});
  CreateButton(ButtonVersus, {column, row - 2 * RowStep, 0.0f});
  CreateButton(ButtonCoop, {column, row - RowStep, 0.0f});
  CreateButton(ButtonWindowed, {column, row - 2 * RowStep, 0.0f});
  CreateButton(ButtonFullScreen, {column - (ButtonWidth + RowGap), row - 2 * RowStep, 0.0f});
  CreateButton(ButtonController, {column, row - RowStep, 0.0f});
  CreateButton(ButtonBack, {column, row, 0.0f});
  SetColor(ButtonStory, HighlightColor);
  CreateTitlePicture();
}

MenuTitle::~MenuTitle() = default;

void MenuTitle::CreateButton(Button button, const Vector3& position) {
  m_buttons[button] = MakeMenuQuad(position, ButtonWidth, ButtonHeight, NormalColor);
}

void MenuTitle::CreateTitlePicture() {
  Texture* atlas = set ? set->interfaceAtlas.get() : nullptr;
  const float middle = ScreenW() / 2.0f;
  auto sky = AtlasPiece(atlas, SkyCell);
  sky->SetScale(ScreenW() / static_cast<float>(SkyCell.right - SkyCell.left),
                ScreenH() / static_cast<float>(SkyCell.bottom - SkyCell.top));
  sky->SetAltPosition({middle, ScreenH() / 2.0f, 0.0f});
  auto hills = AtlasPiece(atlas, HillsCell);
  hills->SetScale(ScreenW() / static_cast<float>(HillsCell.right - HillsCell.left),
                  HillsHeightScale);
  hills->SetAltPosition({middle, ScreenH() - DrawnHeight(*hills) / 2.0f, 0.0f});
  // The name's halves meet in the middle of the screen.
  auto nameLeft = AtlasPiece(atlas, NameLeftCell);
  auto nameRight = AtlasPiece(atlas, NameRightCell);
  for (Sprite* half : {nameLeft.get(), nameRight.get()}) half->SetScale(NameScale, NameScale);
  nameLeft->SetAltPosition({middle - DrawnWidth(*nameLeft) / 2.0f, NameCentreY, 0.0f});
  nameRight->SetAltPosition({middle + DrawnWidth(*nameRight) / 2.0f, NameCentreY, 0.0f});
  auto flourish = AtlasPiece(atlas, FlourishCell);
  flourish->SetScale(FlourishWidth / static_cast<float>(FlourishCell.right - FlourishCell.left),
                     NameScale);
  PlaceOver(*flourish, *nameLeft, 1.0f);
  flourish->SetAltPosition({middle, flourish->altPosition.y, 0.0f});
  m_picture = {std::move(sky), std::move(hills), std::move(nameLeft), std::move(nameRight),
               std::move(flourish)};
}

void MenuTitle::Enter() {
  if (set && set->previous && set->previous == set->menuController) {
    m_page = PageSettings;
    m_selection = ButtonWindowed;
    SetUpSettingsPage();
  } else if (set && set->previous && set->previous == set->menuMultiplayer) {
    m_page = PageMultiplayer;
    m_selection = ButtonVersus;
  } else {
    OpenMainPage();
    m_previousSelection = ButtonStory;
    SetColor(ButtonStory, HighlightColor);
  }
  if (GameControls) {
    GameControls->keyboardEnabled = 1;
    GameControls->padEnabled.fill(1);
  }
}

void MenuTitle::OpenMainPage() {
  m_page = PageMain;
  m_selection = ButtonStory;
}

void MenuTitle::HandleInput(float) {
  if (!GameControls) return;
  switch (m_page) {
    case PageMain:
      HandleMainPage();
      break;
    case PageStory:
      HandleStoryPage();
      break;
    case PageMultiplayer:
      HandleMultiplayerPage();
      break;
    case PageSettings:
      HandleSettingsPage();
      break;
    default:
      break;
  }
}

bool MenuTitle::HandleListMoves(std::span<const Button> items) {
  const Controls& input = *GameControls;
  int step = 0;
  if (input.IsMenuDownPressed(input.activePad)) {
    step = 1;
  } else if (input.IsMenuUpPressed()) {
    step = -1;
  } else {
    return false;
  }
  const auto count = static_cast<int>(items.size());
  const auto found = std::find(items.begin(), items.end(), m_selection);
  const int at = found == items.end() ? 0 : static_cast<int>(found - items.begin());
  m_selection = items[static_cast<size_t>((at + step + count) % count)];
  return true;
}

void MenuTitle::HandleMainPage() {
  if (HandleListMoves(MainItems) || !GameControls->IsConfirmPressed()) return;
  switch (m_selection) {
    case ButtonStory:
      m_page = PageStory;
      m_selection = ButtonContinue;
      SetUpStoryPage();
      break;
    case ButtonMultiplayer:
      m_page = PageMultiplayer;
      m_selection = ButtonVersus;
      SetUpMultiplayerPage();
      break;
    case ButtonSettings:
      m_page = PageSettings;
      m_selection = ButtonWindowed;
      SetUpSettingsPage();
      break;
    case ButtonQuit:
      Running = 0;
      break;
    default:
      break;
  }
}

void MenuTitle::HandleStoryPage() {
  if (HandleListMoves(StoryItems)) return;
  if (GameControls->IsConfirmPressed()) {
    if (m_selection == ButtonContinue) ContinueGame();
    if (m_selection == ButtonNewGame) StartNewGame();
    if (m_selection == ButtonBack) OpenMainPage();
  } else if (GameControls->IsCancelPressed()) {
    OpenMainPage();
  }
}

void MenuTitle::HandleMultiplayerPage() {
  if (HandleListMoves(MultiplayerItems)) return;
  if (GameControls->IsConfirmPressed()) {
    if (m_selection == ButtonVersus) OpenVersus();
    if (m_selection == ButtonBack) OpenMainPage();
  } else if (GameControls->IsCancelPressed()) {
    OpenMainPage();
  }
}

void MenuTitle::HandleSettingsPage() {
  const Controls& input = *GameControls;
  const bool onTopRow = m_selection == ButtonFullScreen || m_selection == ButtonWindowed;
  if (input.IsMenuDownPressed(input.activePad)) {
    if (onTopRow) {
      m_selection = ButtonController;
    } else {
      m_selection = m_selection == ButtonController ? ButtonBack : ButtonWindowed;
    }
  } else if (input.IsMenuUpPressed()) {
    if (onTopRow) {
      m_selection = ButtonBack;
    } else {
      m_selection = m_selection == ButtonController ? ButtonWindowed : ButtonController;
    }
  } else if (input.IsMenuRightPressed() || input.IsMenuLeftPressed(input.activePad)) {
    if (onTopRow) m_selection = m_selection == ButtonFullScreen ? ButtonWindowed : ButtonFullScreen;
  } else if (input.IsConfirmPressed()) {
    if (m_selection == ButtonController) OpenController();
    if (m_selection == ButtonBack) OpenMainPage();
  } else if (input.IsCancelPressed()) {
    OpenMainPage();
  }
}

void MenuTitle::PlaceBack() {
  m_buttons[ButtonBack]->SetAltPosition({ScreenW() - ButtonWidth / 2.0f - BackMargin,
                                         ScreenH() - ButtonHeight / 2.0f - BackMargin, 0.0f});
}

void MenuTitle::SetUpStoryPage() {
  PlaceBack();
  for (Button button : StoryItems) SetColor(button, RestingColor(button));
}

void MenuTitle::SetUpMultiplayerPage() {
  PlaceBack();
  for (Button button : MultiplayerItems) SetColor(button, RestingColor(button));
}

void MenuTitle::SetUpSettingsPage() {
  PlaceBack();
  for (Button button : SettingsItems) SetColor(button, RestingColor(button));
}

void MenuTitle::SetColor(Button button, const Color4& color) {
  m_buttons[button]->SetFillColor(color);
}

Color4 MenuTitle::RestingColor(Button button) const {
  switch (button) {
    case ButtonNewGamePlus:
    case ButtonCoop:
    case ButtonFullScreen:
    case ButtonWindowed:
      return DisabledColor;
    case ButtonContinue:
      return RecordOpens() ? NormalColor : DisabledColor;
    default:
      return NormalColor;
  }
}

void MenuTitle::Update(float) {
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
  if (m_selection == m_previousSelection) return;
  SetColor(m_previousSelection, RestingColor(m_previousSelection));
  SetColor(m_selection, HighlightColor);
  m_previousSelection = m_selection;
}

void MenuTitle::Draw() {
  std::span<const Button> shown;
  switch (m_page) {
    case PageMain:
      shown = MainItems;
      break;
    case PageStory:
      shown = StoryDrawOrder;
      break;
    case PageMultiplayer:
      shown = MultiplayerItems;
      break;
    case PageSettings:
      shown = SettingsItems;
      break;
    default:
      return;
  }
  if (SpriteRenderer) SpriteRenderer->Begin();
  for (const std::unique_ptr<Sprite>& piece : m_picture) piece->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->End();
  for (Button button : shown) m_buttons[button]->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  for (Button button : shown) DrawMenuLabel(m_buttons[button]->altPosition, Labels[button]);
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuTitle::LimitToKeyboardAndFirstPad() {
  Controls* controls = m_world->GetFirstPlayer()->controls;
  if (!controls) return;
  controls->keyboardEnabled = 1;
  controls->padEnabled = {1, 0, 0, 0};
  controls->activePad = 0;
}

void MenuTitle::ContinueGame() {
  Player* player = m_world ? m_world->GetFirstPlayer() : nullptr;
  std::ifstream record(NativePath(PlayerRecordPath));
  if (!player || !record.is_open()) return;
  ProgressTextPosition = MapLoadTextPosition;
  m_world->RemoveExtraPlayers();
  // Only what the record holds is held: nothing gained since the save survives.
  player->ResetInventory();
  player->LoadRecord(record);
  // A record continues whole, however the game played before it left the player.
  player->FillMeters();
  m_world->ClearLevel();
  m_world->LoadMap(player->GetMapName());
  LimitToKeyboardAndFirstPad();
  set->SwitchTo(m_world);
  player->PlaceIdling(player->respawnPosition);
}

void MenuTitle::StartNewGame() {
  Player* player = m_world ? m_world->GetFirstPlayer() : nullptr;
  if (!player) return;
  ProgressTextPosition = MapLoadTextPosition;
  m_world->RemoveExtraPlayers();
  player->StartNewGame();
  m_world->ClearLevel();
  m_world->LoadMap(NewGameMapPath);
  LimitToKeyboardAndFirstPad();
  // Placed before the opening conversation runs, so that its first line already finds the
  // player where play begins.
  player->PlaceAt(m_world->spawnPoint);
  if (MainCamera) MainCamera->StartFade(Transparent, NewGameFadeSeconds);
  ModifierShape* first = m_world->modifiers.empty() ? nullptr : m_world->modifiers.front().get();
  if (first && first->kind == ModifierShape::KindConversation && set->menuDialog) {
    set->menuDialog->conversation = static_cast<ConversationTrigger*>(first);
    set->SwitchTo(set->menuDialog);
  } else {
    player->SwitchState(SlotIdling);
    set->SwitchTo(m_world);
  }
}

void MenuTitle::OpenVersus() {
  set->SwitchTo(set->menuMultiplayer);
  Player* player = m_world ? m_world->GetFirstPlayer() : nullptr;
  Controls* controls = player ? player->controls : nullptr;
  if (!controls || !GameControls) return;
  const KeyboardBuffer& keys = *GameControls->keyboard;
  int pad = -1;
  if (!keys.WentDown(VirtualKey::Enter) && !keys.WentDown(VirtualKey::J)) {
    for (int candidate = 0; candidate < platform::PadSlotCount && pad < 0; ++candidate) {
      if (GameControls->IsConfirmPressedBy(candidate)) pad = candidate;
    }
    if (pad < 0) return;
  }
  controls->keyboardEnabled = pad < 0 ? 1 : 0;
  for (int slot = 0; slot < platform::PadSlotCount; ++slot) {
    controls->padEnabled[static_cast<size_t>(slot)] = slot == pad ? 1 : 0;
  }
  if (pad >= 0) controls->activePad = pad;
  set->menuMultiplayer->m_slotDevices[0] =
      pad < 0 ? MenuMultiplayer::DeviceKeyboard : MenuMultiplayer::PadDevice(pad);
}

void MenuTitle::OpenController() {
  m_page = PageHidden;
  MenuController& screen = *set->menuController;
  screen.m_backgroundState = this;
  screen.m_returnState = this;
  Player* player = m_world ? m_world->GetFirstPlayer() : nullptr;
  screen.m_editedControls = player ? player->controls : nullptr;
  set->SwitchTo(&screen);
}
