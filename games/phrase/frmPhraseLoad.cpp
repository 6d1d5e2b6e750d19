// Loading the phrase window: defaults, the settings file, the splash texts and the high-score
// line; the topic items; minimising; writing the settings and the topic files at a
// confirmed quit; the custom-scoring dialog and the values the rules quote.
#include "games/phrase/frmPhrase.h"

#include "frame/Captions.h"
#include "frame/WindowSettings.h"
#include "games/phrase/PhraseSettings.h"
#include "platform/CentreOnScreen.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/ProgramTime.h"
#include "platform/Twips.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <utility>

void frmPhrase::Form_Load() {
    SharedState& s = Shared();
    LoadFrameDefaults(); // idle, splash on, default time limit, status bar, load time
    setCursor(Qt::WaitCursor);
    Timer1()->setEnabled(false);
    Timer2()->setEnabled(false);
    timer5_->setEnabled(false);
    s.GameInProgress = false;
    ResetPhraseLoadDefaults();
    setWindowTitle(s.GameTitle);
    resize(Tw(kPhraseDesignWidth), Tw(kPhraseDesignHeight));
    Form_Resize();

    // A missing file is written with the defaults first; the stored time limit and topic are
    // applied through their menu items, which also make and show the stored limit's table.
    ReadSettingsINI();
    Form_Resize();
    CheckForCustom();
    s.WindowLoadTime = platform::ProgramTime::now();

    FillSplashTexts(splashTexts_, s.GameTitle);
    // The score box keeps its design "0": the shared score may still hold another game's.
    SetCaption(label("lblCurrentScore"), "0");
    setRoundText();
    showFaces();
    // Idle: the splash stands where the board will be; only the score shows beside it.
    ShowControls(false, true, false, false);
    // Until the first game the window shows the top score it has just read, so a new time
    // limit shows its own table's.
    label("lblHighScore")->show();
    if (!isMaximized()) CentreOnScreen(this);
    unsetCursor();
}

void frmPhrase::ReadSettingsINI() {
    LoadSettingsFile();
    // Through its menu item, so that its check mark shows; a topic the file does not offer
    // leaves the one in force.
    TopicItem_Click(PhraseOptions().Topic);
}

void frmPhrase::WriteSettingsINI() {
    GameWindow::WriteSettingsINI();
    Timer1()->setEnabled(false);
    timer5_->setEnabled(false);
    Shared().GameInProgress = false;
    // Every topic read in this run goes back with the place reached, each file on its own;
    // one message covers, and names, all that could not be written.
    const QStringList failed = Phrases().writeBack();
    if (!failed.isEmpty())
        platform::MsgBox("An error occured when attmpting to access the Glyphon Data files. "
                         "Check to see if these files have been marked Read Only.\n" +
                             Shared().ProgramFolder + failed.join("\n" + Shared().ProgramFolder),
                         platform::Buttons::OK, platform::Icon::Critical, Shared().GameTitle, this);
}

RulesValues frmPhrase::RulesValuesNow() const {
    RulesValues v = GameWindow::RulesValuesNow();
    const PhraseSettings& o = PhraseOptions();
    v.GuessCount = o.GuessCount;
    v.GuessBonus = o.GuessBonus;
    v.CompletionBonus = o.CompletionBonus;
    v.BonusRoundScore = Shared().BonusRoundScore;
    v.TimeBonus = Shared().TimeBonus;
    return v;
}

void frmPhrase::ClearTopicCheck() {
    for (QAction* a : topicItems_)
        if (a) a->setChecked(false);
}

void frmPhrase::TopicItem_Click(int topic) {
    if (topic < 0 || topic > kTopicCount) return;
    PhraseOptions().Topic = topic;
    ClearTopicCheck();
    if (QAction* a = topicItems_[size_t(topic)]) a->setChecked(true);
    ShowTopScore();
}

void frmPhrase::HoldGameTimers(bool hold) {
    // The letter bar stops with the clock while minimised or while a round end waits, and
    // runs on only when it ran before and the round is still in play.
    if (hold) {
        if (timer5_->isEnabled()) barHeld_ = true;
        timer5_->setEnabled(false);
    } else if (std::exchange(barHeld_, false) && acceptsPlay()) {
        timer5_->setEnabled(true);
    }
}
