#include "engine/Globals.h"

#include <chrono>

uint8_t Running = 0;
uint8_t WindowActive = 0;
uint8_t DebugMode = 0;
uint8_t ShowLoadInfo = 0;
int32_t ScreenWidth = DefaultScreenWidth;
int32_t ScreenHeight = DefaultScreenHeight;
platform::Platform* MainPlatform = nullptr;
platform::Renderer* Device = nullptr;
platform::SpriteBatch* SpriteRenderer = nullptr;
platform::TextFont* SmallFont = nullptr;
platform::TextFont* LargeFont = nullptr;
platform::Viewport MainViewport;
const platform::Matrix4* ViewMatrix = nullptr;
const platform::Matrix4* PerspectiveMatrix = nullptr;
platform::Matrix4 IdentityMatrix = platform::Matrix4::Identity();
float CameraDistance = DefaultSpriteScaleNumerator;
Controls* GameControls = nullptr;
Camera* MainCamera = nullptr;
SoundSystem* MainSoundSystem = nullptr;
SoundBank* MainSoundBank = nullptr;
float SpriteScaleNumerator = DefaultSpriteScaleNumerator;
GameStateSet* GameStates = nullptr;
DeferredDeleteList* DeferredDeletes = nullptr;
uint32_t TickCounter = 0;
float FramesPerSecond = 0.0f;
uint64_t StartUpFrameTime = 0;
uint64_t LastFrameTime = 0;
uint64_t CurrentFrameTime = 0;
float RealTimeStep = 0.0f;
float GameTimeStep = 0.0f;
float TimeScale = 1.0f;
float TotalRunTime = 0.0f;
platform::Vector3 ProgressTextPosition{60.0f, 40.0f, 0.0f};

Color4 ClearColor;
Color4 DebugTextColor;
Color4 DefaultShapeColor;
Color4 ColorWhite;
Color4 ColorLightGrey;
Color4 ColorGrey;
Color4 ColorBlack;
Color4 ColorTransparentWhite;
Color4 ColorTranslucentGreen;
Color4 BoundingColor;
Color4 HitBoxColor;
Color4 StrikeColor;

int GetTimeOfDay(TimeValue* value) {
  if (!value) return 0;
  auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
  auto micros = std::chrono::duration_cast<std::chrono::microseconds>(sinceEpoch).count();
  value->seconds = static_cast<int32_t>(micros / 1'000'000);
  value->microseconds = static_cast<int32_t>(micros % 1'000'000);
  return 0;
}

void SetInterfaceColors() {
  ClearColor = {255, 50, 70, 100};
  DebugTextColor = {255, 255, 255, 0};
  DefaultShapeColor = {120, 100, 0, 0};
  ColorWhite = {255, 255, 255, 255};
  ColorLightGrey = {255, 180, 180, 180};
  ColorGrey = {255, 140, 140, 140};
  ColorBlack = {255, 0, 0, 0};
  ColorTransparentWhite = {0, 255, 255, 255};
  ColorTranslucentGreen = {120, 0, 200, 0};
  BoundingColor = {120, 0, 0, 200};
  HitBoxColor = {120, 200, 200, 100};
  StrikeColor = {120, 200, 0, 0};
}

void ResetGlobals() {
  Running = 0;
  WindowActive = 0;
  DebugMode = 0;
  ShowLoadInfo = 0;
  ScreenWidth = DefaultScreenWidth;
  ScreenHeight = DefaultScreenHeight;
  MainPlatform = nullptr;
  Device = nullptr;
  SpriteRenderer = nullptr;
  SmallFont = nullptr;
  LargeFont = nullptr;
  MainViewport = {};
  ViewMatrix = nullptr;
  PerspectiveMatrix = nullptr;
  IdentityMatrix = platform::Matrix4::Identity();
  CameraDistance = DefaultSpriteScaleNumerator;
  GameControls = nullptr;
  MainCamera = nullptr;
  MainSoundSystem = nullptr;
  MainSoundBank = nullptr;
  SpriteScaleNumerator = DefaultSpriteScaleNumerator;
  GameStates = nullptr;
  DeferredDeletes = nullptr;
  TickCounter = 0;
  FramesPerSecond = 0.0f;
  StartUpFrameTime = 0;
  LastFrameTime = 0;
  CurrentFrameTime = 0;
  RealTimeStep = 0.0f;
  GameTimeStep = 0.0f;
  TimeScale = 1.0f;
  TotalRunTime = 0.0f;
  ProgressTextPosition = {60.0f, 40.0f, 0.0f};
  SetInterfaceColors();
}
