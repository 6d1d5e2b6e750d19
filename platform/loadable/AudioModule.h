#pragma once
// What the audio module exports: one function that makes its player. The module and the
// program are built together, so the player crosses the boundary as a C++ object.

#include <QByteArray>
#include <QtGlobal>

namespace platform {

// What playMidi and stopMidi answer, on both sides of the module boundary.
inline constexpr int kNoAudioDevice = 1;  // nothing to play it on: no module, no sound device
inline constexpr int kTuneUnreadable = 2; // no tune could be read from the file or its bytes
// Closing music that is not open answers like the old sequencer did: "invalid device name".
inline constexpr int kTuneNotOpen = 263;

// Plays what the program has already read: the program reads every sound file itself (see
// Audio.cpp), so the audio stack is never handed a path that could block it.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts a wave (or any sound the mixer knows) at once; a new one cuts off the last.
    virtual void playWave(const QByteArray& sound) = 0;
    // Starts a MIDI tune unless one is playing still; 0 on success, else an error code.
    virtual int playMidi(const QByteArray& tune) = 0;
    // Stops and closes the tune; an error code when none was open.
    virtual int stopMidi() = 0;
};

} // namespace platform

extern "C" {
using ParlovexCreateAudioBackendFn = platform::SoundPlayer* (*)();
}

inline constexpr const char* kAudioModuleName = "parlovex_audio";
inline constexpr const char* kAudioModuleEntry = "ParlovexCreateAudioBackend";
