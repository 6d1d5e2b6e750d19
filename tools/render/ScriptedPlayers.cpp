// The scripted players of the card windows whose moves are a few clicks, the press that
// reaches a control as the player's click does, and the choice of a window's player.
#include "tools/render/ScriptedPlayers.h"

#include "frame/CardPictures.h"
#include "frame/GameWindow.h"
#include "services/SharedState.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdlib>

void press(QWidget* target) {
    if (!target || !target->isVisible()) return;
    const QPointF at(10, 10);
    QMouseEvent e(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

int RankOfKey(const QString& key) {
    if (key.size() < 2) return 0;
    return key.chopped(1).toInt();
}

// Crestal: round one takes cards until a tower is completed, then the score with seconds
// left (the speed, tower and run bonuses); round two takes the score with no tower ("Sorry").
void playCrestalSecond(GameWindow& w) {
    if (w.state() != GameWindow::State::Running || !w.cmdTakeScore()->isEnabled()) return;
    if (Shared().Round != 1) {
        if (Shared().ElapsedSeconds >= 3) w.cmdTakeScore()->click();
        return;
    }
    for (int t = 1; t <= 3; ++t)
        if (w.findChild<QWidget*>(QString("lblTower%1").arg(t))->isVisible())
            return w.cmdTakeScore()->click();
    for (int move = 0; move < 3; ++move) {
        bool took = false;
        for (int k = 27; k >= 0 && !took; --k) {
            const int32_t before = Shared().Score;
            press(w.findChild<QWidget*>(QString("UpCardImage_%1").arg(k)));
            took = Shared().Score != before;
        }
        if (!took) press(w.findChild<QWidget*>("CardStackPicture"));
    }
}

// Sumbry: its clock waits for the first card, so each round is ended by Take Score at once
// (its bonuses for the seconds and the cards left).
void playElevensSecond(GameWindow& w) {
    if (w.state() == GameWindow::State::Running && w.cmdTakeScore()->isEnabled())
        w.cmdTakeScore()->click();
}

// Tressel: each round taken early, so its time bonus is shown.
void playTripSecond(GameWindow& w) {
    if (w.state() == GameWindow::State::Running && Shared().ElapsedSeconds == 5 &&
        w.cmdTakeScore()->isEnabled())
        w.cmdTakeScore()->click();
}

// Marvane: each grid filled early, so its hands and its time bonus are shown.
void playScrambleSecond(GameWindow& w) {
    if (Shared().ElapsedSeconds != 5) return;
    for (int i = 0; i < 25 && w.state() == GameWindow::State::Running; ++i)
        press(w.findChild<QWidget*>(QString("PlayCards_%1").arg(i)));
}

// Wildrow: from the third second, a few moves each second (the first lower card that some
// upper spot takes), so a round ends early with no move left, or a used-up deck, and its
// bonuses are shown.
void playEightsSecond(GameWindow& w) {
    if (Shared().ElapsedSeconds < 3) return;
    auto spot = [&w](const char* row, int i) {
        return w.findChild<QWidget*>(QString("%1(%2)").arg(row).arg(i));
    };
    for (int move = 0; move < 3 && w.state() == GameWindow::State::Running; ++move) {
        bool took = false;
        for (int l = 1; l <= 5 && !took; ++l)
            for (int u = 1; u <= 3 && !took && w.state() == GameWindow::State::Running; ++u) {
                const int32_t before = Shared().Score;
                press(spot("imgPlayCard", l));
                press(spot("imgUpperCard", u));
                took = Shared().Score != before;
            }
        if (!took) return;
    }
}

namespace {
CardPicture* twindleCard(const GameWindow& w, int place) {
    return w.findChild<CardPicture*>(QString("PlayCard_%1").arg(place));
}

bool showsCard(const CardPicture* card) {
    return card && card->isVisible() && RankOfKey(card->pictureKey()) > 0;
}

// As the player sees it: a card laid later lies over part of this one.
bool covered(const GameWindow& w, int place, int places) {
    const CardPicture* card = twindleCard(w, place);
    const QRect at(card->mapTo(&w, QPoint(0, 0)), card->size());
    for (int over = place + 1; over < places; ++over) {
        const CardPicture* other = twindleCard(w, over);
        if (!showsCard(other)) continue;
        // Neighbours in a row may touch at an edge; a card of the row below overlaps.
        const QRect both = at & QRect(other->mapTo(&w, QPoint(0, 0)), other->size());
        if (both.width() > 4 && both.height() > 4) return true;
    }
    return false;
}
} // namespace

// Twindle: three moves a second, each the first two uncovered cards of one rank or of
// neighbouring ranks (king and ace too) found from the top row down, else a card from the
// stack; with neither left, Take Score. Its round ends show the pairs and runs bonuses.
void playTwindleSecond(GameWindow& w) {
    constexpr int places = 24; // the five rows and the up card
    const int round = Shared().Round;
    for (int move = 0; move < 3 && w.state() == GameWindow::State::Running; ++move) {
        int first = -1, second = -1;
        for (int a = 0; a < places && first < 0; ++a) {
            if (!showsCard(twindleCard(w, a)) || covered(w, a, places)) continue;
            const int rank = RankOfKey(twindleCard(w, a)->pictureKey());
            for (int b = a + 1; b < places && first < 0; ++b) {
                if (!showsCard(twindleCard(w, b)) || covered(w, b, places)) continue;
                const int apart = std::abs(rank - RankOfKey(twindleCard(w, b)->pictureKey()));
                if (apart <= 1 || apart == 12) first = a, second = b;
            }
        }
        if (first >= 0) {
            press(twindleCard(w, first));
            press(twindleCard(w, second));
            if (Shared().Round != round) return; // the top row was cleared
            if (!showsCard(twindleCard(w, first))) continue;
            // Refused: the selection is dropped and the stack tried instead.
            if (w.findChild<QWidget*>(QString("FieldSelectionRectangle_%1").arg(first))
                    ->isVisible())
                press(twindleCard(w, first));
        }
        if (w.label("lblCards")->text().toInt() > 0) {
            press(w.findChild<QWidget*>("CardStackPicture"));
            continue;
        }
        if (w.cmdTakeScore()->isEnabled()) w.cmdTakeScore()->click();
        return;
    }
}

uint32_t DealSeed(const QString& window) {
    // Quintel's player reaches the bonus round on about one deal in five, not on 7's.
    return window == "frmQuintel" ? 14 : 7;
}

void playScriptedSecond(GameWindow& w) {
    const QString name = w.objectName();
    if (name == "frmCrestal") playCrestalSecond(w);
    if (name == "frmElevens") playElevensSecond(w);
    if (name == "frmTrip") playTripSecond(w);
    if (name == "frmScramble") playScrambleSecond(w);
    if (name == "frmEights") playEightsSecond(w);
    if (name == "frmTwindle") playTwindleSecond(w);
    if (name == "frmPhrase") playPhraseSecond(w);
    if (name == "frmBrisko") playBriskoSecond(w);
    if (name == "frmQuintel") playQuintelSecond(w);
}
