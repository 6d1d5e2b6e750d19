// Sumbry's scripted player: one who finds the field cards he may take by clicking them (a
// covered card refuses the click) and takes, three times a second, the cards that make the
// card goal with the most field cards among them, else draws from the pile.
#include "tools/render/ScriptedPlayers.h"

#include "frame/CardPictures.h"
#include "frame/GameWindow.h"
#include "services/SharedState.h"

#include <QLabel>
#include <QPushButton>
#include <vector>

namespace {
constexpr int kFieldPlaces = 22;
constexpr int kMostInCombination = 4;

CardPicture* fieldCard(const GameWindow& w, int place) {
    return w.findChild<CardPicture*>(QString("FieldCardPicture_%1").arg(place));
}

bool selected(const GameWindow& w, int place) {
    return w.findChild<QWidget*>(QString("FieldSelectionRectangle_%1").arg(place))->isVisible();
}

struct Choice {
    QWidget* card;
    int value;
    bool field;
};

// The field cards that take a click, each tried alone and put back, and the up card.
std::vector<Choice> choices(GameWindow& w) {
    std::vector<Choice> out;
    for (int i = 0; i < kFieldPlaces; ++i) {
        CardPicture* card = fieldCard(w, i);
        const int value = RankOfKey(card->isVisible() ? card->pictureKey() : QString());
        if (value <= 0) continue;
        press(card);
        if (!selected(w, i)) continue;
        press(card);
        out.push_back({card, value, true});
    }
    auto* up = w.findChild<CardPicture*>("UpCardPicture");
    if (const int value = RankOfKey(up->isVisible() ? up->pictureKey() : QString()); value > 0)
        out.push_back({up, value, false});
    return out;
}

// The cards from `from` on that add up to `left`, with the most field cards, into `best`.
void search(const std::vector<Choice>& all, size_t from, int left, std::vector<size_t>& taken,
            std::vector<size_t>& best, int& bestField) {
    if (left == 0) {
        int field = 0;
        for (size_t t : taken)
            field += all[t].field ? 1 : 0;
        if (field > bestField) best = taken, bestField = field;
        return;
    }
    if (taken.size() == kMostInCombination) return;
    for (size_t i = from; i < all.size(); ++i) {
        if (all[i].value > left) continue;
        taken.push_back(i);
        search(all, i + 1, left - all[i].value, taken, best, bestField);
        taken.pop_back();
    }
}

// One combination taken, true; false when the cards shown make none.
bool takeCombination(GameWindow& w) {
    const std::vector<Choice> all = choices(w);
    std::vector<size_t> taken, best;
    int bestField = -1;
    search(all, 0, Shared().CardGoal, taken, best, bestField);
    for (size_t t : best)
        press(all[t].card);
    return !best.empty();
}
} // namespace

// Rounds one and two are played to a cleared field or an empty pile, then ended by Take Score
// with seconds left; their deals bring two cleared fields, with the completion and card
// bonuses, to the bonus round. Its clock waits for the first combination, so the bonus round
// takes one and then runs out ("Times Up!").
void playElevensSecond(GameWindow& w) {
    if (w.state() != GameWindow::State::Running) return;
    const QString round = w.label("lblCurrentRound")->text();
    if (round == "Bonus") {
        if (Shared().ElapsedSeconds == 0) takeCombination(w);
        return;
    }
    for (int move = 0; move < 3; ++move) {
        if (w.state() != GameWindow::State::Running || w.label("lblCurrentRound")->text() != round)
            return;
        if (takeCombination(w)) continue;
        if (!w.label("lblCardCount")->text().endsWith(" 0")) {
            press(w.findChild<QWidget*>("PlayCardPicture"));
            continue;
        }
        if (w.cmdTakeScore()->isEnabled()) w.cmdTakeScore()->click();
        return;
    }
}
