#pragma once
// 16-bit PCM mono RIFF/WAVE files.

#include "Synth.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> EncodeWave(const synth::Buffer& samples, int rate = synth::kRate);
bool WriteWave(const std::string& path, const synth::Buffer& samples);
