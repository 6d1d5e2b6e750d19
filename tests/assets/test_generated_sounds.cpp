// The sound files generated at build time, checked where the program finds them: beside it.
#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>

namespace {

const char* const kWaves[] = {"Applause.wav",   "Busted.wav",    "Chord.wav",     "Click.wav",
                              "CountScore.wav", "HighScore.wav", "Markq.wav",     "Slide.wav",
                              "Snap.wav",       "Tick.wav",      "TwentyOne.wav", "Wingame.wav"};

QByteArray ReadBeside(const QString& name) {
    QFile f(QCoreApplication::applicationDirPath() + "/" + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

uint32_t LE(const QByteArray& b, qsizetype at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | uint8_t(b[at + i]);
    return v;
}

uint32_t BE(const QByteArray& b, qsizetype at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | uint8_t(b[at + i]);
    return v;
}

struct Wave {
    uint32_t format = 0, channels = 0, rate = 0, bits = 0;
    QByteArray data;
};

// Walks the RIFF chunks; an empty result means the file is not a well-formed wave.
std::optional<Wave> ParseWave(const QByteArray& b) {
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return {};
    if (LE(b, 4, 4) != uint32_t(b.size() - 8)) return {};
    Wave w;
    bool haveFormat = false, haveData = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = LE(b, at + 4, 4);
        if (at + 8 + size > b.size()) return {};
        if (id == "fmt " && size >= 16) {
            w.format = LE(b, at + 8, 2);
            w.channels = LE(b, at + 10, 2);
            w.rate = LE(b, at + 12, 4);
            if (LE(b, at + 16, 4) != w.rate * LE(b, at + 20, 2)) return {};
            w.bits = LE(b, at + 22, 2);
            haveFormat = true;
        } else if (id == "data") {
            w.data = b.mid(at + 8, size);
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || !haveData) return {};
    return w;
}

int16_t Sample(const QByteArray& data, qsizetype i) {
    return int16_t(LE(data, 2 * i, 2));
}

TEST(GeneratedSounds, AreModestDistinctPcmWavesThatFadeInAndOut) {
    std::map<QString, QByteArray> seen;
    qsizetype total = 0;
    for (const char* name : kWaves) {
        SCOPED_TRACE(name);
        const QByteArray bytes = ReadBeside(name);
        ASSERT_FALSE(bytes.isEmpty()) << "missing beside the program";
        const auto wave = ParseWave(bytes);
        ASSERT_TRUE(wave) << "not a well-formed RIFF/WAVE file";
        EXPECT_EQ(wave->format, 1u);
        EXPECT_EQ(wave->channels, 1u);
        EXPECT_EQ(wave->bits, 16u);
        EXPECT_TRUE(wave->rate == 22050 || wave->rate == 44100) << wave->rate;
        const qsizetype n = wave->data.size() / 2;
        ASSERT_GT(n, 0);
        EXPECT_LT(double(n) / wave->rate, 3.0);
        total += wave->data.size();

        int peak = 0;
        for (qsizetype i = 0; i < n; ++i)
            peak = std::max(peak, std::abs(int(Sample(wave->data, i))));
        const double peakDb = 20 * std::log10(peak / 32768.0);
        EXPECT_GT(peakDb, -6.0);
        EXPECT_LT(peakDb, -1.0) << "too close to clipping";
        // Both ends at silence, or the sound starts and stops with a click.
        EXPECT_LT(std::abs(Sample(wave->data, 0)), 330);
        EXPECT_LT(std::abs(Sample(wave->data, n - 1)), 330);

        for (const auto& [other, data] : seen)
            EXPECT_NE(data, wave->data) << "same as " << other.toStdString();
        seen[name] = wave->data;
    }
    EXPECT_LT(total, 1024 * 1024);
}

// Reads one track's events; false when the chunk is malformed or does not end in end-of-track.
bool WalkTrack(const QByteArray& b, qsizetype at, qsizetype end,
               std::map<uint32_t, uint32_t>& tempos, uint32_t& lastTick,
               std::map<int, int>& notesByChannel) {
    uint32_t tick = 0;
    int status = 0;
    auto varLen = [&](uint32_t& v) {
        v = 0;
        for (int i = 0; i < 4 && at < end; ++i) {
            const uint8_t c = uint8_t(b[at++]);
            v = (v << 7) | (c & 0x7f);
            if (!(c & 0x80)) return true;
        }
        return false;
    };
    while (at < end) {
        uint32_t delta;
        if (!varLen(delta)) return false;
        tick += delta;
        if (at >= end) return false;
        if (uint8_t(b[at]) & 0x80) status = uint8_t(b[at++]);
        if (status == 0xff) {
            if (at >= end) return false;
            const int type = uint8_t(b[at++]);
            uint32_t len;
            if (!varLen(len) || at + len > end) return false;
            if (type == 0x51 && len == 3) tempos[tick] = BE(b, at, 3);
            at += len;
            if (type == 0x2f) {
                lastTick = std::max(lastTick, tick);
                return at == end; // end-of-track is the last event
            }
            status = 0;
        } else if (status == 0xf0 || status == 0xf7) {
            uint32_t len;
            if (!varLen(len) || at + len > end) return false;
            at += len;
            status = 0;
        } else if (status >= 0x80) {
            const int kind = status & 0xf0;
            const int dataBytes = (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
            if (at + dataBytes > end) return false;
            if (kind == 0x90 && uint8_t(b[at + 1]) > 0) ++notesByChannel[(status & 15) + 1];
            at += dataBytes;
        } else {
            return false; // data byte with no running status
        }
    }
    return false;
}

TEST(GeneratedSounds, MusicIsAStandardMidiFileOfAMinuteOrSo) {
    const QByteArray b = ReadBeside("Halvik.MID");
    ASSERT_GE(b.size(), 14);
    ASSERT_EQ(b.left(4), "MThd");
    ASSERT_EQ(BE(b, 4, 4), 6u);
    const uint32_t format = BE(b, 8, 2), tracks = BE(b, 10, 2), division = BE(b, 12, 2);
    EXPECT_TRUE(format == 0 || format == 1);
    ASSERT_GT(tracks, 0u);
    ASSERT_GT(division, 0u);
    ASSERT_LT(division, 0x8000u) << "expected ticks per quarter note";

    std::map<uint32_t, uint32_t> tempos{{0, 500000}};
    std::map<int, int> notes;
    uint32_t lastTick = 0;
    qsizetype at = 14;
    for (uint32_t t = 0; t < tracks; ++t) {
        SCOPED_TRACE(t);
        ASSERT_LE(at + 8, b.size());
        ASSERT_EQ(b.mid(at, 4), "MTrk");
        const qsizetype end = at + 8 + BE(b, at + 4, 4);
        ASSERT_LE(end, b.size());
        ASSERT_TRUE(WalkTrack(b, at + 8, end, tempos, lastTick, notes));
        at = end;
    }
    EXPECT_EQ(at, b.size());

    double seconds = 0;
    for (auto it = tempos.begin(); it != tempos.end() && it->first < lastTick; ++it) {
        const auto next = std::next(it);
        const uint32_t until = next == tempos.end() ? lastTick : std::min(next->first, lastTick);
        seconds += double(until - it->first) / division * it->second / 1e6;
    }
    EXPECT_GT(seconds, 60.0);
    EXPECT_LT(seconds, 90.0);
    EXPECT_GT(notes[10], 0) << "light drums on the percussion channel";
    EXPECT_GE(notes.size(), 3u) << "melody, bass and drums at least";
}

} // namespace
