// The scripted players of the two windows of twenty-one columns, Brisko and Quintel. Both
// read the columns' totals, "Soft" marks and cards off the window, count the cards seen this
// round, and put the shown card where the rest of the deck is likeliest to go on fitting.
#include "tools/render/ScriptedPlayers.h"

#include "frame/CardPictures.h"
#include "frame/GameWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace {
struct Column {
    int total = 0;
    bool soft = false; // an ace counts 11 and can still give back 10
    int cards = 0;
    bool open = true; // takes a card
};

// A card on a column, counted the twenty-one way: up to 10 for its rank, an ace 11 while that
// keeps the column at 21 or less, and a soft ace giving back 10 rather than going over.
Column withCard(Column c, int rank) {
    int value = std::min(rank, 10);
    if (value == 1 && c.total + 11 <= 21) {
        value = 11;
        c.soft = true;
    } else if (c.total + value > 21 && c.soft) {
        value -= 10;
        c.soft = false;
    }
    c.total += value;
    ++c.cards;
    return c;
}

std::vector<Column> readColumns(const GameWindow& w, int count) {
    std::vector<Column> columns(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Column& c = columns[size_t(i)];
        c.total = w.label(QString("ColumnTotal_%1").arg(i))->text().toInt();
        c.soft = w.label(QString("ColumnSoft_%1").arg(i))->isVisible();
        for (int row = 0; row < 5; ++row) {
            const auto* card =
                w.findChild<CardPicture*>(QString("Column%1_%2").arg(i + 1).arg(row));
            if (card && card->isVisible() && RankOfKey(card->pictureKey()) > 0) ++c.cards;
        }
        c.open = w.button(QString("cmdHit_%1").arg(i))->isEnabled();
    }
    return columns;
}

using DeckLeft = std::array<int, 14>;

// Both windows' caption of their fourth round, the bonus round.
const QString kBonusRound = QStringLiteral("Round: 4");
// The round Quintel's player throws away.
const QString kBustedRound = QStringLiteral("Round: 2");

// The cards of a deck not seen this round, by rank.
class DeckCount {
  public:
    // A new round (its caption changed) forgets the cards seen before.
    void see(const QString& round, const QString& card) {
        if (round != round_) {
            round_ = round;
            seen_.clear();
        }
        seen_.insert(card);
    }
    std::array<int, 14> left() const {
        std::array<int, 14> left{};
        std::fill(left.begin() + 1, left.end(), 4);
        for (const QString& card : seen_)
            --left[size_t(RankOfKey(card))];
        return left;
    }

  private:
    QString round_;
    QSet<QString> seen_;
};

struct Outlook {
    double missCost = 0; // a next card no column takes
    double hitWorth = 0; // a next card some column takes to 21
};

// How well the columns stand to take the next card, over the ranks still to come.
double outlook(const std::vector<Column>& columns, const std::array<int, 14>& left,
               Outlook weights) {
    int cards = 0;
    for (int rank = 1; rank <= 13; ++rank)
        cards += left[size_t(rank)];
    if (cards == 0) return 0;
    double sum = 0;
    for (int rank = 1; rank <= 13; ++rank) {
        bool fits = false, twentyOne = false;
        for (const Column& c : columns) {
            if (!c.open) continue;
            const int total = withCard(c, rank).total;
            fits |= total <= 21;
            twentyOne |= total == 21;
        }
        sum += left[size_t(rank)] *
               ((fits ? 1.0 : -weights.missCost) + (twentyOne ? weights.hitWorth : 0.0));
    }
    return sum / cards;
}

int shownRank(const GameWindow& w) {
    return RankOfKey(w.findChild<CardPicture*>("NextCardPicture")->pictureKey());
}

// Three cards a second while `inPlay` holds: each goes to the column `worthOf` rates highest
// for it (a column it would bust is never offered); a card no column takes is passed while
// passes last, after which `last` ends the round.
void placeCards(
    GameWindow& w, DeckCount& deck, int columnCount, const std::function<bool()>& inPlay,
    QPushButton* last,
    const std::function<double(std::vector<Column>&, Column&, const DeckLeft&)>& worthOf) {
    for (int move = 0; move < 3; ++move) {
        if (w.state() != GameWindow::State::Running || !inPlay()) return;
        const int rank = shownRank(w);
        if (rank == 0) return;
        const QString round = w.label("lblRound")->text();
        deck.see(round, w.findChild<CardPicture*>("NextCardPicture")->pictureKey());
        const std::vector<Column> columns = readColumns(w, columnCount);
        int best = -1;
        double bestWorth = 0;
        for (int i = 0; i < columnCount; ++i) {
            if (!columns[size_t(i)].open) continue;
            std::vector<Column> after = columns;
            Column& c = after[size_t(i)];
            c = withCard(c, rank);
            if (c.total > 21) continue;
            const double worth = worthOf(after, c, deck.left());
            if (best < 0 || worth > bestWorth) best = i, bestWorth = worth;
        }
        if (best >= 0)
            w.button(QString("cmdHit_%1").arg(best))->click();
        else if (w.button("cmdPass")->isEnabled())
            w.button("cmdPass")->click();
        else
            last->click();
        if (w.label("lblRound")->text() != round) return;
    }
}
} // namespace

// Brisko: each card placed where a 21 or a fifth card (both clear the column) counts most and
// the columns stay readiest for what is left of the deck; a card no column takes is passed
// while passes last, after which the round is scored. Its round ends show the columns of 21
// paid in the tally, and a deck used up pays its bonus. The bonus round is left to run out on
// the clock ("Times Up!").
void playBriskoSecond(GameWindow& w) {
    static DeckCount deck;
    if (w.label("lblRound")->text() == kBonusRound) return;
    placeCards(
        w, deck, 4, [&w] { return w.button("cmdHit_0")->isEnabled(); }, w.cmdTakeScore(),
        [](std::vector<Column>& after, Column& c, const DeckLeft& left) {
            double worth = c.total == 21 ? 2.0 : c.cards == 5 ? 1.0 : 0.0;
            if (c.total == 21 || c.cards == 5) c = Column{};
            return worth + outlook(after, left, {3.0, 0.5});
        });
}

namespace {
// Quintel: round two is thrown away on a bust ("Busted!"): each card goes on the fullest
// column, and on one it carries over 21 as soon as there is one.
void bustQuintelRound(GameWindow& w) {
    const QString round = w.label("lblRound")->text();
    for (int move = 0; move < 3; ++move) {
        if (w.state() != GameWindow::State::Running || w.label("lblRound")->text() != round) return;
        const int rank = shownRank(w);
        if (rank == 0) return;
        const std::vector<Column> columns = readColumns(w, 5);
        int pick = -1;
        bool busts = false;
        for (int i = 0; i < 5; ++i) {
            const Column& c = columns[size_t(i)];
            if (!c.open) continue;
            const bool over = withCard(c, rank).total > 21;
            if (pick < 0 || (over && !busts) ||
                (over == busts && c.total > columns[size_t(pick)].total))
                pick = i, busts = over;
        }
        if (pick < 0) return;
        w.button(QString("cmdHit_%1").arg(pick))->click();
    }
}
} // namespace

// Quintel: each card placed where the sum of the columns grows most, a 21 counting extra,
// while the columns stay ready for the rest of the deck; a card no column takes is passed while
// the pass lasts, after which the round is taken (or given up). Its round ends show the round
// score with the card total value and the time bonus that made it; round two is busted, and
// the bonus round, which its seed's other two rounds reach, is left to run out on the clock.
void playQuintelSecond(GameWindow& w) {
    static DeckCount deck;
    if (w.label("lblRound")->text() == kBonusRound) return;
    if (w.label("lblRound")->text() == kBustedRound) return bustQuintelRound(w);
    placeCards(
        w, deck, 5, [&w] { return w.button("cmdGiveUp")->isVisible(); }, w.button("cmdGiveUp"),
        [](std::vector<Column>& after, Column& c, const DeckLeft& left) {
            if (c.cards == 5) c.open = false;
            double worth = c.total == 21 ? 5.0 : 0.0;
            for (const Column& each : after)
                worth += each.total;
            return worth + 10 * outlook(after, left, {0.0, 1.0});
        });
}
