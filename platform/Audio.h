#pragma once
// Sound effects and MIDI music. The real backend plays through SDL2_mixer (MIDI through
// FluidSynth with a General MIDI soundfont); without a sound device everything stays silent.
// Tests install a recording backend.

#include <QString>
#include <memory>
#include <vector>

namespace platform {

class AudioBackend {
  public:
    virtual ~AudioBackend() = default;
    // Starts a wave file at once; a new sound cuts off the one still playing. A file that is
    // missing, too large or not a regular file plays nothing.
    virtual void playWave(const QString& path) = 0;
    // Opens and starts a MIDI file once; 0 on success, else an error code (also for a file
    // that cannot be read).
    virtual int playMidi(const QString& path) = 0;
    // Stops and closes the MIDI file; an error code when none was open.
    virtual int stopMidi() = 0;
};

AudioBackend& Audio();
// Replaces the backend (tests); returns the previous one.
std::unique_ptr<AudioBackend> SetAudioBackend(std::unique_ptr<AudioBackend> backend);
// The SDL2_mixer backend (opened lazily on first use).
std::unique_ptr<AudioBackend> MakeSdlAudioBackend();

// Records what would have played.
class RecordingAudio : public AudioBackend {
  public:
    void playWave(const QString& path) override { waves.push_back(path); }
    int playMidi(const QString& path) override {
        music.push_back(path);
        playing = true;
        return 0;
    }
    int stopMidi() override {
        const bool was = playing;
        playing = false;
        ++stops;
        return was ? 0 : 263;
    }
    std::vector<QString> waves;
    std::vector<QString> music;
    bool playing = false;
    int stops = 0;
};

} // namespace platform
