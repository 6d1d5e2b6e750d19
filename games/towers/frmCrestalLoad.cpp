// Loading the three-towers window: defaults, the settings file with the high run, the splash
// texts; writing the settings at a confirmed quit; the custom mark and the rules values.
#include "games/towers/frmCrestal.h"

#include "games/towers/TowersSettings.h"
#include "platform/CentreOnScreen.h"
#include "platform/ProgramTime.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QLabel>

void frmCrestal::Form_Load() {
    SharedState& s = Shared();
    setCursor(Qt::WaitCursor);
    LoadFrameDefaults(); // idle, music off, default time limit, status bar, splash
    ResetTowersLoadDefaults();
    resize(Tw(9570), Tw(7200));
    Form_Resize();
    setWindowTitle(s.GameTitle);

    // A missing file is written with the defaults first; the stored time limit and card back
    // are applied through their menu items.
    ReadSettingsINI();
    Form_Resize(); // the stored size, laid out before the window is first shown
    CheckForCustom();
    s.WindowLoadTime = platform::ProgramTime::now();
    FillSplashTexts(splashTexts_, s.GameTitle);
    CentreOnScreen(this);
    unsetCursor();
}

void frmCrestal::ReadSettingsINI() {
    SettingsHooks hooks;
    hooks[kCrestalHiRun] = [this](int32_t run) {
        label("lblHighRun")->setText(HighRunCaption(run));
        label("lblHighRun")->adjustSize();
    };
    LoadSettingsFile(hooks);
}

RulesValues frmCrestal::RulesValuesNow() const {
    RulesValues v = GameWindow::RulesValuesNow();
    const TowersSettings& o = TowersOptions();
    v.CardBonus = o.CardBonus;
    v.HighRunBonus = o.HighRunBonus;
    v.TowerBonus = o.TowerBonus;
    return v;
}
