#include "games/towers/TowersSettingsFile.h"

#include "games/towers/TowersSettings.h"
#include "services/SharedState.h"

namespace {
const QString kMusic = QStringLiteral("[Play Music]");
const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kHiRun = QStringLiteral("[Hi Run]");
const QString kCardBonus = QStringLiteral("[Card Bonus]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kTowerBonus = QStringLiteral("[Tower Bonus]");
const QString kHighRunBonus = QStringLiteral("[High Run Bonus]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kDeck = QStringLiteral("[Deck]");

template <typename T> std::function<void(T)> orNothing(std::function<void(T)> f) {
    return f ? f : [](T) {};
}
} // namespace

QString TowersSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kTowersSettingsFile);
}

TowersSettingsValues DefaultTowersSettings(const WindowGeometry& window) {
    TowersSettingsValues v;
    v.window = window;
    return v;
}

TowersSettingsValues CurrentTowersSettings(const WindowGeometry& window) {
    const SharedState& s = Shared();
    const TowersSettings& o = TowersOptions();
    TowersSettingsValues v;
    v.playMusic = s.MusicOn;
    v.timeLimit = s.TimeLimit;
    v.playSounds = s.SoundsOn;
    v.highRun = o.HighRun;
    v.cardBonus = o.CardBonus;
    v.bonusRoundScore = s.BonusRoundScore;
    v.towerBonus = o.TowerBonus;
    v.highRunBonus = o.HighRunBonus;
    v.countDownScore = s.CountDownScore;
    v.timeBonus = s.TimeBonus;
    v.window = window;
    v.deckDesign = s.DeckDesign;
    return v;
}

SettingsFile TowersSettingsBlocks(const TowersSettingsValues& v) {
    SettingsFile f;
    f.addFlag(kMusic, v.playMusic)
        .addNumber(kTime, v.timeLimit)
        .addFlag(kSounds, v.playSounds)
        .addNumber(kHiRun, v.highRun)
        .addNumber(kCardBonus, v.cardBonus)
        .addNumber(kBonusScore, v.bonusRoundScore)
        .addNumber(kTowerBonus, v.towerBonus)
        .addNumber(kHighRunBonus, v.highRunBonus)
        .addFlag(kCountDown, v.countDownScore)
        .addNumber(kTimeBonus, v.timeBonus);
    AddWindowBlocks(f, v.window, kTowersDesignSize);
    f.addNumber(kDeck, v.deckDesign);
    return f;
}

SettingsReader& AddTowersKeys(SettingsReader& r, const TowersSettingsHandlers& h) {
    namespace d = TowersDefaults;
    SharedState& s = Shared();
    TowersSettings& o = TowersOptions();
    const auto music = orNothing(h.music);
    const auto sounds = orNothing(h.sounds);
    const auto highRun = orNothing(h.highRun);
    return r
        .flag(kMusic,
              [&s, music](bool on) {
                  s.MusicOn = on;
                  music(on);
              })
        .choice(kTime, {30, 45, 60, 90}, d::TimeLimit, orNothing(h.timeLimit))
        .flag(kSounds,
              [&s, sounds](bool on) {
                  s.SoundsOn = on;
                  sounds(on);
              })
        .number(kHiRun, 0, d::MaxHighRun, 0,
                [&o, highRun](int32_t run) {
                    o.HighRun = run;
                    highRun(run);
                })
        .number(kCardBonus, 0, d::MaxCardBonus, d::CardBonus, o.CardBonus)
        .number(kBonusScore, 0, d::MaxBonusRoundScore, d::BonusRoundScore, s.BonusRoundScore)
        .number(kTowerBonus, 0, d::MaxTowerBonus, d::TowerBonus, o.TowerBonus)
        .number(kHighRunBonus, 0, d::MaxHighRunBonus, d::HighRunBonus, o.HighRunBonus)
        .flag(kCountDown, s.CountDownScore)
        .number(kTimeBonus, 0, d::MaxTimeBonus, d::TimeBonus, s.TimeBonus)
        .choice(kDeck, {1, 2, 3, 4}, d::DeckDesign, orNothing(h.deckDesign));
}
