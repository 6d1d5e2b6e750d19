// The bonus count-ups at a round's end and the shared end of a game.
#include "dialogs/HighScoreEntry.h"
#include "frame/Captions.h"
#include "frame/GameWindow.h"
#include "frame/ReturnKey.h"
#include "frame/VbColour.h"
#include "platform/GameTimer.h"
#include "platform/Pause.h"
#include "platform/Twips.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace {
// Adds to the score and shows the new total at once, even inside a blocking pause.
void addToScore(QLabel* score, int64_t add) {
    Shared().Score = AddScore(Shared().Score, add);
    if (!score) return;
    SetCaption(score, FormatScore(Shared().Score));
    score->repaint();
}

const QString kSnap = QStringLiteral("Snap.wav");

GameWindow::HighScoreInsert& highScoreInsert() {
    static GameWindow::HighScoreInsert insert;
    return insert;
}

void showNow(QLabel* l) {
    if (!l) return;
    l->show();
    l->repaint();
}

void setColour(QLabel* l, uint32_t bgr) {
    if (l) SetForeColour(l, bgr);
}

} // namespace

void GameWindow::CountTimeBonus(int32_t pointsPerSecond) {
    SharedState& s = Shared();
    QLabel* message = label(profile_.messageLabel);
    QLabel* scoring = label("lblScoring");
    QLabel* score = label(profile_.scoreLabel);
    const int secondsLeft = std::max(0, s.TimeLimit - s.ElapsedSeconds);

    int64_t step = pointsPerSecond;
    if (profile_.timeBonusTimesRoundPoints)
        step *= RoundPoints();
    else
        SetCaption(message, "Speed Bonus!");
    // The message is placed beside the amount by its size for this caption.
    if (profile_.timeBonusTimesRoundPoints) ApplyCaptionRule(message);
    int64_t bonus = step * secondsLeft;
    showNow(message);

    setColour(score, kVbCyan);
    SetCaption(scoring, FormatScore(bonus));
    setColour(scoring, kVbRed);
    if (scoring && profile_.amountPlace != AmountPlace::Kept) {
        const QWidget* outline = findChild<QFrame*>("ScoringLabelOutline");
        if (profile_.amountPlace == AmountPlace::OutlineCentre && outline)
            scoring->move(outline->x() + (outline->width() - scoring->width()) / 2, scoring->y());
        else
            scoring->move(width() / 2 - scoring->width() / 2, scoring->y());
        if (profile_.messagePlace == MessagePlace::Raised && message)
            message->move(message->x(), height() / 2 - Tw(800));
        if (profile_.messagePlace == MessagePlace::LeftOfAmount && message)
            message->move(scoring->x() - message->width() - Tw(100), message->y());
    }
    showNow(scoring);
    platform::Sleep(2000);

    if (s.CountDownScore) {
        const int first = s.ElapsedSeconds + 1;
        const int last = s.TimeLimit;
        for (int second = first; second <= last; ++second) {
            DrawClock(ClockDegreesFor(second));
            s.GaugeElapsed = second;
            s.ElapsedSeconds += 1;
            addToScore(score, step);
            bonus -= step;
            setColour(scoring, kVbBlack);
            SetCaption(scoring, FormatScore(bonus));
            PlaySound(kSnap);
            platform::Sleep(75);
        }
    } else {
        addToScore(score, bonus);
    }
    if (scoring) scoring->hide();
    setColour(score, kVbBlue);
}

void GameWindow::CountBonus(int32_t count, int32_t pointsEach, const QString& message) {
    SharedState& s = Shared();
    QLabel* msg = label(profile_.messageLabel);
    QLabel* scoring = label("lblScoring");
    QLabel* score = label(profile_.scoreLabel);
    const int64_t bonus = int64_t(count) * pointsEach;

    SetCaption(msg, message + "!");
    if (msg && profile_.messagePlace == MessagePlace::Raised)
        msg->move(msg->x(), msg->y() - Tw(800));
    showNow(msg);
    setColour(score, kVbCyan);
    SetCaption(scoring, FormatScore(bonus));
    if (scoring && profile_.amountPlace != AmountPlace::Kept)
        scoring->move(width() / 2 - scoring->width() / 2, scoring->y());
    setColour(scoring, kVbRed);
    showNow(scoring);
    platform::Sleep(1000);

    if (s.CountDownScore) {
        // Twenty steps of a twentieth; small bonuses still move by at least one point.
        int64_t step = int64_t(std::nearbyint(double(bonus) / 20.0));
        if (step == 0 && bonus != 0) step = bonus > 0 ? 1 : -1;
        CountUp(bonus, step);
    } else {
        addToScore(score, bonus);
    }
    setColour(score, kVbBlue);
    if (scoring) scoring->hide();
}

void GameWindow::CountUp(int64_t amount, int64_t step, int pauseMs, const QString& sound) {
    QLabel* scoring = label("lblScoring");
    QLabel* score = label(profile_.scoreLabel);
    if (step == 0 || (amount > 0) != (step > 0)) step = amount; // one step, never endless
    // The last step adds what remains, so the score rises by exactly the amount.
    int64_t remaining = amount;
    while (remaining != 0) {
        const int64_t add = std::llabs(remaining) < std::llabs(step) ? remaining : step;
        addToScore(score, add);
        remaining -= add;
        setColour(scoring, kVbBlack);
        SetCaption(scoring, FormatScore(remaining));
        if (!sound.isEmpty()) PlaySound(sound);
        platform::Sleep(pauseMs);
    }
}

void GameWindow::EndGame(const QString& tableName, const QString& defaultTop) {
    const CommandSwitch focusKept(this, defaultButton());
    SharedState& s = Shared();
    resetCommands(State::GameOver);
    if (s.GameAbandoned) {
        s.GameAbandoned = false;
    } else {
        insertHighScore(tableName, defaultTop);
    }
    ShowTopScore(tableName, defaultTop);
    ShowCards(false);
    ShowControls(false, true);
    setStatusText(2, "Game Over");
    givePlayBack(false);
}

void GameWindow::EndGame() {
    EndGame(game_.currentTable(), game_.endGameTopScore());
}

void GameWindow::RecordHighScore() {
    const QString table = HighScoreTableName();
    insertHighScore(table, game_.endGameTopScore());
    ShowTopScore(table, game_.endGameTopScore());
}

void GameWindow::insertHighScore(const QString& tableName, const QString& defaultTop) {
    // Qt holds the desktop's close request back with the input through the round end's pauses,
    // and drops one that finds the window under a modal window: the X the player clicked
    // meanwhile must reach the window before the name entry opens over it. The round end
    // drops the clicks and keys taken with it, and keeps the close for its end.
    if (inRoundEnd()) platform::DoEvents();
    // A failure is reported by the table service itself; the window still goes on to reset,
    // and nothing else reports it a second time.
    highScoreInsert() ? highScoreInsert()(tableName, this)
                      : InsertHighScore(tableName, this, defaultTop);
}

GameWindow::HighScoreInsert GameWindow::SetHighScoreInsertForTests(HighScoreInsert insert) {
    HighScoreInsert previous = std::move(highScoreInsert());
    highScoreInsert() = std::move(insert);
    return previous;
}
