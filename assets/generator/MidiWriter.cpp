#include "MidiWriter.h"

#include "FileOut.h"

#include <algorithm>
#include <cmath>

namespace midi {
namespace {

void PutVarLen(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = uint8_t(value & 0x7f);
        value >>= 7;
    } while (value);
    while (n > 1)
        out.push_back(uint8_t(groups[--n] | 0x80));
    out.push_back(groups[0]);
}

uint8_t Clamp7(int v) {
    return uint8_t(std::clamp(v, 0, 127));
}

} // namespace

Track::Track(const std::string& name) {
    std::vector<uint8_t> meta{0xff, 0x03};
    PutVarLen(meta, uint32_t(name.size()));
    meta.insert(meta.end(), name.begin(), name.end());
    add(0, 0, meta);
}

void Track::add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
    events_.push_back({tick, order, uint32_t(events_.size()), std::move(bytes)});
    end_ = std::max(end_, tick);
}

void Track::tempo(uint32_t tick, double beatsPerMinute) {
    const uint32_t micros = uint32_t(std::lround(60000000.0 / beatsPerMinute));
    add(tick, 0, {0xff, 0x51, 0x03, uint8_t(micros >> 16), uint8_t(micros >> 8), uint8_t(micros)});
}

void Track::timeSignature(uint32_t tick, int numerator, int denominatorPower) {
    add(tick, 0, {0xff, 0x58, 0x04, uint8_t(numerator), uint8_t(denominatorPower), 24, 8});
}

void Track::program(uint32_t tick, int channel, int program) {
    add(tick, 1, {uint8_t(0xc0 | (channel & 15)), Clamp7(program)});
}

void Track::control(uint32_t tick, int channel, int controller, int value) {
    add(tick, 1, {uint8_t(0xb0 | (channel & 15)), Clamp7(controller), Clamp7(value)});
}

void Track::note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
    add(tick, 3,
        {uint8_t(0x90 | (channel & 15)), Clamp7(key), uint8_t(std::clamp(velocity, 1, 127))});
    add(tick + length, 2, {uint8_t(0x80 | (channel & 15)), Clamp7(key), 64});
}

std::vector<uint8_t> Track::encode() const {
    std::vector<Event> sorted = events_;
    std::sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        if (a.tick != b.tick) return a.tick < b.tick;
        if (a.order != b.order) return a.order < b.order;
        return a.seq < b.seq;
    });
    std::vector<uint8_t> out;
    uint32_t now = 0;
    for (const Event& e : sorted) {
        PutVarLen(out, e.tick - now);
        now = e.tick;
        out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    }
    PutVarLen(out, end_ - now);
    out.insert(out.end(), {0xff, 0x2f, 0x00});
    return out;
}

std::vector<uint8_t> EncodeFile(const std::vector<Track>& tracks, int ticksPerQuarter) {
    std::vector<uint8_t> out;
    PutText(out, "MThd");
    PutBE(out, 6, 4);
    PutBE(out, 1, 2); // several tracks played together
    PutBE(out, uint32_t(tracks.size()), 2);
    PutBE(out, uint32_t(ticksPerQuarter), 2);
    for (const Track& t : tracks) {
        const std::vector<uint8_t> body = t.encode();
        PutText(out, "MTrk");
        PutBE(out, uint32_t(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

bool WriteFile(const std::string& path, const std::vector<Track>& tracks, int ticksPerQuarter) {
    return WriteWhole(path, EncodeFile(tracks, ticksPerQuarter));
}

} // namespace midi
