#include "games/eights/EightsSettingsFile.h"

#include "games/eights/EightsSettings.h"
#include "services/SharedState.h"

namespace {
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kCompleteBonus = QStringLiteral("[Eights CompleteBonus]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kCountDown = QStringLiteral("[Count Down]");
const QString kTime = QStringLiteral("[Time]");

template <typename T> std::function<void(T)> orNothing(std::function<void(T)> f) {
    return f ? f : [](T) {};
}
} // namespace

QString EightsSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kEightsSettingsFile);
}

EightsSettingsValues CurrentEightsSettings(const WindowGeometry& window) {
    const SharedState& s = Shared();
    EightsSettingsValues v;
    v.playSounds = s.SoundsOn;
    v.playMusic = s.MusicOn;
    v.deckDesign = s.DeckDesign;
    v.bonusScore = s.BonusScore;
    v.completeBonus = EightsOptions().EightsCompleteBonus;
    v.timeBonus = s.TimeBonus;
    v.countDown = s.CountDownScore;
    v.timeLimit = s.TimeLimit;
    v.window = window;
    return v;
}

SettingsFile EightsSettingsBlocks(const EightsSettingsValues& v) {
    const QSize design(EightsDefaults::Width, EightsDefaults::Height);
    SettingsFile f;
    f.addFlag(kSounds, v.playSounds)
        .addFlag(kMusic, v.playMusic)
        .addNumber(kDeck, v.deckDesign)
        .addNumber(kBonusScore, v.bonusScore)
        .addNumber(kCompleteBonus, v.completeBonus)
        .addNumber(kTimeBonus, v.timeBonus)
        .addFlag(kCountDown, v.countDown)
        .addNumber(kTime, v.timeLimit)
        .addNumber(kWidthKey, StoredWidth(v.window, design))
        .addNumber(kHeightKey, StoredHeight(v.window, design));
    return f;
}

bool WriteEightsSettings(const EightsSettingsValues& values) {
    return EightsSettingsBlocks(values).write(EightsSettingsPath());
}

SettingsReader EightsSettingsReader(const EightsSettingsHandlers& h) {
    using namespace EightsDefaults;
    SharedState& s = Shared();
    SettingsReader r;
    r.choice(kTime, {60, 75, 90, 105, 120}, TimeLimit, orNothing(h.timeLimit))
        .choice(kDeck, {1, 2, 3, 4}, DeckDesign, orNothing(h.deckDesign))
        .flag(kSounds,
              [&s, use = orNothing(h.sounds)](bool on) {
                  s.SoundsOn = on;
                  use(on);
              })
        .flag(kMusic,
              [&s, use = orNothing(h.music)](bool on) {
                  s.MusicOn = on;
                  use(on);
              })
        .number(kBonusScore, MinBonusScore, MaxBonusScore, BonusScore, s.BonusScore)
        .number(kCompleteBonus, MinCompleteBonus, MaxCompleteBonus, EightsCompleteBonus,
                EightsOptions().EightsCompleteBonus)
        // A negative or huge time bonus would take points away or overflow the score.
        .number(kTimeBonus, MinTimeBonus, MaxTimeBonus, TimeBonus, s.TimeBonus)
        .text(kCountDown, [&s](const QString& value) {
            s.CountDownScore = value == QLatin1String("False")  ? false
                               : value == QLatin1String("True") ? true
                                                                : CountDownScore;
        });
    return r;
}
