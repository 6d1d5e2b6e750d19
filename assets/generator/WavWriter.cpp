#include "WavWriter.h"

#include "FileOut.h"

#include <algorithm>
#include <cmath>

std::vector<uint8_t> EncodeWave(const synth::Buffer& samples, int rate) {
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutText(out, "RIFF");
    PutLE(out, 36 + dataBytes, 4);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    PutLE(out, 16, 4);
    PutLE(out, 1, 2); // PCM
    PutLE(out, 1, 2); // mono
    PutLE(out, uint32_t(rate), 4);
    PutLE(out, uint32_t(rate * 2), 4);
    PutLE(out, 2, 2);
    PutLE(out, 16, 2);
    PutText(out, "data");
    PutLE(out, dataBytes, 4);
    for (float s : samples) {
        const long v = std::lround(std::clamp(double(s), -1.0, 1.0) * 32767.0);
        PutLE(out, uint32_t(int16_t(v)) & 0xffffu, 2);
    }
    return out;
}

bool WriteWave(const std::string& path, const synth::Buffer& samples) {
    return WriteWhole(path, EncodeWave(samples));
}
