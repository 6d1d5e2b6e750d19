#include "games/fivecolumn/FiveColumnSettingsFile.h"

#include "app/SharedState.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "platform/SafeFile.h"
#include "services/TextFile.h"

#include <QFileInfo>

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
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");
const QStringList kKeys = {kTime, kSounds,    kMusic,  kDeck,  kMax,   kMin,   kBonus,
                           kWait, kCountDown, kPasses, kState, kWidth, kHeight};

const std::vector<int> kTimeLimits = {15, 30, 45, 60, 75};
constexpr int kMaximised = 2;

// The value when it is a whole number within [low, high], else the fallback.
int32_t inRange(const QString& text, int64_t low, int64_t high, int32_t fallback) {
    const auto v = SettingsWholeNumber(text);
    return v && *v >= low && *v <= high ? *v : fallback;
}

void apply(FiveColumnSettingsValues& v, const QString& key, const QString& value) {
    namespace d = FiveColumnDefaults;
    if (key == kTime) {
        const int i = SettingsTextIndex(value, kTimeLimits);
        v.timeLimit = i < 0 ? d::TimeLimit : kTimeLimits[size_t(i)];
    } else if (key == kSounds) {
        v.playSounds = SettingsTruth(value);
    } else if (key == kMusic) {
        v.playMusic = SettingsTruth(value);
    } else if (key == kDeck) {
        v.deckDesign = inRange(value, 1, 4, d::DeckDesign);
    } else if (key == kMax) {
        v.timeBonusMax = inRange(value, 1, d::TimeBonusLimit, d::TimeBonusMax);
    } else if (key == kMin) {
        v.timeBonusMin = inRange(value, 1, d::TimeBonusLimit, d::TimeBonusMin);
    } else if (key == kBonus) {
        v.bonusScore = inRange(value, 0, INT32_MAX, d::BonusScore);
    } else if (key == kWait) {
        v.waitPeriod = inRange(value, 0, d::MaxWaitPeriod, d::WaitPeriod);
    } else if (key == kCountDown) {
        v.countDownScore = SettingsTruth(value);
    } else if (key == kPasses) {
        v.cardsToPass = inRange(value, 0, d::MaxCardsToPass, d::CardsToPass);
    } else if (key == kState) {
        const int state = inRange(value, 0, kMaximised, -1);
        if (state >= 0) v.windowState = state == kMaximised ? kMaximised : 0;
    } else if (key == kWidth || key == kHeight) {
        const int size = inRange(value, 1, INT32_MAX, 0);
        if (size > 0) (key == kWidth ? v.width : v.height) = size;
    }
}

SettingsFile blocks(const FiveColumnSettingsValues& v) {
    const bool maximised = v.windowState.value_or(0) == kMaximised;
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
        .addNumber(kPasses, v.cardsToPass)
        .addNumber(kState, maximised ? kMaximised : 0)
        .addNumber(kWidth, maximised ? kFiveColumnWidth : v.width.value_or(kFiveColumnWidth))
        .addNumber(kHeight, maximised ? kFiveColumnHeight : v.height.value_or(kFiveColumnHeight));
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
    v.windowState = windowState;
    v.width = width;
    v.height = height;
    return v;
}

QByteArray FiveColumnSettingsText(const FiveColumnSettingsValues& values) {
    return blocks(values).text() + "\r\n";
}

FiveColumnSettingsValues ReadFiveColumnSettingsText(const QByteArray& text) {
    FiveColumnSettingsValues v;
    ReadSettingsText(text, kKeys,
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
    if (!QFileInfo::exists(path)) {
        FiveColumnSettingsValues first;
        first.windowState = 0;
        platform::WriteFileWhole(path, FiveColumnSettingsText(first));
    }
    QByteArray data;
    if (!platform::ReadFileWhole(path, data)) return std::nullopt;
    return ReadFiveColumnSettingsText(data);
}

bool WriteFiveColumnSettings(const FiveColumnSettingsValues& values) {
    return WriteProgramFile(FiveColumnSettingsPath(), FiveColumnSettingsText(values));
}
