#pragma once

namespace platform {
class Platform;
}

// The program's shell: start-up, one pass of the frame loop, shutdown.

// Opens the window, creates the drawing device and every shared resource, and builds the
// screens. False when the program cannot go on (the failure has been reported).
bool StartUp(platform::Platform& platform);
// One pass of the loop: window events, then, while the window is active, a whole frame.
void RunFramePass();
void ShutDown();
// Start-up, the loop while Running is set, shutdown; returns the program's exit status.
int RunGame(platform::Platform& platform);

void InitializeResources();
bool WriteDefaultMap();
void AdvanceFrameTimer();
// The input step of a frame, with the elapsed time not yet clamped.
void HandleFrameInput();
void UpdateFrame();
void RenderFrame();
