#include "games/pairs/PairsSettingsFile.h"

#include "games/pairs/PairsLayout.h"
#include "games/pairs/PairsSettings.h"
#include "platform/SafeFile.h"
#include "services/SharedState.h"

#include <QFileInfo>

namespace {
const QString kMusic = QStringLiteral("[Play Music]");
const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kPairs = QStringLiteral("[Pairs Bonus]");
const QString kRuns = QStringLiteral("[Runs Bonus]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kCompletion = QStringLiteral("[Completion Bonus]");
const QString kDeck = QStringLiteral("[Deck]");

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

// Reads with the game's keys; `read` runs the reader over the text or file.
void readPairs(const PairsSettingsHandlers& h,
               const std::function<void(const SettingsReader&)>& read) {
    using namespace PairsDefaults;
    SharedState& s = Shared();
    PairsSettings& o = PairsOptions();
    bool timeSeen = false;
    SettingsReader r;
    r.flag(kMusic,
           [&](bool on) {
               s.MusicOn = on;
               call(h.music, on);
           })
        .choice(kTime, {30, 45, 60, 75, 90, 105, 120}, TimeLimit,
                [&](int t) {
                    timeSeen = true;
                    call(h.timeLimit, t);
                })
        .flag(kSounds,
              [&](bool on) {
                  s.SoundsOn = on;
                  call(h.sounds, on);
              })
        .flag(kCountDown, s.CountDownScore)
        .number(kPairs, 0, MaxBonus, PairsBonus, o.PairsBonus)
        .number(kRuns, 0, MaxBonus, RunsBonus, o.RunsBonus)
        .number(kTimeBonus, 0, MaxBonus, TimeBonus, s.TimeBonus)
        .number(kBonusScore, 0, MaxBonusRoundScore, BonusRoundScore, s.BonusRoundScore)
        .number(kCompletion, 0, MaxBonus, CompletionBonus, o.CompletionBonus)
        .choice(kDeck, {1, 2, 3, 4}, DeckDesign, [&](int d) { call(h.deckDesign, d); });
    if (h.windowBlocks) h.windowBlocks(r);
    read(r);
    if (!timeSeen) call(h.timeLimit, int(TimeLimit));
}
} // namespace

QString PairsSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kPairsSettingsFile);
}

QSize PairsDesignSize() {
    return QSize(PairsDesign::MinWidth, PairsDesign::MinHeight);
}

PairsSettingsValues DefaultPairsSettings(const WindowGeometry& window) {
    PairsSettingsValues v;
    v.window = window;
    return v;
}

PairsSettingsValues CurrentPairsSettings(const WindowGeometry& window) {
    const SharedState& s = Shared();
    const PairsSettings& o = PairsOptions();
    PairsSettingsValues v;
    v.timeLimit = s.TimeLimit;
    v.playSounds = s.SoundsOn;
    v.playMusic = s.MusicOn;
    v.deckDesign = s.DeckDesign;
    v.pairsBonus = o.PairsBonus;
    v.runsBonus = o.RunsBonus;
    v.timeBonus = s.TimeBonus;
    v.bonusRoundScore = s.BonusRoundScore;
    v.completionBonus = o.CompletionBonus;
    v.countDown = s.CountDownScore;
    v.window = window;
    return v;
}

SettingsFile PairsSettingsBlocks(const PairsSettingsValues& v) {
    SettingsFile f;
    f.addFlag(kMusic, v.playMusic)
        .addNumber(kTime, v.timeLimit)
        .addFlag(kSounds, v.playSounds)
        .addFlag(kMusic, v.playMusic)
        .addFlag(kCountDown, v.countDown)
        .addNumber(kPairs, v.pairsBonus)
        .addNumber(kRuns, v.runsBonus)
        .addNumber(kTimeBonus, v.timeBonus)
        .addNumber(kBonusScore, v.bonusRoundScore)
        .addNumber(kCompletion, v.completionBonus);
    AddWindowBlocks(f, v.window, PairsDesignSize());
    f.addNumber(kDeck, v.deckDesign);
    return f;
}

bool WritePairsSettings(const PairsSettingsValues& values) {
    return PairsSettingsBlocks(values).write(PairsSettingsPath());
}

void ApplyPairsSettingsText(const QByteArray& text, const PairsSettingsHandlers& handlers) {
    readPairs(handlers, [&](const SettingsReader& r) { r.apply(text); });
}

void LoadPairsSettings(const WindowGeometry& window, const PairsSettingsHandlers& handlers) {
    const QString path = PairsSettingsPath();
    const SettingsFile defaults = PairsSettingsBlocks(DefaultPairsSettings(window));
    readPairs(handlers, [&](const SettingsReader& r) {
        if (!r.load(path, defaults)) r.apply(QByteArray());
    });
}
