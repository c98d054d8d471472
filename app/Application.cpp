#include "app/Application.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "app/BuildGameStates.h"
#include "app/ConnectFloors.h"
#include "app/FramePacer.h"
#include "engine/Camera.h"
#include "engine/Controls.h"
#include "engine/DeferredDeleteList.h"
#include "engine/FileIO.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/SoundSystem.h"
#include "platform/Platform.h"
#include "platform/Renderer.h"
#include "platform/SpriteBatch.h"
#include "platform/TextFont.h"
#include "world/MapFormat.h"

namespace {

constexpr int WindowX = 200;
constexpr int WindowY = 200;
constexpr const char* WindowTitle = "QuellmarkMain";
constexpr float MaxUpdateStep = 0.02f;
constexpr float MicrosecondsPerSecond = 1'000'000.0f;
constexpr int InactiveWaitMilliseconds = 100;
constexpr int SmallFontHeight = 12;
constexpr int LargeFontHeight = 20;

constexpr const char* DefaultMapText =
    "0 0 1000 -1000 -1000 1000 42 82 101 115 53 30 0 m s 0 0 0\n"
    "*Resources \n"
    "*Enemies \n"
    "*NPCs \n"
    "*Boundaries \n"
    "q 60 0 0 0 1 221764120 0 120 0 200 0 255 0 0 0 0 0 0 0 1.01993 -2.6018 0 0 3.62179 3.31665 "
    "1 1 1 1 1 1 1 1\n"
    "*Textured_Primitives \n"
    "*Modifiers \n";

// What the shell owns for the whole run; the globals point into it.
struct ShellResources {
  std::unique_ptr<platform::Renderer> device;
  std::unique_ptr<FramePacer> pacer;
  std::unique_ptr<platform::SpriteBatch> spriteRenderer;
  std::unique_ptr<Controls> controls;
  std::unique_ptr<platform::TextFont> smallFont;
  std::unique_ptr<platform::TextFont> largeFont;
  std::unique_ptr<Camera> camera;
  std::unique_ptr<SoundSystem> soundSystem;
  std::unique_ptr<SoundBank> soundBank;
  std::unique_ptr<DeferredDeleteList> deferredDeletes;
  std::unique_ptr<GameStateSet> gameStates;
};

std::unique_ptr<ShellResources> Shell;

void HandleWindowEvent(platform::WindowEvent event) {
  switch (event) {
    case platform::WindowEvent::FocusGained:
      WindowActive = 1;
      break;
    case platform::WindowEvent::FocusLost:
      WindowActive = 0;
      break;
    case platform::WindowEvent::CloseRequested:
      Running = 0;
      break;
  }
}

bool InitializeDevice() {
  Shell->device = MainPlatform->CreateRenderer();
  Device = Shell->device.get();
  if (!Device) {
    MainPlatform->ShowMessageBox("InitializeDevice()", "Failed to create even the reference device!");
    return false;
  }
  return true;
}

}  // namespace

bool WriteDefaultMap() { return WriteTextFile(DefaultMapPath, DefaultMapText); }

void InitializeResources() {
  WindowActive = 1;
  Shell->spriteRenderer = std::make_unique<platform::SpriteBatch>(*Device);
  SpriteRenderer = Shell->spriteRenderer.get();
  Shell->controls = Controls::Create(*MainPlatform);
  GameControls = Shell->controls.get();
  Shell->smallFont = platform::TextFont::Create(*Device, SmallFontHeight);
  SmallFont = Shell->smallFont.get();
  Shell->largeFont = platform::TextFont::Create(*Device, LargeFontHeight);
  LargeFont = Shell->largeFont.get();
  SetInterfaceColors();
  MainViewport = Device->GetViewport();
  IdentityMatrix = platform::Matrix4::Identity();
  SpriteScaleNumerator = DefaultSpriteScaleNumerator;
  Shell->camera = std::make_unique<Camera>(platform::Vector3{0.0f, 0.0f, 0.0f},
                                           platform::Vector3{0.0f, 0.0f, -SpriteScaleNumerator},
                                           platform::Vector3{0.0f, 1.0f, 0.0f});
  MainCamera = Shell->camera.get();
  ViewMatrix = &MainCamera->view;
  PerspectiveMatrix = &MainCamera->perspective;
  Shell->soundSystem = std::make_unique<SoundSystem>(MainPlatform->CreateAudioDevice());
  MainSoundSystem = Shell->soundSystem.get();
  Shell->soundBank = std::make_unique<SoundBank>(*MainSoundSystem);
  MainSoundBank = Shell->soundBank.get();
  WriteDefaultMap();
  Device->Clear(ColorBlack.ToD3DColor());
  DebugMode = 0;
  ShowLoadInfo = 0;
  ProgressTextPosition = {60.0f, 40.0f, 0.0f};
  // Created before the screens so that nothing built with them can find it missing.
  Shell->deferredDeletes = std::make_unique<DeferredDeleteList>();
  DeferredDeletes = Shell->deferredDeletes.get();
  Shell->gameStates = BuildGameStates(MainCamera);
  GameStates = Shell->gameStates.get();
  TickCounter = 0;
  LastFrameTime = MainPlatform->NowMicroseconds();
  CurrentFrameTime = MainPlatform->NowMicroseconds();
  StartUpFrameTime = CurrentFrameTime;
  RealTimeStep = static_cast<float>(CurrentFrameTime - LastFrameTime) / MicrosecondsPerSecond;
  GameTimeStep = 0.0f;
  TimeScale = 1.0f;
  TotalRunTime = 0.0f;
  FramesPerSecond = 0.0f;
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  // Made last, so that the first frame is timed from the end of the start-up.
  Shell->pacer = std::make_unique<FramePacer>(*MainPlatform, Device->PresentWaitsForDisplay());
}

bool StartUp(platform::Platform& platform) {
  ConnectFloors();
  Running = 1;
  ScreenWidth = DefaultScreenWidth;
  ScreenHeight = DefaultScreenHeight;
  MainPlatform = &platform;
  Shell = std::make_unique<ShellResources>();
  if (!platform.OpenWindow({WindowTitle, WindowX, WindowY, ScreenWidth, ScreenHeight})) {
    platform.ShowMessageBox("CreateMainWindow()", "The window could not be created.");
    ShutDown();
    return false;
  }
  if (!InitializeDevice()) {
    ShutDown();
    return false;
  }
  InitializeResources();
  return true;
}

void AdvanceFrameTimer() {
  ++TickCounter;
  CurrentFrameTime = MainPlatform->NowMicroseconds();
  // A clock that steps backwards gives an empty frame, never a negative one.
  uint64_t elapsed = CurrentFrameTime > LastFrameTime ? CurrentFrameTime - LastFrameTime : 0;
  RealTimeStep = static_cast<float>(elapsed) / MicrosecondsPerSecond;
  GameTimeStep = TimeScale * RealTimeStep;
  LastFrameTime = MainPlatform->NowMicroseconds();
  TotalRunTime += RealTimeStep;
}

void UpdateFrame() {
  if (GameTimeStep > MaxUpdateStep) GameTimeStep = MaxUpdateStep;
  GameState* state = GameStates->current;
  state->holdTimer = std::max(state->holdTimer - GameTimeStep, 0.0f);
  if (state->holdTimer == 0.0f) {
    state->Update(GameTimeStep);
  } else {
    state->UpdateHeld(GameTimeStep);
  }
  MainCamera->Update();
}

void RenderFrame() {
  Device->Clear(ClearColor.ToD3DColor());
  Device->BeginScene();
  GameState* state = GameStates->current;
  if (state->holdTimer == 0.0f) {
    state->Draw();
  } else {
    state->DrawHeld();
  }
  Device->EndScene();
  Device->Present();
}

void HandleFrameInput() {
  const float dt = GameTimeStep;
  GameControls->BeginInput(dt);
  GameState* state = GameStates->current;
  if (state->holdTimer == 0.0f) {
    state->HandleInput(dt);
  } else {
    state->HandleInputHeld(dt);
  }
  GameControls->EndInput();
}

void RunFramePass() {
  while (std::optional<platform::WindowEvent> event = MainPlatform->PollEvent()) {
    HandleWindowEvent(*event);
  }
  if (WindowActive != 1) {
    // Nothing to do until the focus returns: wait instead of spinning.
    if (Running) MainPlatform->WaitForEvent(InactiveWaitMilliseconds);
    Shell->pacer->Restart();
    return;
  }
  AdvanceFrameTimer();
  HandleFrameInput();
  UpdateFrame();
  RenderFrame();
  DeferredDeletes->Empty();
  Shell->pacer->EndFrame();
}

void ShutDown() {
  if (Shell) {
    Shell->controls.reset();
    GameControls = nullptr;
    if (Shell->camera) Shell->camera->fadeShape = nullptr;
    Shell->deferredDeletes.reset();
    DeferredDeletes = nullptr;
    Shell->gameStates.reset();
    GameStates = nullptr;
    Shell->camera.reset();
    MainCamera = nullptr;
    ViewMatrix = nullptr;
    PerspectiveMatrix = nullptr;
    Shell->smallFont.reset();
    SmallFont = nullptr;
    Shell->largeFont.reset();
    LargeFont = nullptr;
    Shell->spriteRenderer.reset();
    SpriteRenderer = nullptr;
    // The bank's buffers go before the device they were made on.
    Shell->soundBank.reset();
    MainSoundBank = nullptr;
    Shell->soundSystem.reset();
    MainSoundSystem = nullptr;
    // The device goes last: everything drawn with it is gone by now.
    Shell->device.reset();
    Device = nullptr;
    Shell.reset();
  }
  MainPlatform = nullptr;
}

int RunGame(platform::Platform& platform) {
  if (!StartUp(platform)) return EXIT_FAILURE;
  while (Running) RunFramePass();
  ShutDown();
  return EXIT_SUCCESS;
}
