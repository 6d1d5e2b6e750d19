// Loading the five-column window: its defaults, the settings file applied through the menu
// items, the high-score line and the splash; the settings written at a confirmed quit; the
// values the rules text quotes.
#include "games/fivecolumn/frmQuintel.h"

#include "frame/SplashTexts.h"
#include "frame/WindowSettings.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "platform/CentreOnScreen.h"
#include "platform/GameTimer.h"
#include "platform/Twips.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QLabel>
#include <QPushButton>

void frmQuintel::Form_Load() {
    SharedState& s = Shared();
    setCursor(Qt::WaitCursor);
    setWindowTitle(s.GameTitle);
    FillSplashTexts(AddSplashTexts(frmSplash()), s.GameTitle);
    LoadFrameDefaults(); // idle, music off, the 60-second limit, status bar, splash
    ResetFiveColumnDefaults();
    Surface()->hide();
    resize(Tw(9540), Tw(7305));
    InitClock();
    Timer1()->setEnabled(false);
    ReadSettingsINI();
    CheckForCustom();
    ShowTopScore();
    s.GameInProgress = false;
    cmdPause()->setEnabled(false);
    CentreOnScreen(this);
    Form_Resize();
    unsetCursor();
}

void frmQuintel::ReadSettingsINI() {
    LoadSettingsFile(); // unreadable: the defaults stay, and their items are marked
    CheckTimeBonusEnds();
}

RulesValues frmQuintel::RulesValuesNow() const {
    RulesValues v = GameWindow::RulesValuesNow();
    const FiveColumnSettings& o = FiveColumnOptions();
    v.TimeBonusMax = o.TimeBonusMax;
    v.TimeBonusMin = o.TimeBonusMin;
    v.TimeBonusStep = CurrentTimeBonusStep();
    v.CardsToPass = o.CardsToPass;
    return v;
}
