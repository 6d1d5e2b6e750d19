// Loading the elevens window: defaults, the settings file, the high-score line, the splash
// texts; writing the settings at a confirmed quit; the custom-scoring dialog and the rules.
#include "games/elevens/frmElevens.h"
#include "platform/CentreOnScreen.h"

#include "frame/SplashTexts.h"
#include "games/elevens/ElevensSettings.h"
#include "platform/Modal.h"
#include "platform/ProgramTime.h"
#include "platform/Twips.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

void frmElevens::Form_Load() {
    SharedState& s = Shared();
    LoadFrameDefaults(); // idle, music off, default time limit, status bar, splash
    ResetElevensLoadDefaults();
    resize(Tw(9540), Tw(7200));
    Form_Resize();
    setCursor(Qt::WaitCursor);

    // A missing file is written with the defaults first; the stored time limit, colour and
    // card back are applied through their menu items.
    ReadSettingsINI();
    // A file without "[DrawTimer]" keeps the count-up on: its check mark says so too.
    if (QAction* a = action("mnuDrawTimer")) a->setChecked(ElevensOptions().DrawTimer);
    Form_Resize(); // the stored size, laid out before the window is first shown
    SetCardValues(s.EnhancedScoring);
    setStatusText(1, WelcomeText());
    FillSplashTexts(splashTexts_, s.GameTitle);
    setWindowTitle(ElevensWindowCaption());
    CentreOnScreen(this);

    ShowTopScore();
    StatusClock_Timer();
    s.WindowLoadTime = platform::ProgramTime::now();
    CheckForCustom();
    if (QAction* save = action("mnuSave")) save->setEnabled(false);
    unsetCursor();
}

SettingsHooks frmElevens::settingsHooks() {
    SettingsHooks hooks;
    hooks[kElevensColor] = [this](int32_t index) { ColourItem_Click(index); };
    hooks[kElevensDrawTimer] = [this](int32_t on) {
        if (QAction* a = action("mnuDrawTimer")) a->setChecked(on != 0);
    };
    hooks[kElevensCardGoal] = [this](int32_t goal) {
        setGoalChecks(goal);
        const QString caption = GoalCaption(goal);
        if (caption.isEmpty()) return;
        label("lblElevens")->setText(caption);
        label("lblElevens")->adjustSize();
        Form_Resize();
    };
    return hooks;
}

void frmElevens::ReadSettingsINI() {
    LoadSettingsFile(settingsHooks());
}

RulesValues frmElevens::RulesValuesNow() const {
    RulesValues v = GameWindow::RulesValuesNow();
    const ElevensSettings& o = ElevensOptions();
    v.ElevensBonusRoundScore = o.BonusRoundScore;
    v.ElevensBonus = o.Bonus;
    v.ElevensBonusES = o.BonusES;
    v.ElevensCompletionBonus = o.CompletionBonus;
    v.CardBonus = o.CardBonus;
    if (cmdTakeScore()) v.TakeScoreCaption = cmdTakeScore()->text();
    return v;
}
