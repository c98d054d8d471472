#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/AudioDevice.h"
#include "platform/FrameSchedule.h"
#include "platform/InputMapping.h"
#include "platform/Platform.h"
#include "platform/RendererImpl.h"

namespace platform {

namespace {

constexpr uint8_t KeyDown = 0x80;
constexpr uint8_t KeyToggled = 0x01;
constexpr uint8_t VkShift = 0x10, VkControl = 0x11, VkMenu = 0x12;
constexpr uint8_t VkCapsLock = 0x14, VkNumLock = 0x90;
constexpr uint8_t VkLShift = 0xA0, VkRShift = 0xA1, VkLControl = 0xA2, VkRControl = 0xA3;
constexpr uint8_t VkLMenu = 0xA4, VkRMenu = 0xA5;
// Beyond any display: a higher reading is no reading.
constexpr int MaxRefreshRate = 1000;

class SdlPlatform : public Platform {
 public:
  SdlPlatform() {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    initialized_ = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER) == 0;
  }

  ~SdlPlatform() override {
    for (SDL_GameController*& controller : controllers_) {
      if (controller) SDL_GameControllerClose(controller);
      controller = nullptr;
    }
    if (window_) SDL_DestroyWindow(window_);
    if (initialized_) SDL_Quit();
  }

  bool OpenWindow(const WindowRequest& request) override {
    if (!initialized_) return false;
    window_ = SDL_CreateWindow(request.title.c_str(), request.x, request.y, request.clientWidth,
                               request.clientHeight, SDL_WINDOW_SHOWN);
    requested_ = request;
    return window_ != nullptr;
  }

  std::optional<WindowEvent> PollEvent() override {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      switch (event.type) {
        case SDL_QUIT:
          return WindowEvent::CloseRequested;
        case SDL_WINDOWEVENT:
          if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) return WindowEvent::FocusGained;
          if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) return WindowEvent::FocusLost;
          if (event.window.event == SDL_WINDOWEVENT_CLOSE) return WindowEvent::CloseRequested;
          break;
        case SDL_CONTROLLERDEVICEADDED:
          AddController(event.cdevice.which);
          break;
        case SDL_CONTROLLERDEVICEREMOVED:
          RemoveController(event.cdevice.which);
          break;
        default:
          break;
      }
    }
    return std::nullopt;
  }

  void WaitForEvent(int timeoutMilliseconds) override {
    SDL_WaitEventTimeout(nullptr, timeoutMilliseconds);
  }

  void SetCursorVisible(bool visible) override { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

  void ShowMessageBox(const std::string& caption, const std::string& text) override {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), window_);
  }

  void GetWindowPosition(int& x, int& y) const override {
    x = requested_.x;
    y = requested_.y;
    if (window_) SDL_GetWindowPosition(window_, &x, &y);
  }

  uint64_t NowMicroseconds() override {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
  }

  void PaceFrame(uint64_t periodMicroseconds) override {
    const uint64_t now = NowMicroseconds();
    const uint64_t until = schedule_.Next(now, periodMicroseconds);
    if (until > now) std::this_thread::sleep_for(std::chrono::microseconds(until - now));
  }

  int RefreshRate() override {
    if (!window_) return 0;
    const int display = SDL_GetWindowDisplayIndex(window_);
    SDL_DisplayMode mode;
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0) return 0;
    // A display without a real mode (Xvfb's) may read as garbage, INT_MIN among others.
    return mode.refresh_rate > 0 && mode.refresh_rate <= MaxRefreshRate ? mode.refresh_rate : 0;
  }

  void ReadKeyboard(KeyArray& keys) override {
    keys.fill(0);
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    for (int scancode = 0; scancode < count; ++scancode) {
      if (!state[scancode]) continue;
      uint8_t virtualKey = VirtualKeyFromScancode(scancode);
      if (virtualKey != 0) keys[virtualKey] |= KeyDown;
    }
    auto either = [&keys](uint8_t generic, uint8_t left, uint8_t right) {
      if ((keys[left] | keys[right]) & KeyDown) keys[generic] |= KeyDown;
    };
    either(VkShift, VkLShift, VkRShift);
    either(VkControl, VkLControl, VkRControl);
    either(VkMenu, VkLMenu, VkRMenu);
    SDL_Keymod mods = SDL_GetModState();
    if (mods & KMOD_CAPS) keys[VkCapsLock] |= KeyToggled;
    if (mods & KMOD_NUM) keys[VkNumLock] |= KeyToggled;
  }

  MouseSample ReadMouse() override {
    MouseSample sample;
    Uint32 buttons = SDL_GetMouseState(&sample.x, &sample.y);
    int windowX = 0, windowY = 0;
    GetWindowPosition(windowX, windowY);
    sample.x += windowX;
    sample.y += windowY;
    sample.left = buttons & SDL_BUTTON(SDL_BUTTON_LEFT);
    sample.right = buttons & SDL_BUTTON(SDL_BUTTON_RIGHT);
    sample.middle = buttons & SDL_BUTTON(SDL_BUTTON_MIDDLE);
    sample.extra1 = buttons & SDL_BUTTON(SDL_BUTTON_X1);
    sample.extra2 = buttons & SDL_BUTTON(SDL_BUTTON_X2);
    return sample;
  }

  bool ReadPad(int slot, PadState& state) override {
    if (slot < 0 || slot >= PadSlotCount || !controllers_[slot]) return false;
    SDL_GameController* controller = controllers_[slot];
    if (!SDL_GameControllerGetAttached(controller)) return false;
    ControllerReading reading;
    for (int button = 0; button < ControllerReading::ButtonCount; ++button) {
      reading.buttons[button] =
          SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button));
    }
    for (int axis = 0; axis < ControllerReading::AxisCount; ++axis) {
      reading.axes[axis] =
          SDL_GameControllerGetAxis(controller, static_cast<SDL_GameControllerAxis>(axis));
    }
    PadState fresh = PadStateFromReading(reading);
    fresh.packetNumber = state.packetNumber;
    if (fresh.buttons != state.buttons || fresh.leftTrigger != state.leftTrigger ||
        fresh.rightTrigger != state.rightTrigger || fresh.thumbLX != state.thumbLX ||
        fresh.thumbLY != state.thumbLY || fresh.thumbRX != state.thumbRX ||
        fresh.thumbRY != state.thumbRY) {
      ++fresh.packetNumber;
    }
    state = fresh;
    return true;
  }

  void StopVibration(int slot) override {
    if (slot >= 0 && slot < PadSlotCount && controllers_[slot]) {
      SDL_GameControllerRumble(controllers_[slot], 0, 0, 0);
    }
  }

  std::unique_ptr<Renderer> CreateRenderer() override {
    if (!window_) return nullptr;
    return CreateWindowRenderer(window_, requested_.clientWidth, requested_.clientHeight);
  }

  std::unique_ptr<AudioDevice> CreateAudioDevice() override { return OpenSpeakerAudioDevice(); }

 private:
  void AddController(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    int slot = slots_.Connect(id);
    // No free slot, or a pad already open there (opening it again only raised its count).
    if (slot < 0 || controllers_[slot]) {
      SDL_GameControllerClose(controller);
      return;
    }
    controllers_[slot] = controller;
  }

  void RemoveController(SDL_JoystickID id) {
    int slot = slots_.Disconnect(id);
    if (slot < 0) return;
    SDL_GameControllerClose(controllers_[slot]);
    controllers_[slot] = nullptr;
  }

  bool initialized_ = false;
  SDL_Window* window_ = nullptr;
  WindowRequest requested_;
  PadSlots slots_;
  std::array<SDL_GameController*, PadSlotCount> controllers_{};
  FrameSchedule schedule_;
};

}  // namespace

std::unique_ptr<Platform> CreateWindowPlatform() { return std::make_unique<SdlPlatform>(); }

void UseProgramFolderAsWorkingFolder() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) std::filesystem::current_path(program.parent_path(), error);
}

}  // namespace platform
