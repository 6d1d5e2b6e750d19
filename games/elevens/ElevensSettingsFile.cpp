#include "games/elevens/ElevensSettingsFile.h"

#include "games/elevens/ElevensSettings.h"
#include "services/SharedState.h"

namespace {
const QString kColor = QStringLiteral("[Color]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kTime = QStringLiteral("[Time]");
const QString kDrawTimer = QStringLiteral("[DrawTimer]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kCardGoal = QStringLiteral("[CardGoal]");
const QString kBonusRound = QStringLiteral("[Bonus Round Score]");
const QString kCompletion = QStringLiteral("[Completion Bonus]");
const QString kElevensBonus = QStringLiteral("[Elevens Bonus]");
const QString kElevensBonusES = QStringLiteral("[Elevens Bonus ES]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kState = QStringLiteral("[State]");
const QString kScoreMode = QStringLiteral("[New Score Mode]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");
const QString kDeck = QStringLiteral("[Deck]");

const QStringList kKeys = {kColor,        kMusic,          kTime,       kDrawTimer,
                           kSounds,       kCardGoal,       kBonusRound, kCompletion,
                           kElevensBonus, kElevensBonusES, kTimeBonus,  kState,
                           kScoreMode,    kWidth,          kHeight,     kDeck};

const std::vector<int> kTimeLimits = {30, 60, 90, 120, 150, 180};
const std::vector<int> kColours = {0, 1, 2, 3, 4, 5};
const std::vector<int> kDesigns = {1, 2, 3, 4};

// The size a maximised window records, so that it comes back at the minimum when restored.
constexpr int kMaximisedWidth = 9540;
constexpr int kMaximisedHeight = 7200;

int32_t scoringValue(const QString& text, int32_t fallback) {
    const auto v = SettingsWholeNumber(text);
    if (!v || *v < ElevensDefaults::MinScoringValue || *v > ElevensDefaults::MaxScoringValue)
        return fallback;
    return *v;
}

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

void apply(const ElevensSettingsHandlers& h, const QString& key, const QString& value) {
    SharedState& s = Shared();
    ElevensSettings& o = ElevensOptions();
    if (key == kColor) {
        const int i = SettingsTextIndex(value, kColours);
        if (i < 0) return;
        o.SelectionColour = kColours[i];
        call(h.selectionColour, kColours[i]);
    } else if (key == kMusic) {
        s.MusicOn = SettingsTruth(value);
        call(h.music, s.MusicOn);
    } else if (key == kTime) {
        const int i = SettingsTextIndex(value, kTimeLimits);
        s.TimeLimit = i < 0 ? ElevensDefaults::TimeLimit : kTimeLimits[i];
        call(h.timeLimit, s.TimeLimit);
    } else if (key == kDrawTimer) {
        o.DrawTimer = SettingsTruth(value);
        call(h.drawTimer, o.DrawTimer);
    } else if (key == kSounds) {
        s.SoundsOn = SettingsTruth(value);
        call(h.sounds, s.SoundsOn);
    } else if (key == kCardGoal) {
        const auto goal = SettingsWholeNumber(value);
        s.CardGoal = goal && *goal >= 10 && *goal <= 15 ? *goal : ElevensDefaults::CardGoal;
        call(h.cardGoal, s.CardGoal);
    } else if (key == kBonusRound) {
        o.BonusRoundScore = scoringValue(value, ElevensDefaults::BonusRoundScore);
    } else if (key == kCompletion) {
        o.CompletionBonus = scoringValue(value, ElevensDefaults::CompletionBonus);
    } else if (key == kElevensBonus) {
        o.Bonus = scoringValue(value, ElevensDefaults::Bonus);
    } else if (key == kElevensBonusES) {
        o.BonusES = scoringValue(value, ElevensDefaults::BonusES);
    } else if (key == kTimeBonus) {
        s.TimeBonus = scoringValue(value, ElevensDefaults::TimeBonus);
    } else if (key == kState) {
        // A window stored minimised opens in the normal state.
        const auto state = SettingsWholeNumber(value);
        if (state && *state >= WindowNormal && *state <= WindowMaximised)
            call(h.windowState, *state == WindowMaximised ? WindowMaximised : WindowNormal);
    } else if (key == kScoreMode) {
        s.EnhancedScoring = SettingsTruth(value);
    } else if (key == kWidth || key == kHeight) {
        if (h.currentWindowState && h.currentWindowState() == WindowMaximised) return;
        const auto size = SettingsWholeNumber(value);
        if (!size || *size <= 0) return;
        call(key == kWidth ? h.width : h.height, int(*size));
    } else if (key == kDeck) {
        const int i = SettingsTextIndex(value, kDesigns);
        s.DeckDesign = i < 0 ? ElevensDefaults::DeckDesign : kDesigns[i];
        call(h.deckDesign, s.DeckDesign);
    }
}
} // namespace

QString ElevensSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kElevensSettingsFile);
}

ElevensSettingsValues DefaultElevensSettings(const ElevensWindowGeometry& window) {
    ElevensSettingsValues v;
    v.windowState = window.state;
    v.width = window.width;
    v.height = window.height;
    return v;
}

ElevensSettingsValues CurrentElevensSettings(const ElevensWindowGeometry& window) {
    const SharedState& s = Shared();
    const ElevensSettings& o = ElevensOptions();
    ElevensSettingsValues v;
    v.colour = o.SelectionColour;
    v.playMusic = s.MusicOn;
    v.timeLimit = s.TimeLimit;
    v.drawTimer = o.DrawTimer;
    v.playSounds = s.SoundsOn;
    v.cardGoal = s.CardGoal;
    v.bonusRoundScore = o.BonusRoundScore;
    v.completionBonus = o.CompletionBonus;
    v.elevensBonus = o.Bonus;
    v.elevensBonusES = o.BonusES;
    v.timeBonus = s.TimeBonus;
    v.windowState = window.state;
    v.enhancedScoring = s.EnhancedScoring;
    v.width = window.width;
    v.height = window.height;
    v.deckDesign = s.DeckDesign;
    return v;
}

SettingsFile ElevensSettingsBlocks(const ElevensSettingsValues& v) {
    const bool maximised = v.windowState == WindowMaximised;
    SettingsFile f;
    f.addNumber(kColor, v.colour)
        .addFlag(kMusic, v.playMusic)
        .addNumber(kTime, v.timeLimit)
        .addFlag(kDrawTimer, v.drawTimer)
        .addFlag(kSounds, v.playSounds)
        .addNumber(kCardGoal, v.cardGoal)
        .addNumber(kBonusRound, v.bonusRoundScore)
        .addNumber(kCompletion, v.completionBonus)
        .addNumber(kElevensBonus, v.elevensBonus)
        .addNumber(kElevensBonusES, v.elevensBonusES)
        .addNumber(kTimeBonus, v.timeBonus)
        .addNumber(kState, maximised ? WindowMaximised : WindowNormal)
        .addFlag(kScoreMode, v.enhancedScoring)
        .addNumber(kWidth, maximised ? kMaximisedWidth : v.width)
        .addNumber(kHeight, maximised ? kMaximisedHeight : v.height)
        .addNumber(kDeck, v.deckDesign);
    return f;
}

bool WriteElevensSettings(const ElevensSettingsValues& values) {
    return ElevensSettingsBlocks(values).write(ElevensSettingsPath());
}

void ApplyElevensSettingsText(const QByteArray& text, const ElevensSettingsHandlers& handlers) {
    ReadSettingsText(text, kKeys, [&](const QString& key, const QString& value) {
        apply(handlers, key, value);
    });
}

bool ReadElevensSettings(const QString& path, const ElevensSettingsHandlers& handlers) {
    return ReadSettingsFile(path, kKeys, [&](const QString& key, const QString& value) {
        apply(handlers, key, value);
    });
}

bool LoadElevensSettings(const ElevensWindowGeometry& window,
                         const ElevensSettingsHandlers& handlers) {
    return LoadSettingsFile(
        ElevensSettingsPath(), ElevensSettingsBlocks(DefaultElevensSettings(window)), kKeys,
        [&](const QString& key, const QString& value) { apply(handlers, key, value); });
}
