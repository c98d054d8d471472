#include "support/GameHarness.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/Application.h"
#include "engine/DeferredDeleteList.h"
#include "engine/Globals.h"
#include "engine/SoundSystem.h"
#include "platform/Renderer.h"
#include "support/FrameReferences.h"

namespace fs = std::filesystem;

namespace {
// The game rolls its dice from a seed taken from the clock; a test plays the same game each run.
constexpr unsigned DiceSeed = 20261207;
}  // namespace

void PrepareContentFolder(const fs::path& folder) {
  const fs::path source = QM_CONTENT_DIR;
  const fs::path target = folder / "Content";
  fs::create_directories(target);
  for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
    const fs::path name = entry.path().filename();
    // Generated pictures and sounds are only read: link them. Text content may be rewritten.
    if (name == "Textures" || name == "Audio") {
      fs::create_directory_symlink(entry.path(), target / name);
    } else if (name != "Saves") {
      fs::copy(entry.path(), target / name, fs::copy_options::recursive);
    }
  }
  fs::create_directories(target / "Saves");
  fs::create_directories(target / "Maps");
}

GameHarness::GameHarness(bool presentWaits) {
  ResetGlobals();
  PrepareContentFolder(folder_.Path());
  workingFolder_ = std::make_unique<WorkingFolder>(folder_.Path());
  platform_ = std::make_unique<platform::HeadlessPlatform>();
  platform_->SetPresentWaits(presentWaits);
  started_ = StartUp(*platform_);
  std::srand(DiceSeed);
}

GameHarness::~GameHarness() {
  if (started_) ShutDown();
  platform_.reset();
  workingFolder_.reset();
  ResetGlobals();
}

void GameHarness::Step(float seconds) {
  platform_->AdvanceClock(static_cast<uint64_t>(std::llround(seconds * 1'000'000.0)));
  // Sounds play on in step with the clock, so an effect ends and music moves on as in a run.
  if (MainSoundSystem && seconds > 0.0f) {
    const auto frames = static_cast<uint32_t>(std::lround(seconds * platform::OutputSampleRate));
    std::vector<int16_t> samples(static_cast<size_t>(frames) * platform::OutputChannels);
    MainSoundSystem->device->Render(samples.data(), frames);
  }
  RunFramePass();
}

void GameHarness::StepUndrawn(float seconds) {
  platform_->AdvanceClock(static_cast<uint64_t>(std::llround(seconds * 1'000'000.0)));
  AdvanceFrameTimer();
  HandleFrameInput();
  UpdateFrame();
  DeferredDeletes->Empty();
}

void GameHarness::StepFrames(int count, float seconds) {
  for (int i = 0; i < count; ++i) Step(seconds);
}

void GameHarness::TapKey(int virtualKey) {
  PressKey(virtualKey);
  Step();
  ReleaseKey(virtualKey);
  Step();
}

void GameHarness::TapPad(int slot, uint16_t button) {
  platform::PadState state;
  state.buttons = button;
  platform_->ConnectPad(slot, state);
  Step();
  platform_->ConnectPad(slot, {});
  Step();
}

uint32_t GameHarness::Pixel(int x, int y) const { return Device ? Device->ReadPixel(x, y) : 0; }

bool GameHarness::SaveFrame(const std::string& path) const {
  return Device && Device->SaveFramePng(path);
}

bool GameHarness::KeepFrame(const std::string& name) const { return KeepFrameIn(Folder(), name); }
