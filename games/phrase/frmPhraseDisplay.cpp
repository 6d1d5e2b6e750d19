// What the phrase window shows of the game: the cells, the letter buttons, the faces, the
// letter value, the score and the message; which groups of controls are visible; and the
// letter buttons, Solve It and the letter bar, which hand their clicks and ticks to the game.
#include "games/phrase/frmPhrase.h"

#include "frame/Captions.h"
#include "frame/VbColour.h"
#include "games/phrase/PhraseSettings.h"
#include "platform/GameTimer.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {
uint32_t boardColour(BoardColour c) {
    switch (c) {
    case BoardColour::Lost:
        return kVbRed;
    case BoardColour::Solved:
        return 0x00C000;
    case BoardColour::Play:
        break;
    }
    return kVbBlue;
}
} // namespace

QAction* frmPhrase::action(const QString& name) const {
    if (QAction* a = item(name)) return a;
    return findChild<QAction*>(name);
}

void frmPhrase::showBoard() {
    const PhraseRound& r = game_.round();
    const QColor text = VbColour(boardColour(r.colour()));
    for (int k = 0; k < kBoardCells; ++k) {
        QLabel* cell = cells_[size_t(k)];
        const QString& caption = r.cellCaption(k);
        // A hidden letter is an empty tile; a revealed blank shows nothing at all.
        const bool tile = r.cellVisible(k) && caption != QLatin1String(" ");
        cell->setVisible(tile);
        if (!tile) continue;
        cell->setText(caption);
        QPalette p = cell->palette();
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Window,
                   caption.isEmpty() ? QColor(255, 255, 255) : QColor(255, 255, 224));
        cell->setPalette(p);
        cell->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
}

void frmPhrase::showLetters() {
    for (int i = 0; i < kLetterCount; ++i)
        letters_[size_t(i)]->setEnabled(game_.round().letterEnabled(i));
}

void frmPhrase::showFaces() {
    for (int i = 0; i < kMaxFaces; ++i) {
        const Face f = game_.round().face(i);
        faces_[size_t(i)]->setPixmap(FacePicture(f == Face::Happy   ? 1
                                                 : f == Face::Blank ? 2
                                                                    : unhappyPicture_));
    }
}

void frmPhrase::showLetterValue() {
    letterValue_->setText(QString::number(game_.round().letterValue()));
    bar_->setValue(game_.round().bar());
}

void frmPhrase::setScoreText() {
    SetCaption(label("lblCurrentScore"), FormatScore(Shared().Score));
}

void frmPhrase::setMessage(const QString& text) {
    SetCaption(label("lblMessage"), text);
}

void frmPhrase::setRoundText() {
    SetCaption(label("lblCurrentRound"), QString::number(Shared().Round));
}

void frmPhrase::setTimeText(const QString& text) {
    SetCaption(label("lblTime"), text);
}

void frmPhrase::ShowControls(bool visible, bool scoresVisible) {
    ShowControls(visible, scoresVisible, visible, false);
}

void frmPhrase::ShowControls(bool visible, bool scoresVisible, bool infoVisible,
                             bool keepLetterStates) {
    for (const char* name :
         {"lblTime", "Surface", "TimerBevelSide", "TimerRectangle", "TimerBevelBottom", "lblRound",
          "RoundRectangle", "RoundBevelSide", "RoundBevelBottom", "lblCurrentRound"})
        if (QWidget* w = findChild<QWidget*>(name)) w->setVisible(visible);
    bar_->setVisible(visible);
    board_->setVisible(visible);
    for (QPushButton* b : letters_)
        b->setVisible(visible);
    if (!keepLetterStates) {
        game_.round().setAllLetters(visible);
        showLetters();
    }
    for (const char* name :
         {"lblScore", "ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom", "lblCurrentScore"})
        if (QWidget* w = findChild<QWidget*>(name)) w->setVisible(scoresVisible);
    for (QWidget* w :
         {static_cast<QWidget*>(label("lblLetterValue")), static_cast<QWidget*>(letterValue_),
          static_cast<QWidget*>(label("lblHighScore")), static_cast<QWidget*>(guessFrame_)})
        w->setVisible(infoVisible);
}

void frmPhrase::setSolveEnabled(bool on) {
    solve_->setEnabled(on);
    if (QAction* a = action("mnuSolve")) a->setEnabled(on);
}

void frmPhrase::setPlayControlsEnabled(bool on) {
    for (QPushButton* b : {cmdPlay(), cmdPause(), quitButton()})
        b->setEnabled(on);
    for (const char* name : {"mnuPlay", "mnuPause", "mnuExit"})
        if (QAction* a = action(name)) a->setEnabled(on);
}

void frmPhrase::playSounds(const std::vector<QString>& sounds) {
    for (const QString& s : sounds)
        PlaySound(s);
}

bool frmPhrase::acceptsPlay() const {
    return state() == State::Running && !inRoundEnd() && !Shared().InputBlocked;
}

void frmPhrase::cmdLetter_Click(int index) {
    if (!acceptsPlay()) return;
    const LetterResult r = game_.clickLetter(index);
    if (!r.accepted) return;
    setCursor(Qt::WaitCursor);
    playSounds(r.sounds);
    if (r.messageCleared) {
        SetCaption(label("lblMessage"), QString());
        label("lblMessage")->hide();
    }
    showBoard();
    showLetters();
    showFaces();
    showLetterValue();
    setScoreText();
    const PhraseRound& round = game_.round();
    if (round.collectingPicks()) {
        showPickPrompt();
    } else if (r.picksPlayed) {
        SetCaption(label("lblMessage"), QString());
        label("lblMessage")->hide();
        if (r.ending == RoundEnding::None) {
            // The picks are uncovered: solve mode with the clock running.
            label("lblLetterValue")->setText("All Letters worth:");
            label("lblLetterValue")->show();
            letterValue_->show();
            Timer1()->setEnabled(true);
        }
    }
    dummy_->setFocus();
    unsetCursor();
    handleEnding(r.ending);
}

void frmPhrase::showPickPrompt() {
    QLabel* message = label("lblMessage");
    setMessage(game_.round().pickPrompt());
    // The prompt stands where the faces are, which the bonus round does not show.
    message->move(message->x(), guessFrame_->y());
    message->show();
    message->repaint();
}

void frmPhrase::cmdSolve_Click() {
    if (!acceptsPlay() || !solve_->isEnabled()) return;
    Timer1()->setEnabled(false);
    game_.solve();
    setPlayControlsEnabled(false);
    setSolveEnabled(false);
    showLetters();
    showLetterValue();
}

void frmPhrase::Timer5_Timer() {
    if (!acceptsPlay()) return;
    const BarResult r = game_.barTick();
    bar_->setValue(game_.round().bar());
    if (r.faceLost) {
        PlaySound("Chord.wav");
        showFaces();
    }
    if (r.messageCleared) {
        SetCaption(label("lblMessage"), QString());
        label("lblMessage")->hide();
    }
    // A full bar ends the round as the clock does: not behind a question or window.
    if (r.ending != RoundEnding::None)
        TimerEndsRound([this, ending = r.ending] { handleEnding(ending); });
}
