#include "platform/Audio.h"

#include "platform/LoadableModule.h"
#include "platform/SafeFile.h"
#include "platform/loadable/AudioModule.h"

namespace platform {
namespace {

// The shipped sounds are a few hundred kilobytes; one the player put in their place may be
// larger than a text file, but not without end.
constexpr qint64 kMaxSoundSize = 16 * 1024 * 1024;

// Silence, for a run whose audio module cannot be loaded.
class NoAudio : public SoundPlayer {
  public:
    void playWave(const QByteArray&) override {}
    int playMidi(const QByteArray&) override { return kNoAudioDevice; }
    int stopMidi() override { return kTuneNotOpen; }
};

// Reads each file the way every other file is read (a regular file, bounded), then loads the
// module at the first sound or tune and hands it the bytes. A pipe or a device put in place of
// a sound would otherwise block the program for good inside the audio stack.
class LazyAudio : public AudioBackend {
  public:
    void playWave(const QString& path) override {
        QByteArray sound;
        // A sound that cannot be read is skipped in silence: it is not worth a message in the
        // middle of a round.
        if (ReadFileWhole(path, sound, nullptr, kMaxSoundSize)) player().playWave(sound);
    }
    int playMidi(const QString& path) override {
        QByteArray tune;
        if (!ReadFileWhole(path, tune, nullptr, kMaxSoundSize)) return kTuneUnreadable;
        return player().playMidi(tune);
    }
    int stopMidi() override {
        // Nothing was ever played: no need to load the audio stack to stop it.
        if (!loaded_) return kTuneNotOpen;
        return player().stopMidi();
    }

  private:
    SoundPlayer& player() {
        if (!loaded_) {
            loaded_ = std::make_unique<NoAudio>();
            auto create = ResolveModuleEntry<ParlovexCreateAudioBackendFn>(kAudioModuleName,
                                                                           kAudioModuleEntry);
            if (create) loaded_.reset(create());
        }
        return *loaded_;
    }
    std::unique_ptr<SoundPlayer> loaded_;
};

std::unique_ptr<AudioBackend>& current() {
    static std::unique_ptr<AudioBackend> backend;
    return backend;
}

} // namespace

std::unique_ptr<AudioBackend> MakeSdlAudioBackend() {
    return std::make_unique<LazyAudio>();
}

AudioBackend& Audio() {
    auto& b = current();
    if (!b) b = MakeSdlAudioBackend();
    return *b;
}

std::unique_ptr<AudioBackend> SetAudioBackend(std::unique_ptr<AudioBackend> backend) {
    auto old = std::move(current());
    current() = std::move(backend);
    return old;
}

} // namespace platform
