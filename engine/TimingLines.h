#pragma once

#include <array>
#include <string>

// The timing lines of the debug overlays: the screen's name, the time since start-up, the
// frame rate and the time since this frame began, the clock read as they are made.
std::array<std::wstring, 4> TimingLines(const std::wstring& stateName);
