#include "platform/Audio.h"

#include "platform/LoadableModule.h"
#include "platform/loadable/AudioModule.h"

namespace platform {
namespace {

// Silence, for a run whose audio module cannot be loaded.
class NoAudio : public AudioBackend {
  public:
    void playWave(const QString&) override {}
    int playMidi(const QString&) override { return 1; }
    int stopMidi() override { return 263; }
};

// Loads the module at the first sound or tune, then hands everything to its backend.
class LazyAudio : public AudioBackend {
  public:
    void playWave(const QString& path) override { backend().playWave(path); }
    int playMidi(const QString& path) override { return backend().playMidi(path); }
    int stopMidi() override {
        // Nothing was ever played: no need to load the audio stack to stop it.
        if (!loaded_) return 263;
        return backend().stopMidi();
    }

  private:
    AudioBackend& backend() {
        if (!loaded_) {
            loaded_ = std::make_unique<NoAudio>();
            auto create = ResolveModuleEntry<ParlovexCreateAudioBackendFn>(kAudioModuleName,
                                                                           kAudioModuleEntry);
            if (create) loaded_.reset(create());
        }
        return *loaded_;
    }
    std::unique_ptr<AudioBackend> loaded_;
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
