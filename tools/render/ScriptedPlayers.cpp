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
#include <array>
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

// Crestal: rounds one and two take a field card where one goes (the highest place first, so
// the towers' tops come free) and else draw, three moves a second. Round one then waits for
// the clock ("Times Up!", then the tower and run bonuses); round two, ended by its third tower
// or by Take Score once no move is left, has seconds left (the speed bonus), and its seed's
// two rounds reach the bonus round; the bonus round takes the score with no tower ("Sorry").
void playCrestalSecond(GameWindow& w) {
    if (w.state() != GameWindow::State::Running || !w.cmdTakeScore()->isEnabled()) return;
    if (Shared().Round == 3) {
        if (Shared().ElapsedSeconds >= 3) w.cmdTakeScore()->click();
        return;
    }
    const int round = Shared().Round;
    for (int move = 0; move < 3 && Shared().Round == round; ++move) {
        bool took = false;
        for (int k = 27; k >= 0 && !took; --k) {
            const int32_t before = Shared().Score;
            press(w.findChild<QWidget*>(QString("UpCardImage_%1").arg(k)));
            took = Shared().Score != before;
        }
        if (took) continue;
        if (w.label("lblCards")->text().toInt() > 0) {
            press(w.findChild<QWidget*>("CardStackPicture"));
            continue;
        }
        if (Shared().Round == 2) w.cmdTakeScore()->click();
        return;
    }
}

namespace {
// A Wildrow card as the player reads it: its rank (8 is wild) and suit; rank 0 is no card.
struct EightsCard {
    int rank = 0;
    QChar suit;
};

EightsCard eightsCard(const GameWindow& w, const char* row, int spot) {
    const auto* p = w.findChild<CardPicture*>(QString("%1(%2)").arg(row).arg(spot));
    const QString key = p && p->isVisible() ? p->pictureKey() : QString();
    const int rank = RankOfKey(key);
    return rank > 0 ? EightsCard{rank, key.back()} : EightsCard{};
}

bool goesOn(EightsCard lower, EightsCard upper) {
    return lower.rank != 0 && (lower.rank == 8 || upper.rank == 8 || upper.rank == 0 ||
                               lower.rank == upper.rank || lower.suit == upper.suit);
}
} // namespace

// Wildrow: from the third second, three moves a second, each the one that leaves the other
// lower cards the most moves (an eight kept for when nothing else goes, a match of value
// preferred), so that the whole deck is played and the deck completion bonus shown; the
// bonus round is left to run out on the clock ("Times Up!").
void playEightsSecond(GameWindow& w) {
    if (Shared().ElapsedSeconds < 3 || w.label("lblCurrentRound")->text() == "Bonus") return;
    for (int move = 0; move < 3 && w.state() == GameWindow::State::Running; ++move) {
        std::array<EightsCard, 6> lower;
        std::array<EightsCard, 4> upper;
        for (int l = 1; l <= 5; ++l)
            lower[size_t(l)] = eightsCard(w, "imgPlayCard", l);
        for (int u = 1; u <= 3; ++u)
            upper[size_t(u)] = eightsCard(w, "imgUpperCard", u);
        int bestL = 0, bestU = 0, bestWorth = 0;
        for (int l = 1; l <= 5; ++l)
            for (int u = 1; u <= 3; ++u) {
                if (!goesOn(lower[size_t(l)], upper[size_t(u)])) continue;
                std::array<EightsCard, 4> after = upper;
                after[size_t(u)] = lower[size_t(l)];
                int worth = 1000;
                for (int other = 1; other <= 5; ++other)
                    for (int v = 1; v <= 3 && other != l; ++v)
                        worth += goesOn(lower[size_t(other)], after[size_t(v)]) ? 10 : 0;
                if (lower[size_t(l)].rank == 8) worth -= 100;
                if (lower[size_t(l)].rank == upper[size_t(u)].rank) worth += 5;
                if (worth > bestWorth) bestL = l, bestU = u, bestWorth = worth;
            }
        if (bestL == 0) return;
        press(w.findChild<QWidget*>(QString("imgPlayCard(%1)").arg(bestL)));
        press(w.findChild<QWidget*>(QString("imgUpperCard(%1)").arg(bestU)));
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

namespace {
// Twindle: the first two uncovered cards, from the top row down, that make a pair (one rank)
// or, with `run`, a run (neighbouring ranks, king and ace too); false when there are none.
bool findTwindleMatch(const GameWindow& w, int places, bool run, int& first, int& second) {
    for (int a = 0; a < places; ++a) {
        if (!showsCard(twindleCard(w, a)) || covered(w, a, places)) continue;
        const int rank = RankOfKey(twindleCard(w, a)->pictureKey());
        for (int b = a + 1; b < places; ++b) {
            if (!showsCard(twindleCard(w, b)) || covered(w, b, places)) continue;
            const int apart = std::abs(rank - RankOfKey(twindleCard(w, b)->pictureKey()));
            if (run ? apart == 1 || apart == 12 : apart == 0) {
                first = a, second = b;
                return true;
            }
        }
    }
    return false;
}
} // namespace

// Twindle: three moves a second, each a pair (worth more than a run) or else a run of two
// uncovered cards found from the top row down, else a card from the stack; with neither left,
// Take Score in rounds one and two, which its seed brings to the bonus round, while the bonus
// round runs out on the clock ("Times Up!"). Its round ends show the pairs and runs bonuses.
void playTwindleSecond(GameWindow& w) {
    constexpr int places = 24; // the five rows and the up card
    const int round = Shared().Round;
    for (int move = 0; move < 3 && w.state() == GameWindow::State::Running; ++move) {
        int first = -1, second = -1;
        if (findTwindleMatch(w, places, false, first, second) ||
            findTwindleMatch(w, places, true, first, second)) {
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
        if (Shared().Round < 3 && w.cmdTakeScore()->isEnabled()) w.cmdTakeScore()->click();
        return;
    }
}

uint32_t DealSeed(const QString& window) {
    // Where 7's deals keep a player from a stage: Quintel's reaches the bonus round with round
    // two busted on about one deal in ten, 3's among them; Tressel's completes round one's deck
    // on about one in ten, and 6's reach its bonus round too; Crestal's reaches the bonus round
    // with round one run out on the clock on about one in three, 3's among them; Twindle's on
    // about one in six with a cleared top row, 12's; Glyphon's has a bonus-round phrase with
    // letters enough left after the picks to outlast the clock on about one in twelve, 10's.
    if (window == "frmQuintel") return 3;
    if (window == "frmCrestal") return 3;
    if (window == "frmTwindle") return 12;
    if (window == "frmPhrase") return 10;
    return window == "frmTrip" ? 6 : 7;
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
