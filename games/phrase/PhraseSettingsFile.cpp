#include "games/phrase/PhraseSettingsFile.h"

#include "app/SharedState.h"
#include "games/phrase/PhraseSettings.h"
#include "platform/SafeFile.h"

#include <QFileInfo>

namespace {
const QString kMusic = QStringLiteral("[Play Music]");
const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kTopic = QStringLiteral("[Topic]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kCompletion = QStringLiteral("[Completion Bonus]");
const QString kGuessBonus = QStringLiteral("[Guess Bonus]");
const QString kGuessCount = QStringLiteral("[Guess Count]");
const QString kShowPhrase = QStringLiteral("[ShowPhrase]");
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");

const QStringList kKeys = {kMusic,      kTime,       kSounds,     kCountDown,  kTopic,
                           kTimeBonus,  kBonusScore, kCompletion, kGuessBonus, kGuessCount,
                           kShowPhrase, kState,      kWidth,      kHeight};

const std::vector<int> kTimeLimits = {30, 45, 60, 75, 90, 105, 120};
const std::vector<int> kTopicValues = {0, 1, 2, 3, 4, 5, 6, 7};

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

// The value when it is a number within lo..hi, else the default.
int32_t ranged(const QString& value, int32_t lo, int32_t hi, int32_t fallback) {
    const auto v = SettingsWholeNumber(value);
    return v && *v >= lo && *v <= hi ? *v : fallback;
}

struct Reading {
    bool timeApplied = false;
    bool topicApplied = false;
};

void apply(const PhraseSettingsHandlers& h, Reading& seen, const QString& key,
           const QString& value) {
    namespace d = PhraseDefaults;
    SharedState& s = Shared();
    PhraseSettings& o = PhraseOptions();
    if (key == kMusic) {
        s.MusicOn = SettingsTruth(value);
        call(h.music, s.MusicOn);
    } else if (key == kTime) {
        const int i = SettingsTextIndex(value, kTimeLimits);
        if (i < 0) return;
        seen.timeApplied = true;
        s.TimeLimit = kTimeLimits[size_t(i)];
        call(h.timeLimit, s.TimeLimit);
    } else if (key == kSounds) {
        s.SoundsOn = SettingsTruth(value);
        call(h.sounds, s.SoundsOn);
    } else if (key == kCountDown) {
        s.CountDownScore = SettingsTruth(value);
    } else if (key == kTopic) {
        const int i = SettingsTextIndex(value, kTopicValues);
        if (i < 0) return;
        seen.topicApplied = true;
        o.Topic = kTopicValues[size_t(i)];
        call(h.topic, o.Topic);
    } else if (key == kTimeBonus) {
        s.TimeBonus = ranged(value, 1, d::MaxTimeBonus, d::TimeBonus);
    } else if (key == kBonusScore) {
        s.BonusRoundScore = ranged(value, 1, d::MaxBonusRoundScore, d::BonusRoundScore);
    } else if (key == kCompletion) {
        o.CompletionBonus = ranged(value, 1, d::MaxCompletionBonus, d::CompletionBonus);
    } else if (key == kGuessBonus) {
        o.GuessBonus = ranged(value, 1, d::MaxGuessBonus, d::GuessBonus);
    } else if (key == kGuessCount) {
        // More faces than the window has, or none, would leave the round without a face
        // to lose.
        o.GuessCount = ranged(value, 1, d::MaxGuessCount, d::GuessCount);
    } else if (key == kShowPhrase) {
        o.ShowPhraseTime =
            ranged(value, d::MinShowPhraseTime, d::MaxShowPhraseTime, d::ShowPhraseTime);
    } else if (key == kState) {
        // A window stored minimised opens in the normal state.
        const auto state = SettingsWholeNumber(value);
        if (state && *state >= PhraseNormal && *state <= PhraseMaximised)
            call(h.windowState, *state == PhraseMaximised ? PhraseMaximised : PhraseNormal);
    } else if (key == kWidth || key == kHeight) {
        if (h.currentWindowState && h.currentWindowState() == PhraseMaximised) return;
        const auto size = SettingsWholeNumber(value);
        if (!size || *size <= 0) return;
        call(key == kWidth ? h.width : h.height, int(*size));
    }
}

void finish(const PhraseSettingsHandlers& h, const Reading& seen) {
    if (!seen.timeApplied) {
        Shared().TimeLimit = PhraseDefaults::TimeLimit;
        call(h.timeLimit, PhraseDefaults::TimeLimit);
    }
    if (!seen.topicApplied) call(h.topic, PhraseOptions().Topic);
}
} // namespace

QString PhraseSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kPhraseSettingsFile);
}

PhraseSettingsValues DefaultPhraseSettings(const PhraseWindowGeometry& window, int topic) {
    PhraseSettingsValues v;
    v.window = window;
    v.topic = topic;
    return v;
}

PhraseSettingsValues CurrentPhraseSettings(const PhraseWindowGeometry& window) {
    const SharedState& s = Shared();
    const PhraseSettings& o = PhraseOptions();
    PhraseSettingsValues v;
    v.playMusic = s.MusicOn;
    v.timeLimit = s.TimeLimit;
    v.playSounds = s.SoundsOn;
    v.countDownScore = s.CountDownScore;
    v.topic = o.Topic;
    v.timeBonus = s.TimeBonus;
    v.bonusRoundScore = s.BonusRoundScore;
    v.completionBonus = o.CompletionBonus;
    v.guessBonus = o.GuessBonus;
    v.guessCount = o.GuessCount;
    v.showPhraseTime = o.ShowPhraseTime;
    v.window = window;
    return v;
}

SettingsFile PhraseSettingsBlocks(const PhraseSettingsValues& v) {
    const bool maximised = v.window.state == PhraseMaximised;
    SettingsFile f;
    f.addFlag(kMusic, v.playMusic)
        .addNumber(kTime, v.timeLimit)
        .addFlag(kSounds, v.playSounds)
        .addFlag(kCountDown, v.countDownScore)
        .addNumber(kTopic, v.topic)
        .addNumber(kTimeBonus, v.timeBonus)
        .addNumber(kBonusScore, v.bonusRoundScore)
        .addNumber(kCompletion, v.completionBonus)
        .addNumber(kGuessBonus, v.guessBonus)
        .addNumber(kGuessCount, v.guessCount)
        .addNumber(kShowPhrase, v.showPhraseTime)
        .addNumber(kState, v.window.state)
        .addNumber(kWidth, maximised ? kPhraseDesignWidth : v.window.width)
        .addNumber(kHeight, maximised ? kPhraseDesignHeight : v.window.height)
        .addNumber(kTopic, v.topic);
    return f;
}

bool WritePhraseSettings(const PhraseSettingsValues& values) {
    return PhraseSettingsBlocks(values).write(PhraseSettingsPath());
}

void ApplyPhraseSettingsText(const QByteArray& text, const PhraseSettingsHandlers& handlers) {
    Reading seen;
    ReadSettingsText(text, kKeys, [&](const QString& key, const QString& value) {
        apply(handlers, seen, key, value);
    });
    finish(handlers, seen);
}

bool LoadPhraseSettings(const PhraseWindowGeometry& window,
                        const PhraseSettingsHandlers& handlers) {
    Reading seen;
    const bool ok = LoadSettingsFile(
        PhraseSettingsPath(),
        PhraseSettingsBlocks(DefaultPhraseSettings(window, PhraseOptions().Topic)), kKeys,
        [&](const QString& key, const QString& value) { apply(handlers, seen, key, value); });
    finish(handlers, seen);
    return ok;
}
