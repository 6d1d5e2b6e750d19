#pragma once
// Standard MIDI files (format 1): tracks are filled with events at absolute ticks and written
// sorted, with delta times and an end-of-track on each.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace midi {

class Track {
  public:
    explicit Track(const std::string& name);

    void tempo(uint32_t tick, double beatsPerMinute);
    void timeSignature(uint32_t tick, int numerator, int denominatorPower);
    void program(uint32_t tick, int channel, int program);
    void control(uint32_t tick, int channel, int controller, int value);
    // A note from `tick` lasting `length` ticks.
    void note(uint32_t tick, uint32_t length, int channel, int key, int velocity);
    // Puts the end-of-track no earlier than `tick` (room for the last notes to ring out).
    void endAt(uint32_t tick) { end_ = std::max(end_, tick); }

    // The chunk body: delta-timed events ending in the end-of-track meta event.
    std::vector<uint8_t> encode() const;

  private:
    struct Event {
        uint32_t tick;
        int order; // at the same tick: meta/controls first, then note-offs, then note-ons
        uint32_t seq;
        std::vector<uint8_t> bytes;
    };
    void add(uint32_t tick, int order, std::vector<uint8_t> bytes);

    std::vector<Event> events_;
    uint32_t end_ = 0;
};

std::vector<uint8_t> EncodeFile(const std::vector<Track>& tracks, int ticksPerQuarter);
bool WriteFile(const std::string& path, const std::vector<Track>& tracks, int ticksPerQuarter);

} // namespace midi
