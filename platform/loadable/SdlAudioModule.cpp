// The SDL2_mixer backend, built as a module of its own: the audio stack (SDL, FluidSynth,
// codecs, sound servers) is loaded only when the program first plays something.
#include "platform/loadable/AudioModule.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform {
namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// The tune sits under the effects: both at full level together would clip.
constexpr int kMusicVolume = MIX_MAX_VOLUME * 5 / 8;

// Reads from bytes the caller keeps alive; nothing when there are none.
SDL_RWops* FromBytes(const QByteArray& bytes) {
    return bytes.isEmpty() ? nullptr : SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
}

class SdlAudio : public SoundPlayer {
  public:
    ~SdlAudio() override {
        if (!opened_) return;
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        if (chunk_) Mix_FreeChunk(chunk_);
        if (music_) Mix_FreeMusic(music_);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    void playWave(const QByteArray& sound) override {
        if (!open()) return;
        // One channel: the new sound cuts off the one still playing.
        Mix_HaltChannel(0);
        if (chunk_) Mix_FreeChunk(chunk_);
        chunk_ = nullptr;
        // The chunk keeps decoded samples of its own: the bytes are not needed afterwards.
        if (SDL_RWops* source = FromBytes(sound)) chunk_ = Mix_LoadWAV_RW(source, 1);
        if (chunk_) Mix_PlayChannel(0, chunk_, 0);
    }

    int playMidi(const QByteArray& tune) override {
        if (!open()) return kNoAudioDevice;
        if (music_) {
            // Still open: a tune that is playing goes on; one that has ended starts again.
            if (Mix_PlayingMusic()) return 0;
            freeMusic();
        }
        if (!fontSet_) {
            // Debian's build ignores SDL_SOUNDFONTS, and a missing font shows up as
            // "Couldn't open timidity.cfg". The font itself loads with the first tune.
            Mix_SetSoundFonts(kSoundFont);
            Mix_Init(MIX_INIT_MID);
            fontSet_ = true;
        }
        // The tune may read from its bytes while it plays: they live as long as it does.
        tune_ = tune;
        SDL_RWops* source = FromBytes(tune_);
        music_ = source ? Mix_LoadMUS_RW(source, 1) : nullptr;
        if (!music_) {
            tune_.clear();
            return kTuneUnreadable;
        }
        Mix_VolumeMusic(kMusicVolume);
        if (Mix_PlayMusic(music_, 1) != 0) {
            freeMusic();
            return 3;
        }
        return 0;
    }

    int stopMidi() override {
        if (!music_) return kTuneNotOpen;
        Mix_HaltMusic();
        freeMusic();
        return 0;
    }

  private:
    void freeMusic() {
        Mix_FreeMusic(music_);
        music_ = nullptr;
        tune_.clear();
    }

    bool open() {
        if (tried_) return opened_;
        tried_ = true;
        // Without this, SDL takes over SIGINT and SIGTERM and turns them into quit events that
        // nobody reads: Ctrl+C and a plain kill would no longer end the program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
            // No sound device: sound is simply off for this run.
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        Mix_AllocateChannels(1);
        opened_ = true;
        return true;
    }

    bool tried_ = false;
    bool opened_ = false;
    bool fontSet_ = false;
    Mix_Chunk* chunk_ = nullptr;
    Mix_Music* music_ = nullptr;
    QByteArray tune_;
};

} // namespace
} // namespace platform

extern "C" Q_DECL_EXPORT platform::SoundPlayer* ParlovexCreateAudioBackend() {
    return new platform::SdlAudio();
}
