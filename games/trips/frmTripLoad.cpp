// Loading the trips-and-runs window: defaults, the settings file, the high-score line and the
// splash texts; writing the settings at a confirmed quit; the custom-scoring dialog and the
// values the rules quote.
#include "games/trips/frmTrip.h"

#include "dialogs/HighScoreEntry.h"
#include "frame/TableScoringDialog.h"
#include "games/trips/TripsSettings.h"
#include "games/trips/TripsSettingsFile.h"
#include "platform/CentreOnScreen.h"
#include "platform/GameTimer.h"
#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {
// The dialog checks its boxes in this order; on screen the time bonus stands fifth.
constexpr int kScreenRow[] = {0, 1, 2, 3, 5, 6, 4};

ScoringRow row(int index, const char* label, const char* caption, const char* box, int32_t low,
               int32_t high, const QString& lowMessage, const QString& highMessage,
               std::function<int32_t()> value, std::function<void(int32_t)> store,
               int32_t defaultValue) {
    const int top = 300 + 420 * kScreenRow[index];
    ScoringRow r{label,
                 QString::fromLatin1(caption),
                 box,
                 low,
                 high,
                 lowMessage,
                 lowMessage,
                 highMessage,
                 std::move(value),
                 std::move(store),
                 defaultValue,
                 QRect(120, top - 60, 4500, 405),
                 QRect(5310, top, 1755, 285)};
    return r;
}

} // namespace

ScoringTable TripsScoringTable(std::function<void()> bonusTargetShown) {
    TripsSettings& o = TripsOptions();
    SharedState& s = Shared();
    using namespace TripsRanges;
    namespace D = TripsDefaults;
    ScoringTable t;
    t.dialogName = "frmTripCustom";
    t.note = QStringLiteral("Note: Changing any of the Scoring Options will cause your high "
                            "scores to be marked with an * indicating custom scoring was in use.");
    t.order = CheckOrder::StoreEach;
    t.rows = {
        row(
            0, "lblTripValue", "Three of a kind bonus:", "txtTripValue", 0, MaxTriple,
            "Sorry, the minimum value for a Triple is 0.",
            "Sorry, the maximum value for a Triple is 20000", [&o] { return o.TripleScore; },
            [&o](int32_t v) { o.TripleScore = v; }, D::TripleScore),
        row(
            1, "lblRunValue", "Run Bonus:", "txtRunValue", 0, MaxRun,
            "Sorry, the minimum value for a Run is 0.",
            "Sorry, the maximum value for a Run is 20000", [&o] { return o.RunScore; },
            [&o](int32_t v) { o.RunScore = v; }, D::RunScore),
        row(
            2, "lblDeckValue", "Deck Completion Bonus:", "txtDeckValue", 0, MaxDeckCompletion,
            "Sorry, the minimum value for for completing the Deck is 0.",
            "Sorry, the maximum value for completing the Deck is 100000",
            [&o] { return o.DeckCompletionBonus; }, [&o](int32_t v) { o.DeckCompletionBonus = v; },
            D::DeckCompletionBonus),
        row(
            3, "lblFlushValue", "Flush Bonus:", "txtFlushValue", 0, MaxFlush,
            "Sorry, the minimum value for the Flush Bonus is 0.",
            "Sorry, the maximum value for the Flush Bonus is 20000", [&o] { return o.FlushScore; },
            [&o](int32_t v) { o.FlushScore = v; }, D::FlushScore),
        row(
            4, "lblBonusRound", "Score Required for Bonus Round:", "txtBonusRound", 0,
            MaxBonusRound, "Sorry, the minimum value for obtaining the Bonus Round is 0.",
            "Sorry, the maximum value for obtaining the Bonus Round is 1000000",
            [&s] { return s.BonusRoundScore; }, [&s](int32_t v) { s.BonusRoundScore = v; },
            D::BonusRoundScore),
        // The penalty is shown and typed as a negative number and kept positive.
        row(
            5, "lblPenaltyValue", "Penalty for left-over cards:", "txtPenaltyValue",
            -MaxLeftOverPenalty, 0, "Sorry, the minimum penalty for left over cards is -20000",
            "Sorry, the maximum penalty for left over cards is 0.",
            [&o] { return -o.LeftOverPenalty; }, [&o](int32_t v) { o.LeftOverPenalty = -v; },
            -D::LeftOverPenalty),
        row(
            6, "lblTimeBonus", "Time Bonus (points per second)", "txtTimeBonus", 0, MaxTimeBonus,
            "Sorry, you cannot set the Time Bonus value to less than 0 points.",
            "Sorry, you cannot set the Time Bonus value to greater than 5000 points",
            [&s] { return s.TimeBonus; }, [&s](int32_t v) { s.TimeBonus = v; }, D::TimeBonus),
    };
    // Stored only when the time bonus, checked last, is in range: then the status bar shows
    // the bonus-round target too.
    t.switches = {{"chkCountDown", QStringLiteral("&Count Down when taking score"),
                   [&s] { return s.CountDownScore; },
                   [&s, bonusTargetShown](bool on) {
                       s.CountDownScore = on;
                       bonusTargetShown();
                   },
                   true}};
    t.recompute = [&s] { s.CustomScoring = TripsScoringIsCustom(); };
    t.loaded = [](TableScoringDialog& d) {
        d.setWindowTitle(Shared().GameTitle + " User Options");
        d.frmScoringOptions()->setTitle(Shared().GameTitle + " Scoring Options");
        d.box("txtPenaltyValue")->setStyleSheet("color: #ff0000;");
    };
    return t;
}

void frmTrip::Form_Load() {
    SharedState& s = Shared();
    LoadFrameDefaults(); // idle, music off, default time limit, welcome text, splash
    setCursor(Qt::WaitCursor);
    ResetTripsLoadDefaults();
    s.GameInProgress = false;
    resize(Tw(kTripsDesignWidth), Tw(kTripsDesignHeight));
    InitClock();
    Timer1()->setEnabled(false);

    // A missing file is written with the defaults and the window as designed, then read.
    TripsSettingsValues defaults;
    defaults.window = GeometryOf(*this);
    SettingsReader reader = TripsSettingsReader(settingsHandlers());
    ReadWindowBlocks(reader, *this);
    reader.load(TripsSettingsPath(), TripsSettingsBlocks(defaults));
    CheckForCustom();

    setWindowTitle(s.GameTitle);
    FillSplashTexts(splashTexts_, s.GameTitle);
    ShowHighScore(HighScoreTableName(), this, descriptor().defaultTop);
    Form_Resize();
    CentreOnScreen(this);
    ShowControls(false, false);
    ShowCards(false);
    ShowSplash(true);
    unsetCursor();
}

TripsSettingsHandlers frmTrip::settingsHandlers() {
    TripsSettingsHandlers h;
    h.timeLimit = [this](int seconds) { ApplyStoredTimeLimit(seconds); };
    h.deckDesign = [this](int design) { ApplyStoredDeckDesign(design); };
    h.music = [this](bool on) { SetMusicSwitch(on); };
    h.sounds = [this](bool on) { SetSoundsSwitch(on); };
    return h;
}

void frmTrip::ReadSettingsINI() {
    SettingsReader reader = TripsSettingsReader(settingsHandlers());
    ReadWindowBlocks(reader, *this);
    reader.read(TripsSettingsPath());
}

void frmTrip::WriteSettingsINI() {
    WriteTripsSettings(CurrentTripsSettings(GeometryOf(*this)));
}

void frmTrip::CheckForCustom() {
    Shared().CustomScoring = TripsScoringIsCustom();
}

void frmTrip::ShowCustomScoring() {
    TableScoringDialog dialog(
        TripsScoringTable([this] { setStatusText(1, TripsBonusTargetStatus()); }), this);
    platform::ShowModal(dialog);
}

RulesValues frmTrip::RulesValuesNow() const {
    RulesValues v = GameWindow::RulesValuesNow();
    const TripsSettings& o = TripsOptions();
    v.TripleScore = o.TripleScore;
    v.RunScore = o.RunScore;
    v.FlushScore = o.FlushScore;
    v.DeckCompletionBonus = o.DeckCompletionBonus;
    v.LeftOverPenalty = o.LeftOverPenalty;
    return v;
}
