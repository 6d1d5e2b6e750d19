#include "games/phrase/PhraseSettingsFile.h"

#include "games/phrase/PhraseSettings.h"
#include "services/SharedState.h"

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

const std::vector<int> kTimeLimits = {30, 45, 60, 75, 90, 105, 120};
const std::vector<int> kTopicValues = {0, 1, 2, 3, 4, 5, 6, 7};

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

// Which of the two menu-applied keys were read and offered.
struct Reading {
    bool time = false;
    bool topic = false;
};

// A key applied through its menu items: only a value one of them offers counts, and `seen`
// records that one did.
std::function<void(const QString&)> offered(const std::vector<int>& values, bool& seen,
                                            std::function<void(int)> use) {
    return [&values, &seen, use](const QString& value) {
        const int i = SettingsTextIndex(value, values);
        if (i < 0) return;
        seen = true;
        use(values[size_t(i)]);
    };
}

SettingsReader phraseReader(const PhraseSettingsHandlers& h, Reading& seen) {
    namespace d = PhraseDefaults;
    SharedState& s = Shared();
    PhraseSettings& o = PhraseOptions();
    SettingsReader r;
    r.flag(kMusic,
           [&s, &h](bool on) {
               s.MusicOn = on;
               call(h.music, on);
           })
        .text(kTime, offered(kTimeLimits, seen.time,
                             [&s, &h](int seconds) {
                                 s.TimeLimit = seconds;
                                 call(h.timeLimit, seconds);
                             }))
        .flag(kSounds,
              [&s, &h](bool on) {
                  s.SoundsOn = on;
                  call(h.sounds, on);
              })
        .flag(kCountDown, s.CountDownScore)
        .text(kTopic, offered(kTopicValues, seen.topic,
                              [&o, &h](int topic) {
                                  o.Topic = topic;
                                  call(h.topic, topic);
                              }))
        .number(kTimeBonus, 1, d::MaxTimeBonus, d::TimeBonus, s.TimeBonus)
        .number(kBonusScore, 1, d::MaxBonusRoundScore, d::BonusRoundScore, s.BonusRoundScore)
        .number(kCompletion, 1, d::MaxCompletionBonus, d::CompletionBonus, o.CompletionBonus)
        .number(kGuessBonus, 1, d::MaxGuessBonus, d::GuessBonus, o.GuessBonus)
        // More faces than the window has, or none, would leave no face to lose.
        .number(kGuessCount, 1, d::MaxGuessCount, d::GuessCount,
                [&o](int32_t v) { o.GuessCount = v; })
        .number(kShowPhrase, d::MinShowPhraseTime, d::MaxShowPhraseTime, d::ShowPhraseTime,
                [&o](int32_t v) { o.ShowPhraseTime = v; });
    if (h.window) ReadWindowBlocks(r, *h.window);
    return r;
}

void finish(const PhraseSettingsHandlers& h, const Reading& seen) {
    if (!seen.time) {
        Shared().TimeLimit = PhraseDefaults::TimeLimit;
        call(h.timeLimit, PhraseDefaults::TimeLimit);
    }
    if (!seen.topic) call(h.topic, PhraseOptions().Topic);
}
} // namespace

QString PhraseSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kPhraseSettingsFile);
}

PhraseSettingsValues DefaultPhraseSettings(const WindowGeometry& window, int topic) {
    PhraseSettingsValues v;
    v.window = window;
    v.topic = topic;
    return v;
}

PhraseSettingsValues CurrentPhraseSettings(const WindowGeometry& window) {
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
        .addNumber(kShowPhrase, v.showPhraseTime);
    AddWindowBlocks(f, v.window, kPhraseDesignSize).addNumber(kTopic, v.topic);
    return f;
}

bool WritePhraseSettings(const PhraseSettingsValues& values) {
    return PhraseSettingsBlocks(values).write(PhraseSettingsPath());
}

void ApplyPhraseSettingsText(const QByteArray& text, const PhraseSettingsHandlers& handlers) {
    Reading seen;
    phraseReader(handlers, seen).apply(text);
    finish(handlers, seen);
}

bool LoadPhraseSettings(const WindowGeometry& window, const PhraseSettingsHandlers& handlers) {
    Reading seen;
    const bool ok =
        phraseReader(handlers, seen)
            .load(PhraseSettingsPath(),
                  PhraseSettingsBlocks(DefaultPhraseSettings(window, PhraseOptions().Topic)));
    finish(handlers, seen);
    return ok;
}
