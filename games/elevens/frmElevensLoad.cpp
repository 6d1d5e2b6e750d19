// Loading the elevens window: defaults, the settings file, the high-score line, the splash
// texts; writing the settings at a confirmed quit; the custom-scoring dialog and the rules.
#include "games/elevens/frmElevens.h"
#include "platform/CentreOnScreen.h"

#include "dialogs/HighScoreEntry.h"
#include "frame/SplashTexts.h"
#include "games/elevens/ElevensSettings.h"
#include "games/elevens/ElevensSettingsFile.h"
#include "games/elevens/frmElevensCustomScoring.h"
#include "platform/Modal.h"
#include "platform/ProgramTime.h"
#include "platform/Twips.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {
ElevensWindowGeometry geometryOf(const QWidget& w) {
    return GeometryOf(w);
}
} // namespace

void frmElevens::Form_Load() {
    SharedState& s = Shared();
    LoadFrameDefaults(); // idle, music off, default time limit, status bar, splash
    ResetElevensLoadDefaults();
    resize(Tw(9540), Tw(7200));
    Form_Resize();
    setCursor(Qt::WaitCursor);

    // A missing file is written with the defaults first; the stored time limit, colour and
    // card back are applied through their menu items.
    LoadElevensSettings(geometryOf(*this), settingsHandlers());
    // A file without "[DrawTimer]" keeps the count-up on: its check mark says so too.
    if (QAction* a = action("mnuDrawTimer")) a->setChecked(ElevensOptions().DrawTimer);
    Form_Resize(); // the stored size, laid out before the window is first shown
    SetCardValues(s.EnhancedScoring);
    setStatusText(1, WelcomeText());
    FillSplashTexts(splashTexts_, s.GameTitle);
    setWindowTitle(ElevensWindowCaption());
    CentreOnScreen(this);

    const QString table = HighScoreTableName();
    const QString top = descriptor().defaultTop;
    if (!QFileInfo::exists(HighScoreFilePath(table))) CreateHighScoreFile(table, this, top);
    ShowHighScore(table, this, top);
    StatusClock_Timer();
    s.WindowLoadTime = platform::ProgramTime::now();
    s.CustomScoring = ElevensScoringIsCustom();
    if (QAction* save = action("mnuSave")) save->setEnabled(false);
    unsetCursor();
}

ElevensSettingsHandlers frmElevens::settingsHandlers() {
    ElevensSettingsHandlers h;
    h.selectionColour = [this](int index) { ColourItem_Click(index); };
    h.timeLimit = [this](int seconds) { ApplyStoredTimeLimit(seconds); };
    h.deckDesign = [this](int design) { ApplyStoredDeckDesign(design); };
    h.music = [this](bool on) { SetMusicSwitch(on); };
    h.sounds = [this](bool on) { SetSoundsSwitch(on); };
    h.drawTimer = [this](bool on) {
        if (QAction* a = action("mnuDrawTimer")) a->setChecked(on);
    };
    h.cardGoal = [this](int goal) {
        setGoalChecks(goal);
        const QString caption = GoalCaption(goal);
        if (!caption.isEmpty()) {
            label("lblElevens")->setText(caption);
            label("lblElevens")->adjustSize();
            Form_Resize();
        }
    };
    h.windowState = [this](int state) {
        setWindowState(state == WindowMaximised ? Qt::WindowMaximized : Qt::WindowNoState);
    };
    h.currentWindowState = [this] { return geometryOf(*this).state; };
    h.width = [this](int tw) {
        if (ScreenHolds(tw, Qt::Horizontal)) resize(Tw(tw), height());
    };
    h.height = [this](int tw) {
        if (ScreenHolds(tw, Qt::Vertical)) resize(width(), Tw(tw));
    };
    return h;
}

void frmElevens::ReadSettingsINI() {
    ReadElevensSettings(ElevensSettingsPath(), settingsHandlers());
}

void frmElevens::WriteSettingsINI() {
    WriteElevensSettings(CurrentElevensSettings(geometryOf(*this)));
}

void frmElevens::ShowCustomScoring() {
    frmElevensCustomScoring dialog(this, [this] {
        SetCardValues(Shared().EnhancedScoring);
        setStatusText(1, BonusRoundStatusText());
    });
    platform::ShowModal(dialog);
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
