#include "games/trips/TripsSettingsFile.h"

#include "app/SharedState.h"
#include "games/trips/TripsSettings.h"

namespace {
const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kTrips = QStringLiteral("[Trips Score]");
const QString kRuns = QStringLiteral("[Runs Score]");
const QString kFlush = QStringLiteral("[Flush Score]");
const QString kDeckCompletion = QStringLiteral("[Deck Completion]");
const QString kLeftOver = QStringLiteral("[LeftOverCards]");
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");

const QStringList kKeys = {kTime,           kSounds,     kMusic, kCountDown, kDeck,
                           kTimeBonus,      kBonusScore, kTrips, kRuns,      kFlush,
                           kDeckCompletion, kLeftOver,   kState, kWidth,     kHeight};

const std::vector<int> kTimeLimits = {60, 75, 90, 105, 120, 135, 150, 180};
const std::vector<int> kDesigns = {1, 2, 3, 4};

// A scoring value within 0..max, else the default.
int32_t scoringValue(const QString& text, int32_t max, int32_t fallback) {
    const auto v = SettingsWholeNumber(text);
    return v && *v >= 0 && *v <= max ? *v : fallback;
}

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

void apply(const TripsSettingsHandlers& h, const QString& key, const QString& value) {
    SharedState& s = Shared();
    TripsSettings& o = TripsOptions();
    using namespace TripsRanges;
    // A key without its value (at the end of the file, or an empty line) keeps its default.
    if (value.isEmpty()) return;
    if (key == kTime) {
        const int i = SettingsTextIndex(value, kTimeLimits);
        if (i >= 0) call(h.timeLimit, kTimeLimits[size_t(i)]);
    } else if (key == kSounds) {
        s.SoundsOn = SettingsTruth(value);
        call(h.sounds, s.SoundsOn);
    } else if (key == kMusic) {
        s.MusicOn = SettingsTruth(value);
        call(h.music, s.MusicOn);
    } else if (key == kCountDown) {
        s.CountDownScore = SettingsTruth(value);
    } else if (key == kDeck) {
        const int i = SettingsTextIndex(value, kDesigns);
        if (i >= 0) call(h.deckDesign, kDesigns[size_t(i)]);
    } else if (key == kTimeBonus) {
        s.TimeBonus = scoringValue(value, MaxTimeBonus, TripsDefaults::TimeBonus);
    } else if (key == kBonusScore) {
        s.BonusRoundScore = scoringValue(value, MaxBonusRound, TripsDefaults::BonusRoundScore);
    } else if (key == kTrips) {
        o.TripleScore = scoringValue(value, MaxTriple, TripsDefaults::TripleScore);
    } else if (key == kRuns) {
        o.RunScore = scoringValue(value, MaxRun, TripsDefaults::RunScore);
    } else if (key == kFlush) {
        o.FlushScore = scoringValue(value, MaxFlush, TripsDefaults::FlushScore);
    } else if (key == kDeckCompletion) {
        o.DeckCompletionBonus =
            scoringValue(value, MaxDeckCompletion, TripsDefaults::DeckCompletionBonus);
    } else if (key == kLeftOver) {
        o.LeftOverPenalty = scoringValue(value, MaxLeftOverPenalty, TripsDefaults::LeftOverPenalty);
    } else if (key == kState) {
        // A window stored minimised opens in the normal state.
        const auto state = SettingsWholeNumber(value);
        if (state && *state >= TripsNormal && *state <= TripsMaximised)
            call(h.windowState, *state == TripsMaximised ? TripsMaximised : TripsNormal);
    } else if (key == kWidth || key == kHeight) {
        if (h.currentWindowState && h.currentWindowState() == TripsMaximised) return;
        const auto size = SettingsWholeNumber(value);
        if (!size || *size <= 0) return;
        call(key == kWidth ? h.width : h.height, int(*size));
    }
}

SettingsValueHandler applier(const TripsSettingsHandlers& handlers) {
    return [&handlers](const QString& key, const QString& value) { apply(handlers, key, value); };
}
} // namespace

QString TripsSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kTripsSettingsFile);
}

TripsSettingsValues CurrentTripsSettings(const TripsWindowGeometry& window) {
    const SharedState& s = Shared();
    const TripsSettings& o = TripsOptions();
    TripsSettingsValues v;
    v.timeLimit = s.TimeLimit;
    v.playSounds = s.SoundsOn;
    v.playMusic = s.MusicOn;
    v.countDownScore = s.CountDownScore;
    v.deckDesign = s.DeckDesign;
    v.timeBonus = s.TimeBonus;
    v.bonusScore = s.BonusRoundScore;
    v.tripsScore = o.TripleScore;
    v.runsScore = o.RunScore;
    v.flushScore = o.FlushScore;
    v.deckCompletion = o.DeckCompletionBonus;
    v.leftOverCards = o.LeftOverPenalty;
    v.window = window;
    return v;
}

SettingsFile TripsSettingsBlocks(const TripsSettingsValues& v) {
    const bool maximised = v.window.state == TripsMaximised;
    SettingsFile f;
    f.addNumber(kTime, v.timeLimit)
        .addFlag(kSounds, v.playSounds)
        .addFlag(kMusic, v.playMusic)
        .addFlag(kCountDown, v.countDownScore)
        .addNumber(kDeck, v.deckDesign)
        .addNumber(kTimeBonus, v.timeBonus)
        .addNumber(kBonusScore, v.bonusScore)
        .addNumber(kTrips, v.tripsScore)
        .addNumber(kRuns, v.runsScore)
        .addNumber(kFlush, v.flushScore)
        .addNumber(kDeckCompletion, v.deckCompletion)
        .addNumber(kLeftOver, v.leftOverCards)
        .addNumber(kState, maximised ? TripsMaximised : TripsNormal)
        .addNumber(kWidth, maximised ? kTripsDesignWidth : v.window.width)
        .addNumber(kHeight, maximised ? kTripsDesignHeight : v.window.height);
    return f;
}

bool WriteTripsSettings(const TripsSettingsValues& values) {
    return TripsSettingsBlocks(values).write(TripsSettingsPath());
}

void ApplyTripsSettingsText(const QByteArray& text, const TripsSettingsHandlers& handlers) {
    ReadSettingsText(text, kKeys, applier(handlers));
}

bool LoadTripsSettings(const TripsWindowGeometry& window, const TripsSettingsHandlers& handlers) {
    TripsSettingsValues defaults;
    defaults.window = window;
    return LoadSettingsFile(TripsSettingsPath(), TripsSettingsBlocks(defaults), kKeys,
                            applier(handlers));
}
