#include "games/fivecolumn/FiveColumnSettingsFile.h"

#include "app/SharedState.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "services/TextFile.h"

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
const QStringList kKeys = {kTime, kSounds, kMusic, kDeck,      kMax,
                           kMin,  kBonus,  kWait,  kCountDown, kPasses};

const std::vector<int> kTimeLimits = {15, 30, 45, 60, 75};

void apply(FiveColumnSettingsValues& v, const QString& key, const QString& value) {
    namespace d = FiveColumnDefaults;
    if (ReadStoredWindow(key, value, v.window)) return;
    if (key == kTime) {
        const int i = SettingsTextIndex(value, kTimeLimits);
        v.timeLimit = i < 0 ? d::TimeLimit : kTimeLimits[size_t(i)];
    } else if (key == kSounds) {
        v.playSounds = SettingsTruth(value);
    } else if (key == kMusic) {
        v.playMusic = SettingsTruth(value);
    } else if (key == kDeck) {
        v.deckDesign = SettingsNumberIn(value, 1, 4, d::DeckDesign);
    } else if (key == kMax) {
        v.timeBonusMax = SettingsNumberIn(value, 1, d::TimeBonusLimit, d::TimeBonusMax);
    } else if (key == kMin) {
        v.timeBonusMin = SettingsNumberIn(value, 1, d::TimeBonusLimit, d::TimeBonusMin);
    } else if (key == kBonus) {
        v.bonusScore = SettingsNumberIn(value, 0, INT32_MAX, d::BonusScore);
    } else if (key == kWait) {
        v.waitPeriod = SettingsNumberIn(value, 0, d::MaxWaitPeriod, d::WaitPeriod);
    } else if (key == kCountDown) {
        v.countDownScore = SettingsTruth(value);
    } else if (key == kPasses) {
        v.cardsToPass = SettingsNumberIn(value, 0, d::MaxCardsToPass, d::CardsToPass);
    }
}

SettingsFile blocks(const FiveColumnSettingsValues& v) {
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
    AddStoredWindow(f, v.window, kFiveColumnWidth, kFiveColumnHeight);
    return f;
}
} // namespace

QString FiveColumnSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kFiveColumnSettingsFile);
}

FiveColumnSettingsValues CurrentFiveColumnSettings(int windowState, int width, int height) {
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
    v.window = {windowState, width, height};
    return v;
}

QByteArray FiveColumnSettingsText(const FiveColumnSettingsValues& values) {
    return blocks(values).text() + "\r\n";
}

FiveColumnSettingsValues ReadFiveColumnSettingsText(const QByteArray& text) {
    FiveColumnSettingsValues v;
    ReadSettingsText(text, kKeys + StoredWindowKeys(),
                     [&](const QString& key, const QString& value) { apply(v, key, value); });
    // A time bonus that would not fall from its maximum to its minimum is no bonus at all.
    if (v.timeBonusMax <= v.timeBonusMin) {
        v.timeBonusMax = FiveColumnDefaults::TimeBonusMax;
        v.timeBonusMin = FiveColumnDefaults::TimeBonusMin;
    }
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

std::optional<FiveColumnSettingsValues> LoadFiveColumnSettings() {
    const QString path = FiveColumnSettingsPath();
    FiveColumnSettingsValues first;
    first.window.state = StoredWindow::Normal;
    const auto data = LoadSettingsBytes(path, FiveColumnSettingsText(first));
    if (!data) return std::nullopt;
    return ReadFiveColumnSettingsText(*data);
}

bool WriteFiveColumnSettings(const FiveColumnSettingsValues& values) {
    return WriteProgramFile(FiveColumnSettingsPath(), FiveColumnSettingsText(values));
}
