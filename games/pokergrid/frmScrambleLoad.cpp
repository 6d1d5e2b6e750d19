// Loading the poker grid window: defaults, the settings file, the high-score line, the splash
// texts; writing the settings at a confirmed quit; the custom mark and the rules values.
#include "games/pokergrid/frmScramble.h"

#include "games/pokergrid/PokerGridSettings.h"
#include "platform/CentreOnScreen.h"
#include "platform/GameTimer.h"
#include "platform/ProgramTime.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QLabel>

void frmScramble::Form_Load() {
    SharedState& s = Shared();
    setCursor(Qt::WaitCursor);
    setWindowTitle(s.GameTitle);
    FillSplashTexts(splashTexts_, s.GameTitle);
    LoadFrameDefaults(); // idle, status bar, load time, splash
    ResetPokerGridDefaults();
    resize(Tw(9540), Tw(7305));
    InitClock();
    Timer1()->setEnabled(false);
    ShowControls(false, false);
    for (const char* name : {"TimerRectangle", "TimerBevelSide", "TimerBevelBottom"})
        if (QWidget* w = findChild<QWidget*>(name)) w->hide();
    StatusClock_Timer();
    setStatusText(1, WelcomeText());

    // A missing file is written with the defaults first; the stored time limit and card
    // back are applied through their menu items.
    ReadSettingsINI();
    CheckForCustom();
    s.WindowLoadTime = platform::ProgramTime::now();
    Form_Resize();
    CentreOnScreen(this);
    Reset(true);
    unsetCursor();
}

void frmScramble::ReadSettingsINI() {
    LoadSettingsFile();
}

RulesValues frmScramble::RulesValuesNow() const {
    RulesValues v = GameWindow::RulesValuesNow();
    const PokerGridSettings& o = PokerGridOptions();
    v.OverWrites = o.OverWrites;
    v.PairScore = o.hands.PairScore;
    v.TwoPairScore = o.hands.TwoPairScore;
    v.TripsScore = o.hands.TripsScore;
    v.StraightScore = o.hands.StraightScore;
    v.FlushScore = o.hands.FlushScore;
    v.FullHouseScore = o.hands.FullHouseScore;
    v.FourScore = o.hands.FourScore;
    v.StraightFlushScore = o.hands.StraightFlushScore;
    v.RoyalFlushScore = o.hands.RoyalFlushScore;
    return v;
}
