#include "games/combinations/CombinationsSettingsFile.h"

#include "games/combinations/CombinationsSettings.h"
#include "services/SharedState.h"

namespace {
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kSpeed = QStringLiteral("[Timer Speed]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kPasses = QStringLiteral("[Cards To Pass]");
const QString kTwentyOne = QStringLiteral("[TwentyOne Bonus Value]");
const QString kCardsUsed = QStringLiteral("[Cards Used Bonus Value]");
const QString kFiveCards = QStringLiteral("[5 Cards Bonus Value]");
const QString kCompletion = QStringLiteral("[Deck Completion Bonus]");
const QString kWait = QStringLiteral("[Wait Period]");
const QString kTime = QStringLiteral("[Time Limit]");
const QString kBonusRound = QStringLiteral("[Bonus Round Score]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
} // namespace

QString CombinationsSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kCombinationsSettingsFile);
}

CombinationsSettingsValues CurrentCombinationsSettings() {
    const SharedState& s = Shared();
    const CombinationsSettings& o = CombinationsOptions();
    CombinationsSettingsValues v;
    v.timerSpeed = o.TimerSpeed;
    v.playSounds = s.SoundsOn;
    v.playMusic = s.MusicOn;
    v.deckDesign = s.DeckDesign;
    v.cardsToPass = o.CardsToPass;
    v.twentyOneBonusValue = o.TwentyOneBonusValue;
    v.cardsUsedBonusValue = o.CardsUsedBonusValue;
    v.fiveCardsBonusValue = o.FiveCardsBonusValue;
    v.deckCompletionBonus = o.DeckCompletionBonus;
    v.waitPeriod = o.WaitPeriod;
    v.timeLimit = s.TimeLimit;
    v.bonusRoundScore = s.BonusRoundScore;
    v.countDownScore = s.CountDownScore;
    return v;
}

SettingsFile CombinationsSettingsBlocks(const CombinationsSettingsValues& v,
                                        const WindowGeometry& window) {
    SettingsFile f;
    // The counter speed keeps the blank a number is written with.
    f.addFlag(kSounds, v.playSounds)
        .add(kSpeed, QLatin1Char(' ') + QString::number(v.timerSpeed))
        .addFlag(kMusic, v.playMusic)
        .addNumber(kDeck, v.deckDesign)
        .addNumber(kPasses, v.cardsToPass)
        .addNumber(kTwentyOne, v.twentyOneBonusValue)
        .addNumber(kCardsUsed, v.cardsUsedBonusValue)
        .addNumber(kFiveCards, v.fiveCardsBonusValue)
        .addNumber(kCompletion, v.deckCompletionBonus)
        .addNumber(kWait, v.waitPeriod)
        .addNumber(kTime, v.timeLimit)
        .addNumber(kBonusRound, v.bonusRoundScore)
        .addFlag(kCountDown, v.countDownScore);
    AddWindowBlocks(f, window, kCombinationsDesignSize).endWithExtraLineEnd();
    return f;
}

SettingsReader& AddCombinationsKeys(SettingsReader& r, CombinationsSettingsValues& v) {
    namespace d = CombinationsDefaults;
    return r
        .text(kSpeed,
              [&v](const QString& value) {
                  const int i = SettingsTextIndex(value, {90, 180, 360});
                  if (i < 0) ++v.timerSpeedResets;
                  v.timerSpeed = i < 0 ? d::TimerSpeed : kTimerSpeeds[i];
              })
        .flag(kSounds, v.playSounds)
        .flag(kMusic, v.playMusic)
        .number(kDeck, 1, 4, 4, v.deckDesign) // anything else is Palm Tree
        .number(kPasses, 0, d::MaxCardsToPass, d::CardsToPass, v.cardsToPass)
        .number(kTwentyOne, 0, d::MaxTwentyOneBonus, d::TwentyOneBonusValue, v.twentyOneBonusValue)
        .number(kCardsUsed, 0, d::MaxCardsUsedBonus, d::CardsUsedBonusValue, v.cardsUsedBonusValue)
        .number(kFiveCards, 0, d::MaxFiveCardsBonus, d::FiveCardsBonusValue, v.fiveCardsBonusValue)
        .number(kCompletion, 0, d::MaxDeckCompletionBonus, d::DeckCompletionBonus,
                v.deckCompletionBonus)
        .number(kWait, 0, d::MaxWaitPeriod, d::WaitPeriod, v.waitPeriod)
        .choice(kTime, {15, 30, 60, 90, 120}, d::TimeLimit, [&v](int t) { v.timeLimit = t; })
        .number(kBonusRound, 0, INT32_MAX, d::BonusRoundScore, v.bonusRoundScore)
        .flag(kCountDown, v.countDownScore);
}

CombinationsSettingsValues ReadCombinationsSettingsText(const QByteArray& text) {
    CombinationsSettingsValues v;
    SettingsReader r;
    AddCombinationsKeys(r, v).apply(text);
    return v;
}

void ApplyCombinationsSettings(const CombinationsSettingsValues& v) {
    SharedState& s = Shared();
    CombinationsSettings& o = CombinationsOptions();
    o.TimerSpeed = v.timerSpeed;
    s.SoundsOn = v.playSounds;
    s.MusicOn = v.playMusic;
    o.CardsToPass = v.cardsToPass;
    o.TwentyOneBonusValue = v.twentyOneBonusValue;
    o.CardsUsedBonusValue = v.cardsUsedBonusValue;
    o.FiveCardsBonusValue = v.fiveCardsBonusValue;
    o.DeckCompletionBonus = v.deckCompletionBonus;
    o.WaitPeriod = v.waitPeriod;
    s.BonusRoundScore = v.bonusRoundScore;
    s.CountDownScore = v.countDownScore;
}
