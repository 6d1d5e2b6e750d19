#include "games/trips/TripsSettingsFile.h"

#include "games/trips/TripsSettings.h"
#include "services/SharedState.h"

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

const std::vector<int> kTimeLimits = {60, 75, 90, 105, 120, 135, 150, 180};
const std::vector<int> kDesigns = {1, 2, 3, 4};

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

// "True" or anything else; a key without its value keeps its default.
std::function<void(const QString&)> truth(std::function<void(bool)> use) {
    return [use = std::move(use)](const QString& value) {
        if (!value.isEmpty()) use(SettingsTruth(value));
    };
}

// One of `allowed`; any other text leaves the setting as it is.
std::function<void(const QString&)> listed(std::vector<int> allowed, std::function<void(int)> use) {
    return [allowed = std::move(allowed), use = std::move(use)](const QString& value) {
        const int i = SettingsTextIndex(value, allowed);
        if (i >= 0) call(use, allowed[size_t(i)]);
    };
}
} // namespace

QString TripsSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kTripsSettingsFile);
}

TripsSettingsValues CurrentTripsSettings(const WindowGeometry& window) {
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
        .addNumber(kLeftOver, v.leftOverCards);
    AddWindowBlocks(f, v.window, kTripsDesignSize);
    return f;
}

bool WriteTripsSettings(const TripsSettingsValues& values) {
    return TripsSettingsBlocks(values).write(TripsSettingsPath());
}

SettingsReader TripsSettingsReader(const TripsSettingsHandlers& h) {
    SharedState& s = Shared();
    TripsSettings& o = TripsOptions();
    using namespace TripsRanges;
    namespace D = TripsDefaults;
    SettingsReader r;
    r.text(kTime, listed(kTimeLimits, h.timeLimit))
        .text(kSounds, truth([&s, h](bool on) {
                  s.SoundsOn = on;
                  call(h.sounds, on);
              }))
        .text(kMusic, truth([&s, h](bool on) {
                  s.MusicOn = on;
                  call(h.music, on);
              }))
        .text(kCountDown, truth([&s](bool on) { s.CountDownScore = on; }))
        .text(kDeck, listed(kDesigns, h.deckDesign))
        .number(kTimeBonus, 0, MaxTimeBonus, D::TimeBonus, s.TimeBonus)
        .number(kBonusScore, 0, MaxBonusRound, D::BonusRoundScore, s.BonusRoundScore)
        .number(kTrips, 0, MaxTriple, D::TripleScore, o.TripleScore)
        .number(kRuns, 0, MaxRun, D::RunScore, o.RunScore)
        .number(kFlush, 0, MaxFlush, D::FlushScore, o.FlushScore)
        .number(kDeckCompletion, 0, MaxDeckCompletion, D::DeckCompletionBonus,
                o.DeckCompletionBonus)
        .number(kLeftOver, 0, MaxLeftOverPenalty, D::LeftOverPenalty, o.LeftOverPenalty);
    return r;
}
