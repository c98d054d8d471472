#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct GameStateSet;

// Seconds from one frame-timer stamp to a later one; 0 when the second is not later.
float SecondsBetween(uint64_t from, uint64_t to);
// The lines every screen's diagnostics begin with: the screen's name, the time since start-up
// and the frame rate, brought up to date first.
std::vector<std::wstring> ScreenDiagnostics(const std::wstring& screenName);
// The debug menu's timing lines: the screen's name, the time since start-up, the frame rate and
// the time since this frame began, the clock read as they are made.
std::array<std::wstring, 4> TimingLines(const std::wstring& stateName);
// Stacked upward from the bottom left in the small font, through the begun sprite batch.
void DrawDiagnosticLines(const std::vector<std::wstring>& lines);
// The overlay the menus and the death screen share: the diagnostics of the set's current screen.
void DrawScreenOverlay(const GameStateSet* set);
