// Writes the program's sound effects and music into the folder given as the argument.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {
void put16(std::ofstream& f, uint16_t v) { f.put(char(v & 0xff)).put(char(v >> 8)); }
void put32(std::ofstream& f, uint32_t v) {
    put16(f, uint16_t(v & 0xffff));
    put16(f, uint16_t(v >> 16));
}

void writeWave(const std::string& path, double freq, double seconds) {
    const int rate = 22050;
    const int n = int(rate * seconds);
    std::ofstream f(path, std::ios::binary);
    f.write("RIFF", 4);
    put32(f, uint32_t(36 + n * 2));
    f.write("WAVEfmt ", 8);
    put32(f, 16);
    put16(f, 1);
    put16(f, 1);
    put32(f, rate);
    put32(f, rate * 2);
    put16(f, 2);
    put16(f, 16);
    f.write("data", 4);
    put32(f, uint32_t(n * 2));
    for (int i = 0; i < n; ++i) {
        const double env = 1.0 - double(i) / n;
        put16(f, uint16_t(int16_t(8000 * env * std::sin(2 * M_PI * freq * i / rate))));
    }
}

void writeMidi(const std::string& path) {
    std::vector<uint8_t> track;
    const uint8_t notes[] = {60, 64, 67, 72, 67, 64};
    for (uint8_t n : notes) {
        track.insert(track.end(), {0x00, 0x90, n, 0x60, 0x81, 0x40, 0x80, n, 0x00});
    }
    track.insert(track.end(), {0x00, 0xff, 0x2f, 0x00});
    std::ofstream f(path, std::ios::binary);
    f.write("MThd", 4);
    const uint8_t hdr[] = {0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
    f.write(reinterpret_cast<const char*>(hdr), sizeof hdr);
    f.write("MTrk", 4);
    const uint32_t len = uint32_t(track.size());
    const uint8_t l[] = {uint8_t(len >> 24), uint8_t(len >> 16), uint8_t(len >> 8), uint8_t(len)};
    f.write(reinterpret_cast<const char*>(l), 4);
    f.write(reinterpret_cast<const char*>(track.data()), std::streamsize(track.size()));
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string dir = std::string(argv[1]) + "/";
    const char* names[] = {"Applause", "Busted", "Chord", "Click", "CountScore", "HighScore",
                           "Markq", "Slide", "Snap", "Tick", "TwentyOne", "Wingame"};
    double f = 330;
    for (const char* n : names) {
        writeWave(dir + n + ".wav", f, 0.25);
        f *= 1.12;
    }
    writeMidi(dir + "Halvik.MID");
    return 0;
}
