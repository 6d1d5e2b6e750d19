#include "games/combinations/CombinationsSettingsFile.h"

#include "app/SharedState.h"
#include "games/combinations/CombinationsSettings.h"
#include "services/SettingsFile.h"
#include "services/TextFile.h"

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
const QStringList kKeys = {kSounds,    kSpeed,      kMusic,     kDeck,       kPasses,
                           kTwentyOne, kCardsUsed,  kFiveCards, kCompletion, kWait,
                           kTime,      kBonusRound, kCountDown};

const std::vector<int> kTimeLimits = {15, 30, 60, 90, 120};
const std::vector<int> kSpeeds(std::begin(kTimerSpeeds), std::end(kTimerSpeeds));

void apply(CombinationsSettingsValues& v, const QString& key, const QString& value) {
    namespace d = CombinationsDefaults;
    if (ReadStoredWindow(key, value, v.window)) return;
    if (key == kSounds) {
        v.playSounds = SettingsTruth(value);
    } else if (key == kSpeed) {
        const int i = SettingsTextIndex(value, kSpeeds);
        if (i < 0) ++v.timerSpeedResets;
        v.timerSpeed = i < 0 ? d::TimerSpeed : kSpeeds[size_t(i)];
    } else if (key == kMusic) {
        v.playMusic = SettingsTruth(value);
    } else if (key == kDeck) {
        v.deckDesign = SettingsNumberIn(value, 1, 4, 4);
    } else if (key == kPasses) {
        v.cardsToPass = SettingsNumberIn(value, 0, d::MaxCardsToPass, d::CardsToPass);
    } else if (key == kTwentyOne) {
        v.twentyOneBonusValue =
            SettingsNumberIn(value, 0, d::MaxTwentyOneBonus, d::TwentyOneBonusValue);
    } else if (key == kCardsUsed) {
        v.cardsUsedBonusValue =
            SettingsNumberIn(value, 0, d::MaxCardsUsedBonus, d::CardsUsedBonusValue);
    } else if (key == kFiveCards) {
        v.fiveCardsBonusValue =
            SettingsNumberIn(value, 0, d::MaxFiveCardsBonus, d::FiveCardsBonusValue);
    } else if (key == kCompletion) {
        v.deckCompletionBonus =
            SettingsNumberIn(value, 0, d::MaxDeckCompletionBonus, d::DeckCompletionBonus);
    } else if (key == kWait) {
        v.waitPeriod = SettingsNumberIn(value, 0, d::MaxWaitPeriod, d::WaitPeriod);
    } else if (key == kTime) {
        const int i = SettingsTextIndex(value, kTimeLimits);
        v.timeLimit = i < 0 ? d::TimeLimit : kTimeLimits[size_t(i)];
    } else if (key == kBonusRound) {
        v.bonusRoundScore = SettingsNumberIn(value, 0, INT32_MAX, d::BonusRoundScore);
    } else if (key == kCountDown) {
        v.countDownScore = SettingsTruth(value);
    }
}
} // namespace

QString CombinationsSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kCombinationsSettingsFile);
}

CombinationsSettingsValues CurrentCombinationsSettings(int windowState, int width, int height) {
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
    v.window = {windowState, width, height};
    return v;
}

QByteArray CombinationsSettingsText(const CombinationsSettingsValues& v) {
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
    AddStoredWindow(f, v.window, kCombinationsWidth, kCombinationsHeight);
    return f.text() + "\r\n";
}

CombinationsSettingsValues ReadCombinationsSettingsText(const QByteArray& text) {
    CombinationsSettingsValues v;
    ReadSettingsText(text, kKeys + StoredWindowKeys(),
                     [&](const QString& key, const QString& value) { apply(v, key, value); });
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

std::optional<CombinationsSettingsValues> LoadCombinationsSettings() {
    const QString path = CombinationsSettingsPath();
    CombinationsSettingsValues first;
    first.window.state = StoredWindow::Normal;
    const auto data = LoadSettingsBytes(path, CombinationsSettingsText(first));
    if (!data) return std::nullopt;
    return ReadCombinationsSettingsText(*data);
}

bool WriteCombinationsSettings(const CombinationsSettingsValues& values) {
    return WriteProgramFile(CombinationsSettingsPath(), CombinationsSettingsText(values));
}
