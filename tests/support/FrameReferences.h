#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Every frame a game test keeps is compared with the hash recorded for its name in
// tests/FrameReferences.txt, so that a drawing change no assertion names still shows. A change
// that is meant is looked at in the build's frames folder and recorded with scripts/record-frames.sh.

uint64_t FrameHash(const std::vector<uint32_t>& pixels);

// The recorded hash of the named frame, if any.
std::optional<uint64_t> ReferenceHash(const std::string& name);

// Saves the device's frame as the named PNG in the folder, copies it to the folder QM_KEEP_FRAMES
// names (with "<name>.hash" for a recording) and fails the running test when it differs from its
// reference or has none, unless the run records (QM_RECORD_FRAMES). False when it cannot be saved.
bool KeepFrameIn(const std::filesystem::path& folder, const std::string& name);
