#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Every frame a game test keeps is compared with the hash recorded for its name in
// tests/FrameReferences.txt, so that a drawing change no assertion names still shows. A change
// that is meant is looked at in the build's frames folder and recorded with scripts/record-frames.sh.

uint64_t FrameHash(const std::vector<uint32_t>& pixels);

// The recorded hash of the named frame, if any.
std::optional<uint64_t> ReferenceHash(const std::string& name);

// Fails the running test when the frame differs from its reference or has none, unless the run
// records (QM_RECORD_FRAMES). With a keep folder, writes "<name>.hash" there for the recording.
void CheckFrame(const std::string& name, const std::vector<uint32_t>& pixels,
                const char* keepFolder);
