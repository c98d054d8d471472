#pragma once

#include <cstdint>

#include "engine/Color4.h"
#include "platform/MathTypes.h"
#include "platform/Matrix.h"

namespace platform {
class Platform;
class Renderer;
class SpriteBatch;
class TextFont;
}  // namespace platform

class Camera;
class Controls;
class DeferredDeleteList;
class SoundBank;
class SoundSystem;
struct GameStateSet;

// Whole seconds since 1970-01-01 00:00 UTC and the microseconds within that second.
struct TimeValue {
  int32_t seconds = 0;
  int32_t microseconds = 0;
};

// Fills the value from the wall clock; does nothing with a null pointer. Always returns 0.
int GetTimeOfDay(TimeValue* value);

constexpr int DefaultScreenWidth = 800;
constexpr int DefaultScreenHeight = 600;
constexpr float DefaultSpriteScaleNumerator = 17.0f;

// Program-wide state of the shell. The shell owns what the pointers point at; everything
// else only reads them.
extern uint8_t Running;
extern uint8_t WindowActive;
extern uint8_t DebugMode;
extern uint8_t ShowLoadInfo;
extern int32_t ScreenWidth;
extern int32_t ScreenHeight;
extern platform::Platform* MainPlatform;
extern platform::Renderer* Device;
extern platform::SpriteBatch* SpriteRenderer;
extern platform::TextFont* SmallFont;
extern platform::TextFont* LargeFont;
extern platform::Viewport MainViewport;
// The camera's matrices; null until the camera exists.
extern const platform::Matrix4* ViewMatrix;
extern const platform::Matrix4* PerspectiveMatrix;
extern platform::Matrix4 IdentityMatrix;
// The camera's distance from the plane z = 0; the divisor of sprite sizes.
extern float CameraDistance;
extern Controls* GameControls;
extern Camera* MainCamera;
extern SoundSystem* MainSoundSystem;
extern SoundBank* MainSoundBank;
extern float SpriteScaleNumerator;
extern GameStateSet* GameStates;
extern DeferredDeleteList* DeferredDeletes;
extern uint32_t TickCounter;
extern float FramesPerSecond;
// The frame timer's time stamp at the end of start-up.
extern uint64_t StartUpFrameTime;
extern uint64_t LastFrameTime;
extern uint64_t CurrentFrameTime;
extern float RealTimeStep;
extern float GameTimeStep;
extern float TimeScale;
extern float TotalRunTime;
extern platform::Vector3 ProgressTextPosition;

// Interface colours, set once at start-up.
extern Color4 ClearColor;
extern Color4 DebugTextColor;
extern Color4 DefaultShapeColor;
extern Color4 ColorWhite;
extern Color4 ColorLightGrey;
extern Color4 ColorGrey;
extern Color4 ColorBlack;
extern Color4 ColorTransparentWhite;
extern Color4 ColorTranslucentGreen;
extern Color4 BoundingColor;
extern Color4 HitBoxColor;
extern Color4 StrikeColor;

void SetInterfaceColors();

// Puts every value above back to its state before start-up.
void ResetGlobals();
