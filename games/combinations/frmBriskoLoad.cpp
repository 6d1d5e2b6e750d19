// Loading the twenty-one combinations window: its defaults, the settings file applied
// through the menu items and the counter's speed, the splash; the settings written at a
// confirmed quit; the values the rules text quotes.
#include "games/combinations/frmBrisko.h"

#include "frame/SplashTexts.h"
#include "games/combinations/CombinationsSettings.h"
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
    const SettingsTable& t = CombinationsSettingsTable();
    // A counter speed the game does not offer is the one value the player is told about.
    LoadSettingsFile({}, [&t](SettingsReader& reader) {
        reader.text(kBriskoSpeed, [&t](const QString& value) {
            if (SettingsTextIndex(value, t.row(kBriskoSpeed).choices) < 0)
                // The one box of a game that carries the program's name, not the game's.
                platform::MsgBox(kTimerSpeedMessage, platform::Buttons::OK, platform::Icon::None,
                                 platform::kDefaultTitle);
        });
    });
    timer3_->setInterval(CombinationsOptions().TimerSpeed);
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
