#include "platform/HeadlessPlatform.h"

#include "platform/AudioDevice.h"
#include "platform/Renderer.h"

namespace platform {

HeadlessPlatform::HeadlessPlatform() = default;

bool HeadlessPlatform::OpenWindow(const WindowRequest& request) {
  window_ = request;
  windowOpen_ = true;
  return true;
}

std::optional<WindowEvent> HeadlessPlatform::PollEvent() {
  if (events_.empty()) return std::nullopt;
  WindowEvent event = events_.front();
  events_.pop_front();
  return event;
}

void HeadlessPlatform::WaitForEvent(int) { ++waitCount_; }

void HeadlessPlatform::SetCursorVisible(bool visible) { cursorVisible_ = visible; }

void HeadlessPlatform::ShowMessageBox(const std::string& caption, const std::string& text) {
  lastMessage_ = caption + ": " + text;
}

void HeadlessPlatform::GetWindowPosition(int& x, int& y) const {
  x = window_.x;
  y = window_.y;
}

uint64_t HeadlessPlatform::NowMicroseconds() { return now_; }

void HeadlessPlatform::PaceFrame(uint64_t periodMicroseconds) {
  ++paceCount_;
  const uint64_t until = schedule_.Next(now_, periodMicroseconds);
  if (paceWaits_) now_ = until;
}

void HeadlessPlatform::ReadKeyboard(KeyArray& keys) { keys = keys_; }

MouseSample HeadlessPlatform::ReadMouse() { return mouse_; }

bool HeadlessPlatform::ReadPad(int slot, PadState& state) {
  if (slot < 0 || slot >= PadSlotCount || !pads_[slot]) return false;
  state = *pads_[slot];
  return true;
}

void HeadlessPlatform::StopVibration(int slot) {
  if (slot >= 0 && slot < PadSlotCount) ++vibrationStops_[slot];
}

std::unique_ptr<Renderer> HeadlessPlatform::CreateRenderer() {
  return Renderer::CreateOffscreen(window_.clientWidth > 0 ? window_.clientWidth : 800,
                                   window_.clientHeight > 0 ? window_.clientHeight : 600,
                                   presentWaits_);
}

std::unique_ptr<AudioDevice> HeadlessPlatform::CreateAudioDevice() {
  return OpenMemoryAudioDevice();
}

void HeadlessPlatform::SetKey(int virtualKey, bool down) {
  uint8_t& key = keys_.at(static_cast<size_t>(virtualKey));
  key = down ? static_cast<uint8_t>(key | 0x80) : static_cast<uint8_t>(key & ~0x80);
}

void HeadlessPlatform::SetToggled(int virtualKey, bool toggled) {
  uint8_t& key = keys_.at(static_cast<size_t>(virtualKey));
  key = toggled ? static_cast<uint8_t>(key | 0x01) : static_cast<uint8_t>(key & ~0x01);
}

void HeadlessPlatform::ReleaseAllKeys() {
  for (uint8_t& key : keys_) key &= 0x01;
}

void HeadlessPlatform::ConnectPad(int slot, const PadState& state) { pads_.at(slot) = state; }

void HeadlessPlatform::DisconnectPad(int slot) { pads_.at(slot).reset(); }

}  // namespace platform
