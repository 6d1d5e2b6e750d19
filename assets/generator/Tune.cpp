#include "Tune.h"

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

namespace {

constexpr uint32_t kEighth = kTicksPerQuarter / 2;
constexpr uint32_t kBar = 8 * kEighth;
constexpr double kTempo = 112;

// General MIDI channels and programs.
constexpr int kMelody = 0, kChords = 1, kBass = 2, kDouble = 3, kDrums = 9;
constexpr int kFlute = 73, kElectricPiano = 4, kFingerBass = 33, kVibraphone = 11;
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kOpenHat = 46, kCrash = 49;

struct Note {
    int key; // 0: rest
    uint32_t eighths;
};

// "E5/2 F#5/1 r/2": note name, octave and length in eighths.
std::vector<Note> Parse(const std::string& text) {
    static const std::map<char, int> steps{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                           {'G', 7}, {'A', 9}, {'B', 11}};
    std::vector<Note> notes;
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        const size_t slash = token.find('/');
        const uint32_t length = uint32_t(std::atoi(token.c_str() + slash + 1));
        if (token[0] == 'r') {
            notes.push_back({0, length});
            continue;
        }
        int key = steps.at(token[0]);
        size_t pos = 1;
        if (token[pos] == '#') ++key, ++pos;
        if (token[pos] == 'b') --key, ++pos;
        key += (token[pos] - '0' + 1) * 12;
        notes.push_back({key, length});
    }
    return notes;
}

const char* kVerse = "E5/2 G5/1 E5/1 C5/2 E5/2 | A4/2 C5/1 E5/1 A5/3 G5/1 |"
                     "F5/2 A5/1 F5/1 C5/2 F5/2 | G5/3 F5/1 E5/2 D5/2 |"
                     "E5/2 G5/1 E5/1 C6/2 B5/1 A5/1 | A5/2 E5/2 C5/2 E5/1 F5/1 |"
                     "D5/2 F5/1 A5/1 G5/2 B4/2 | C5/6 r/2";
const char* kVerseAgain = "E5/2 G5/1 E5/1 C5/2 E5/2 | A4/2 C5/1 E5/1 A5/3 G5/1 |"
                          "F5/2 A5/1 F5/1 C5/2 F5/2 | G5/3 F5/1 E5/2 D5/2 |"
                          "E5/2 G5/1 E5/1 C6/3 D6/1 | E6/2 D6/1 C6/1 A5/4 |"
                          "F5/2 A5/1 F5/1 D5/2 B4/1 D5/1 | C5/4 r/2 E5/1 G5/1";
const char* kBridge = "A5/3 G5/1 F5/2 A5/2 | B5/3 A5/1 G5/2 D5/2 | G5/3 E5/1 B4/2 E5/2 |"
                      "C6/3 B5/1 A5/2 E5/2 | F5/2 A5/2 C6/2 A5/2 | B5/2 G5/2 D6/2 B5/2 |"
                      "C6/3 G5/1 E5/2 C5/2 | D5/2 F5/2 B5/2 G5/2";
const char* kEnding = "F5/2 A5/2 C6/4 | B5/2 D6/2 G5/4 | C6/8";

// One chord per half bar.
const char* kVerseChords = "C C Am Am F F G G C C Am Am Dm G C C";
const char* kBridgeChords = "F F G G Em Em Am Am F F G G C C G7 G7";
const char* kEndingChords = "F F G G C C";

const std::map<std::string, std::vector<int>> kVoicings{
    {"C", {55, 60, 64}},  {"Am", {57, 60, 64}}, {"F", {57, 60, 65}},     {"G", {55, 59, 62}},
    {"Dm", {57, 62, 65}}, {"Em", {55, 59, 64}}, {"G7", {55, 59, 62, 65}}};
const std::map<std::string, int> kRoots{{"C", 36},  {"Am", 45}, {"F", 41}, {"G", 43},
                                        {"Dm", 38}, {"Em", 40}, {"G7", 43}};

void WriteMelody(midi::Track& track, int channel, const std::string& text, uint32_t start,
                 int velocity) {
    std::string clean = text;
    for (char& c : clean)
        if (c == '|') c = ' ';
    uint32_t at = start;
    int index = 0;
    for (const Note& n : Parse(clean)) {
        const uint32_t length = n.eighths * kEighth;
        // Notes on the beat lean a little harder; a small gap keeps the phrasing light.
        const int accent = (at % kTicksPerQuarter == 0) ? 8 : 0;
        if (n.key) track.note(at, length - 30, channel, n.key, velocity + accent - (index++ % 3));
        at += length;
    }
}

void WriteHarmony(midi::Track& chords, midi::Track& bass, const std::string& symbols,
                  uint32_t start, bool lastHeld) {
    std::istringstream in(symbols);
    std::vector<std::string> halves;
    for (std::string s; in >> s;)
        halves.push_back(s);
    for (size_t i = 0; i < halves.size(); ++i) {
        const uint32_t at = start + uint32_t(i) * (kBar / 2);
        const auto& voicing = kVoicings.at(halves[i]);
        const int root = kRoots.at(halves[i]);
        if (lastHeld && i + 2 >= halves.size()) {
            if (i + 1 == halves.size()) continue; // the final chord already holds the whole bar
            for (int key : voicing)
                chords.note(at, kBar, kChords, key, 58);
            chords.note(at, kBar, kChords, 48, 58);
            bass.note(at, kBar, kBass, root, 88);
            continue;
        }
        // "One, two-and" comping; bass walks root, fifth, octave.
        for (int key : voicing) {
            chords.note(at, kEighth + kEighth / 2, kChords, key, 56);
            chords.note(at + 3 * kEighth, kEighth - 40, kChords, key, 48);
        }
        bass.note(at, 2 * kEighth - 40, kBass, root, 90);
        bass.note(at + 2 * kEighth, kEighth - 30, kBass, root + 7, 78);
        bass.note(at + 3 * kEighth, kEighth - 30, kBass, root + 12, 72);
    }
}

void WriteDrums(midi::Track& drums, uint32_t bars, const std::vector<uint32_t>& crashBars) {
    for (uint32_t bar = 0; bar < bars; ++bar) {
        const uint32_t at = bar * kBar;
        const bool last = bar + 1 == bars;
        for (uint32_t c : crashBars)
            if (c == bar) drums.note(at, kEighth, kDrums, kCrash, 70);
        drums.note(at, kEighth, kDrums, kKick, 84);
        if (last) break;
        drums.note(at + 4 * kEighth, kEighth, kDrums, kKick, 76);
        drums.note(at + 2 * kEighth, kEighth, kDrums, kSnare, 58);
        drums.note(at + 6 * kEighth, kEighth, kDrums, kSnare, 62);
        const bool turnaround = bar % 4 == 3;
        for (uint32_t e = 0; e < 8; ++e) {
            if (turnaround && e == 7) {
                drums.note(at + e * kEighth, kEighth, kDrums, kOpenHat, 50);
                drums.note(at + e * kEighth, kEighth, kDrums, kSnare, 44);
            } else {
                drums.note(at + e * kEighth, kEighth / 2, kDrums, kClosedHat, e % 2 ? 34 : 52);
            }
        }
    }
}

void SetUp(midi::Track& t, int channel, int program, int volume, int pan, int reverb) {
    if (program >= 0) t.program(0, channel, program);
    t.control(0, channel, 7, volume);
    t.control(0, channel, 10, pan);
    t.control(0, channel, 91, reverb);
}

} // namespace

std::vector<midi::Track> BackgroundTune() {
    // Form: one bar of introduction, verse, verse, bridge, verse, three bars of ending.
    const uint32_t verse1 = 1 * kBar, verse2 = 9 * kBar, bridge = 17 * kBar, verse3 = 25 * kBar,
                   ending = 33 * kBar;
    const uint32_t bars = 36;

    midi::Track conductor("Halvik");
    conductor.tempo(0, kTempo);
    conductor.timeSignature(0, 4, 2);

    midi::Track melody("Flute");
    SetUp(melody, kMelody, kFlute, 100, 64, 40);
    WriteMelody(melody, kMelody, kVerse, verse1, 84);
    WriteMelody(melody, kMelody, kVerseAgain, verse2, 86);
    WriteMelody(melody, kMelody, kBridge, bridge, 88);
    WriteMelody(melody, kMelody, kVerseAgain, verse3, 88);
    WriteMelody(melody, kMelody, kEnding, ending, 88);

    midi::Track shimmer("Vibraphone");
    SetUp(shimmer, kDouble, kVibraphone, 70, 88, 50);
    WriteMelody(shimmer, kDouble, kBridge, bridge, 60);
    WriteMelody(shimmer, kDouble, kVerseAgain, verse3, 56);
    WriteMelody(shimmer, kDouble, kEnding, ending, 60);

    midi::Track chords("Electric piano");
    midi::Track bass("Bass");
    SetUp(chords, kChords, kElectricPiano, 78, 40, 40);
    SetUp(bass, kBass, kFingerBass, 96, 64, 10);
    WriteHarmony(chords, bass, "C C", 0, false);
    WriteHarmony(chords, bass, kVerseChords, verse1, false);
    WriteHarmony(chords, bass, kVerseChords, verse2, false);
    WriteHarmony(chords, bass, kBridgeChords, bridge, false);
    WriteHarmony(chords, bass, kVerseChords, verse3, false);
    WriteHarmony(chords, bass, kEndingChords, ending, true);

    midi::Track drums("Drums");
    SetUp(drums, kDrums, -1, 80, 64, 20);
    WriteDrums(drums, bars, {1, 17, 25, 35});

    // Let the last chord ring for a beat and a half after it is released.
    const uint32_t end = bars * kBar + 3 * kEighth;
    std::vector<midi::Track> tracks{conductor, melody, shimmer, chords, bass, drums};
    for (auto& t : tracks)
        t.endAt(end);
    return tracks;
}
