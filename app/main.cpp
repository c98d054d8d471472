#include "app/Application.h"
#include "platform/Platform.h"

int main() {
  platform::UseProgramFolderAsWorkingFolder();
  auto platform = platform::CreateWindowPlatform();
  return RunGame(*platform);
}
