#include "games/fivecolumn/FiveColumnSettingsFile.h"

#include "games/fivecolumn/FiveColumnSettings.h"
#include "services/SharedState.h"

namespace {
const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kMax = QStringLiteral("[TimeBonusMax]");
const QString kMin = QStringLiteral("[TimeBonusMin]");
const QString kBonus = QStringLiteral("[BonusScore]");
const QString kWait = QStringLiteral("[WaitPeriod]");
const QString kCountDown = QStringLiteral("[CountDownScore]");
const QString kPasses = QStringLiteral("[Cards To Pass]");
} // namespace

QString FiveColumnSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kFiveColumnSettingsFile);
}

FiveColumnSettingsValues CurrentFiveColumnSettings() {
    const SharedState& s = Shared();
    const FiveColumnSettings& o = FiveColumnOptions();
    FiveColumnSettingsValues v;
    v.timeLimit = s.TimeLimit;
    v.playSounds = s.SoundsOn;
    v.playMusic = s.MusicOn;
    v.deckDesign = s.DeckDesign;
    v.timeBonusMax = o.TimeBonusMax;
    v.timeBonusMin = o.TimeBonusMin;
    v.bonusScore = s.BonusScore;
    v.waitPeriod = o.WaitPeriod;
    v.countDownScore = s.CountDownScore;
    v.cardsToPass = o.CardsToPass;
    return v;
}

SettingsFile FiveColumnSettingsBlocks(const FiveColumnSettingsValues& v,
                                      const WindowGeometry& window) {
    SettingsFile f;
    f.addNumber(kTime, v.timeLimit)
        .addFlag(kSounds, v.playSounds)
        .addFlag(kMusic, v.playMusic)
        .addNumber(kDeck, v.deckDesign)
        .addNumber(kMax, v.timeBonusMax)
        .addNumber(kMin, v.timeBonusMin)
        .addNumber(kBonus, v.bonusScore)
        .addNumber(kWait, v.waitPeriod)
        .addFlag(kCountDown, v.countDownScore)
        .addNumber(kPasses, v.cardsToPass);
    AddWindowBlocks(f, window, kFiveColumnDesignSize).endWithExtraLineEnd();
    return f;
}

SettingsReader& AddFiveColumnKeys(SettingsReader& r, FiveColumnSettingsValues& v) {
    namespace d = FiveColumnDefaults;
    return r.choice(kTime, {15, 30, 45, 60, 75}, d::TimeLimit, [&v](int t) { v.timeLimit = t; })
        .flag(kSounds, v.playSounds)
        .flag(kMusic, v.playMusic)
        .number(kDeck, 1, 4, d::DeckDesign, v.deckDesign)
        .number(kMax, 1, d::TimeBonusLimit, d::TimeBonusMax, v.timeBonusMax)
        .number(kMin, 1, d::TimeBonusLimit, d::TimeBonusMin, v.timeBonusMin)
        .number(kBonus, 0, INT32_MAX, d::BonusScore, v.bonusScore)
        .number(kWait, 0, d::MaxWaitPeriod, d::WaitPeriod, v.waitPeriod)
        .flag(kCountDown, v.countDownScore)
        .number(kPasses, 0, d::MaxCardsToPass, d::CardsToPass, v.cardsToPass);
}

void CheckTimeBonusEnds(FiveColumnSettingsValues& v) {
    if (v.timeBonusMax > v.timeBonusMin) return;
    v.timeBonusMax = FiveColumnDefaults::TimeBonusMax;
    v.timeBonusMin = FiveColumnDefaults::TimeBonusMin;
}

FiveColumnSettingsValues ReadFiveColumnSettingsText(const QByteArray& text) {
    FiveColumnSettingsValues v;
    SettingsReader r;
    AddFiveColumnKeys(r, v).apply(text);
    CheckTimeBonusEnds(v);
    return v;
}

void ApplyFiveColumnSettings(const FiveColumnSettingsValues& v) {
    SharedState& s = Shared();
    FiveColumnSettings& o = FiveColumnOptions();
    s.SoundsOn = v.playSounds;
    s.MusicOn = v.playMusic;
    o.TimeBonusMax = v.timeBonusMax;
    o.TimeBonusMin = v.timeBonusMin;
    s.BonusScore = v.bonusScore;
    o.WaitPeriod = v.waitPeriod;
    s.CountDownScore = v.countDownScore;
    o.CardsToPass = v.cardsToPass;
}
