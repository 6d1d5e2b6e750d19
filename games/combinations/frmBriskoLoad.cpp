// Loading the twenty-one combinations window: its defaults, the settings file applied
// through the menu items and the counter's speed, the splash; the settings written at a
// confirmed quit; the values the rules text quotes.
#include "games/combinations/frmBrisko.h"

#include "frame/SplashTexts.h"
#include "games/combinations/CombinationsSettings.h"
#include "games/combinations/CombinationsSettingsFile.h"
#include "platform/CentreOnScreen.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QLabel>
#include <QPushButton>

void frmBrisko::Form_Load() {
    SharedState& s = Shared();
    setCursor(Qt::WaitCursor);
    LoadFrameDefaults(); // idle, music off, the 90-second limit, status bar, splash
    ResetCombinationsDefaults();
    resize(Tw(9060), Tw(7155));
    FillSplashTexts(AddSplashTexts(frmSplash()), s.GameTitle);
    setWindowTitle(s.GameTitle);
    ReadSettingsINI();
    CheckForCustom();
    CentreOnScreen(this);
    Form_Resize();
    unsetCursor();
}

void frmBrisko::ReadSettingsINI() {
    CombinationsSettingsValues v;
    SettingsReader r;
    AddCombinationsKeys(r, v);
    ReadWindowBlocks(r, *this);
    const bool read =
        r.load(CombinationsSettingsPath(), CombinationsSettingsBlocks(v, GeometryOf(*this)));
    for (int i = 0; i < v.timerSpeedResets; ++i)
        platform::MsgBox(kTimerSpeedMessage);
    // The load always ends with one time item checked and its top score shown.
    ApplyStoredTimeLimit(read ? v.timeLimit : CombinationsDefaults::TimeLimit);
    if (!read) return;
    ApplyCombinationsSettings(v);
    timer3_->setInterval(v.timerSpeed);
    SetSoundsSwitch(v.playSounds);
    SetMusicSwitch(v.playMusic);
    ApplyStoredDeckDesign(v.deckDesign);
}

void frmBrisko::WriteSettingsINI() {
    CombinationsSettingsBlocks(CurrentCombinationsSettings(), GeometryOf(*this))
        .write(CombinationsSettingsPath());
}

void frmBrisko::CheckForCustom() {
    Shared().CustomScoring = CombinationsScoringIsCustom();
}

RulesValues frmBrisko::RulesValuesNow() const {
    RulesValues v = GameWindow::RulesValuesNow();
    const CombinationsSettings& o = CombinationsOptions();
    v.TwentyOneBonusValue = o.TwentyOneBonusValue;
    v.FiveCardsBonusValue = o.FiveCardsBonusValue;
    v.DeckCompletionBonus = o.DeckCompletionBonus;
    v.CardsUsedBonusValue = o.CardsUsedBonusValue;
    return v;
}
