#pragma once

#include <filesystem>
#include <string>

#include "Music.h"
#include "Synth.h"

// A mono 16-bit 44100 Hz WAV file with the canonical 44-byte header.
std::string EncodeWave(const Signal& samples);
// Ogg Vorbis of the stereo signal at 44100 Hz.
std::string EncodeVorbis(const StereoSignal& signal, const std::string& title);

// Writes through a temporary file beside the target, so a failure leaves no half-written file.
bool WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
