// Loading the trips-and-runs window: defaults, the settings file, the high-score line and the
// splash texts; writing the settings at a confirmed quit; the custom mark and the values the
// rules quote.
#include "games/trips/frmTrip.h"

#include "games/trips/TripsSettings.h"
#include "platform/CentreOnScreen.h"
#include "platform/GameTimer.h"
#include "platform/Twips.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QLabel>

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
    ReadSettingsINI();
    CheckForCustom();

    setWindowTitle(s.GameTitle);
    FillSplashTexts(splashTexts_, s.GameTitle);
    ShowTopScore();
    Form_Resize();
    CentreOnScreen(this);
    ShowControls(false, false);
    // Until the first game the window shows the top score it has just read.
    label("lblHighScore")->show();
    ShowCards(false);
    ShowSplash(true);
    unsetCursor();
}

void frmTrip::ReadSettingsINI() {
    LoadSettingsFile();
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
