#include "games/towers/TowersSettingsFile.h"

#include "app/SharedState.h"
#include "games/towers/TowersSettings.h"

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
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");
const QString kDeck = QStringLiteral("[Deck]");

const QStringList kKeys = {kMusic,      kTime,       kSounds,       kHiRun,     kCardBonus,
                           kBonusScore, kTowerBonus, kHighRunBonus, kCountDown, kTimeBonus,
                           kState,      kWidth,      kHeight,       kDeck};

const std::vector<int> kTimeLimits = {30, 45, 60, 90};
const std::vector<int> kDesigns = {1, 2, 3, 4};

// The size a maximised window records, so that it comes back at the minimum when restored.
constexpr int kMaximisedWidth = 9570;
constexpr int kMaximisedHeight = 7200;

// The value when it is a number from 0 to `max`, else the default.
int32_t ranged(const QString& text, int32_t max, int32_t fallback) {
    const auto v = SettingsWholeNumber(text);
    return v && *v >= 0 && *v <= max ? *v : fallback;
}

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

void apply(const TowersSettingsHandlers& h, const QString& key, const QString& value) {
    SharedState& s = Shared();
    TowersSettings& o = TowersOptions();
    if (key == kTime) {
        const int i = SettingsTextIndex(value, kTimeLimits);
        if (i >= 0) call(h.timeLimit, kTimeLimits[size_t(i)]);
    } else if (key == kMusic) {
        s.MusicOn = SettingsTruth(value);
        call(h.music, s.MusicOn);
    } else if (key == kSounds) {
        s.SoundsOn = SettingsTruth(value);
        call(h.sounds, s.SoundsOn);
    } else if (key == kHiRun) {
        o.HighRun = ranged(value, TowersDefaults::MaxHighRun, 0);
        call(h.highRun, o.HighRun);
    } else if (key == kCardBonus) {
        o.CardBonus = ranged(value, TowersDefaults::MaxCardBonus, TowersDefaults::CardBonus);
    } else if (key == kBonusScore) {
        s.BonusRoundScore =
            ranged(value, TowersDefaults::MaxBonusRoundScore, TowersDefaults::BonusRoundScore);
    } else if (key == kTowerBonus) {
        o.TowerBonus = ranged(value, TowersDefaults::MaxTowerBonus, TowersDefaults::TowerBonus);
    } else if (key == kHighRunBonus) {
        o.HighRunBonus =
            ranged(value, TowersDefaults::MaxHighRunBonus, TowersDefaults::HighRunBonus);
    } else if (key == kCountDown) {
        s.CountDownScore = SettingsTruth(value);
    } else if (key == kTimeBonus) {
        s.TimeBonus = ranged(value, TowersDefaults::MaxTimeBonus, TowersDefaults::TimeBonus);
    } else if (key == kState) {
        // A window stored minimised opens in the normal state, where its sizes apply.
        const auto state = SettingsWholeNumber(value);
        if (state && *state >= TowersNormal && *state <= TowersMaximised)
            call(h.windowState, *state == TowersMaximised ? TowersMaximised : TowersNormal);
    } else if (key == kWidth || key == kHeight) {
        if (h.currentWindowState && h.currentWindowState() == TowersMaximised) return;
        const auto size = SettingsWholeNumber(value);
        if (!size || *size <= 0) return;
        call(key == kWidth ? h.width : h.height, int(*size));
    } else if (key == kDeck) {
        const int i = SettingsTextIndex(value, kDesigns);
        if (i >= 0) call(h.deckDesign, kDesigns[size_t(i)]);
    }
}
} // namespace

QString TowersSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kTowersSettingsFile);
}

TowersSettingsValues DefaultTowersSettings(const TowersWindowGeometry& window) {
    TowersSettingsValues v;
    v.window = window;
    return v;
}

TowersSettingsValues CurrentTowersSettings(const TowersWindowGeometry& window) {
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
    const bool maximised = v.window.state == TowersMaximised;
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
        .addNumber(kTimeBonus, v.timeBonus)
        .addNumber(kState, maximised ? TowersMaximised : TowersNormal)
        .addNumber(kWidth, maximised ? kMaximisedWidth : v.window.width)
        .addNumber(kHeight, maximised ? kMaximisedHeight : v.window.height)
        .addNumber(kDeck, v.deckDesign);
    return f;
}

bool WriteTowersSettings(const TowersSettingsValues& values) {
    return TowersSettingsBlocks(values).write(TowersSettingsPath());
}

void ApplyTowersSettingsText(const QByteArray& text, const TowersSettingsHandlers& handlers) {
    ReadSettingsText(text, kKeys, [&](const QString& key, const QString& value) {
        apply(handlers, key, value);
    });
}

bool LoadTowersSettings(const TowersWindowGeometry& window,
                        const TowersSettingsHandlers& handlers) {
    return LoadSettingsFile(
        TowersSettingsPath(), TowersSettingsBlocks(DefaultTowersSettings(window)), kKeys,
        [&](const QString& key, const QString& value) { apply(handlers, key, value); });
}
