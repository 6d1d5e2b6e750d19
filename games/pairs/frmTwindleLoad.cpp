// Loading the Twindle window: defaults, the settings file, the headings and the splash texts;
// writing the settings at a confirmed quit; the rules values.
#include "games/pairs/frmTwindle.h"

#include "games/pairs/PairsLayout.h"
#include "games/pairs/PairsSettings.h"
#include "platform/CentreOnScreen.h"
#include "platform/GameTimer.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QLabel>

void frmTwindle::Form_Load() {
    SharedState& s = Shared();
    LoadFrameDefaults(); // idle, music off, time limit, welcome text, status clock, splash
    ResetPairsLoadDefaults();
    setCursor(Qt::WaitCursor);
    Timer1()->setEnabled(false);
    Timer2()->setEnabled(false);
    s.GameInProgress = false;
    setWindowTitle(s.GameTitle);
    // The window starts at its minimum: there is no other design size.
    resize(Tw(PairsDesign::MinWidth), Tw(PairsDesign::MinHeight));
    Form_Resize();
    ReadSettingsINI();
    Form_Resize();
    CheckForCustom();
    updateHeadings();
    FillSplashTexts(splashTexts_, s.GameTitle);
    ShowSplash(true);
    CentreOnScreen(this);
    unsetCursor();
}

void frmTwindle::ReadSettingsINI() {
    LoadSettingsFile();
}

void frmTwindle::updateHeadings() {
    setText("lblPairs", PairsHeading());
    setText("lblRuns", RunsHeading());
}

RulesValues frmTwindle::RulesValuesNow() const {
    RulesValues v = GameWindow::RulesValuesNow();
    const PairsSettings& o = PairsOptions();
    v.PairsBonus = o.PairsBonus;
    v.RunsBonus = o.RunsBonus;
    v.CompletionBonus = o.CompletionBonus;
    return v;
}
