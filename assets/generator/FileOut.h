#pragma once
// Writes a generated file whole: into a temporary file first, then renamed over the target, so
// an interrupted build never leaves a half-written sound behind.

#include <cstdint>
#include <string>
#include <vector>

bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes);

// Little- and big-endian appenders for the file formats.
void PutLE(std::vector<uint8_t>& out, uint32_t value, int bytes);
void PutBE(std::vector<uint8_t>& out, uint32_t value, int bytes);
void PutText(std::vector<uint8_t>& out, const char* fourCC);
