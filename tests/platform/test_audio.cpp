// The real SDL2_mixer backend, heard through SDL's disk driver: whatever the mixer plays lands in
// a raw file (16-bit stereo) that the tests read back.
#include "platform/Audio.h"

#include <SDL.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

QString Beside(const char* name) {
    return QCoreApplication::applicationDirPath() + "/" + name;
}

// Follows the disk driver's output file as it grows.
class Output {
  public:
    explicit Output(const QString& path) : path_(path) {}

    // Reads what was written since the last call; returns the frame index of the first audible
    // sample in it, if any, and remembers the last audible one.
    std::optional<qint64> readNew() {
        QFile f(path_);
        if (!f.open(QIODevice::ReadOnly) || !f.seek(bytes_)) return {};
        const QByteArray b = f.read(f.size() - bytes_);
        const qsizetype count = b.size() / 4 * 2; // whole stereo frames only
        if (count == 0) return {};
        std::vector<int16_t> samples(static_cast<size_t>(count));
        std::memcpy(samples.data(), b.constData(), size_t(count) * 2);
        std::optional<qint64> first;
        for (qsizetype i = 0; i < count; ++i) {
            if (samples[size_t(i)] > 64 || samples[size_t(i)] < -64) {
                const qint64 frame = bytes_ / 4 + i / 2;
                if (!first) first = frame;
                lastLoud_ = frame;
            }
        }
        const qsizetype usable = count * 2;
        bytes_ += usable;
        return first;
    }
    // Waits until an audible sample arrives at or after `fromFrame`; false on timeout.
    bool waitForSound(qint64 fromFrame = 0, int ms = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            readNew();
            if (lastLoud_ >= fromFrame) return true;
            QThread::msleep(2);
        }
        return false;
    }
    // Waits until the output has stayed silent for `frames` after the last audible sample.
    bool waitForSilence(qint64 frames, int ms = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            readNew();
            if (lastLoud_ >= 0 && bytes_ / 4 - lastLoud_ > frames) return true;
            QThread::msleep(2);
        }
        return false;
    }
    qint64 frames() const { return bytes_ / 4; }
    bool exists() const { return QFile::exists(path_); }

  private:
    QString path_;
    qint64 bytes_ = 0;
    qint64 lastLoud_ = -1;
};

class SdlAudioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // SDL reads its driver choice when audio first starts: a backend opened elsewhere would
        // make this test listen to the wrong device.
        if (SDL_WasInit(SDL_INIT_AUDIO)) GTEST_SKIP() << "SDL audio already started elsewhere";
        ASSERT_TRUE(dir_.isValid());
        if (const char* d = std::getenv("SDL_AUDIODRIVER")) savedDriver_ = d;
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", rawPath().toLocal8Bit().constData(), 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);
    }
    void TearDown() override {
        backend_.reset();
        if (savedDriver_)
            setenv("SDL_AUDIODRIVER", savedDriver_->c_str(), 1);
        else
            unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
    }
    platform::AudioBackend& audio() {
        if (!backend_) backend_ = platform::MakeSdlAudioBackend();
        return *backend_;
    }
    QString rawPath() const { return dir_.filePath("out.raw"); }

    QTemporaryDir dir_;
    std::optional<std::string> savedDriver_;
    std::unique_ptr<platform::AudioBackend> backend_;
};

TEST_F(SdlAudioTest, AWaveReachesTheDeviceAndAMissingOneStaysSilent) {
    struct sigaction before {
    }, after{};
    sigaction(SIGINT, nullptr, &before);
    Output out(rawPath());
    audio().playWave(dir_.filePath("Nothing here.wav"));
    EXPECT_FALSE(out.exists()) << "nothing to play opens no device";

    audio().playWave(Beside("Chord.wav"));
    ASSERT_TRUE(out.exists()) << "the device opens on first use";
    EXPECT_TRUE(out.waitForSound(out.frames()));
    sigaction(SIGINT, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler) << "Ctrl+C must still end the program";
}

TEST_F(SdlAudioTest, TheTunePlaysThroughTheSoundFontAndStops) {
    if (!QFile::exists(kSoundFont)) GTEST_SKIP() << "no soundfont installed";
    Output out(rawPath());
    EXPECT_EQ(audio().playMidi(Beside("Halvik.MID")), 0);
    EXPECT_TRUE(out.waitForSound());
    EXPECT_EQ(audio().playMidi(Beside("Halvik.MID")), 0) << "already playing: it goes on";

    EXPECT_EQ(audio().stopMidi(), 0);
    EXPECT_NE(audio().stopMidi(), 0) << "closed already";
    EXPECT_TRUE(out.waitForSilence(44100 / 4));
}

TEST_F(SdlAudioTest, ATuneThatHasEndedStartsAgain) {
    if (!QFile::exists(kSoundFont)) GTEST_SKIP() << "no soundfont installed";
    // One short note: middle C for a quarter of a second.
    const char smf[] = "MThd\0\0\0\6\0\0\0\1\0\x60"
                       "MTrk\0\0\0\x12"
                       "\0\xc0\0"
                       "\0\x90\x3c\x64"
                       "\x30\x80\x3c\x40"
                       "\0\xff\x2f\0";
    const QString path = dir_.filePath("short.mid");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(smf, sizeof smf - 1);
    f.close();

    Output out(rawPath());
    ASSERT_EQ(audio().playMidi(path), 0);
    ASSERT_TRUE(out.waitForSound());
    // The sequencer reports the end a few seconds after the last note has died away.
    // The disk driver writes in real time, so a busy machine needs a generous wait.
    ASSERT_TRUE(out.waitForSilence(44100 * 5, 40000));
    const qint64 ended = out.frames();
    EXPECT_EQ(audio().playMidi(path), 0);
    EXPECT_TRUE(out.waitForSound(ended, 15000));
}

TEST_F(SdlAudioTest, StoppingWhenNothingPlaysOnlyReturnsAnError) {
    EXPECT_NE(audio().stopMidi(), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "no device opened just to stop";
    EXPECT_FALSE(QFile::exists(rawPath()));
    EXPECT_NE(audio().playMidi(dir_.filePath("missing.mid")), 0);
    EXPECT_NE(audio().stopMidi(), 0);
}

TEST_F(SdlAudioTest, WithoutASoundDeviceEverythingIsSilentAndNothingFails) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    audio().playWave(Beside("Chord.wav"));
    EXPECT_NE(audio().playMidi(Beside("Halvik.MID")), 0);
    EXPECT_NE(audio().stopMidi(), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

} // namespace
