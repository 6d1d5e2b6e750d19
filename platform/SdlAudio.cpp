#include "platform/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QByteArray>
#include <QFileInfo>

namespace platform {
namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class SdlAudio : public AudioBackend {
public:
    ~SdlAudio() override {
        if (!opened_) return;
        Mix_HaltChannel(-1);
        if (chunk_) Mix_FreeChunk(chunk_);
        if (music_) Mix_FreeMusic(music_);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    void playWave(const QString& path) override {
        if (!open()) return;
        Mix_HaltChannel(0);
        if (chunk_) Mix_FreeChunk(chunk_);
        chunk_ = Mix_LoadWAV(QFileInfo(path).absoluteFilePath().toLocal8Bit().constData());
        if (chunk_) Mix_PlayChannel(0, chunk_, 0);
    }

    int playMidi(const QString& path) override {
        if (!open()) return 1;
        if (music_) return 0; // already open: the sequencer keeps playing it
        if (!fontSet_) {
            // Debian's build ignores SDL_SOUNDFONTS; the soundfont is set explicitly, and only
            // when music is first wanted, because loading it is slow.
            Mix_SetSoundFonts(kSoundFont);
            fontSet_ = true;
        }
        music_ = Mix_LoadMUS(QFileInfo(path).absoluteFilePath().toLocal8Bit().constData());
        if (!music_) return 2;
        return Mix_PlayMusic(music_, 1) == 0 ? 0 : 3;
    }

    int stopMidi() override {
        if (!music_) return 263; // closing an alias that is not open
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
        return 0;
    }

private:
    bool open() {
        if (tried_) return opened_;
        tried_ = true;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
            // No sound device: sound is simply off for this run.
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        Mix_Init(MIX_INIT_MID);
        Mix_AllocateChannels(1);
        opened_ = true;
        return true;
    }

    bool tried_ = false;
    bool opened_ = false;
    bool fontSet_ = false;
    Mix_Chunk* chunk_ = nullptr;
    Mix_Music* music_ = nullptr;
};

std::unique_ptr<AudioBackend>& current() {
    static std::unique_ptr<AudioBackend> backend;
    return backend;
}

} // namespace

std::unique_ptr<AudioBackend> MakeSdlAudioBackend() { return std::make_unique<SdlAudio>(); }

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
