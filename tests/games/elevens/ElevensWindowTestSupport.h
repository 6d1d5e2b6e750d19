#pragma once
// The elevens window in a test, on the shared window fixture: the game's own options put back
// afterwards, and a player that finds combinations on the board.

#include "GameWindowTestSupport.h"
#include "frame/CardPictures.h"
#include "games/elevens/ElevensSettings.h"
#include "games/elevens/frmElevens.h"
#include "platform/GameTimer.h"
#include "services/Deck.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <functional>

class ElevensWindowTest : public testsupport::GameWindowTest {
  protected:
    ElevensWindowTest() : GameWindowTest("frmElevens") {
        ElevensOptions() = ElevensSettings{};
        LastElevensGame() = ElevensLastGame{};
        ElevensCommandLineHandled() = false;
    }
    ~ElevensWindowTest() override {
        ElevensOptions() = ElevensSettings{};
        LastElevensGame() = ElevensLastGame{};
        ElevensCommandLineHandled() = false;
    }

    std::unique_ptr<frmElevens> open() { return GameWindowTest::open<frmElevens>(); }

    // The widget a click lands on at the centre of a card: the card itself, through its frame.
    static QWidget* hitAtCentreOf(frmElevens& w, QWidget* card) {
        QWidget* area = w.centralWidget();
        return area->childAt(card->geometry().center());
    }

    // Exposed field places (and -1 for the up card) whose values make the card goal; empty
    // when the board offers none.
    static std::vector<int> findCombination(const frmElevens& w) {
        const ElevensGame& g = w.game();
        std::vector<std::pair<int, int>> cards;
        for (int i = 0; i < kFieldPlaces; ++i)
            if (g.field().present(i) && g.field().exposed(i))
                cards.push_back({i, CardValue(g.field().card(i))});
        if (!g.upCard().isEmpty()) cards.push_back({-1, CardValue(g.upCard())});
        std::vector<int> chosen;
        std::function<bool(size_t, int)> search = [&](size_t from, int left) {
            if (left == 0) return true;
            for (size_t k = from; k < cards.size(); ++k) {
                if (cards[k].second > left) continue;
                chosen.push_back(cards[k].first);
                if (search(k + 1, left - cards[k].second)) return true;
                chosen.pop_back();
            }
            return false;
        };
        return search(0, Shared().CardGoal) ? chosen : std::vector<int>{};
    }
    static void clickCards(frmElevens& w, const std::vector<int>& places) {
        for (int place : places)
            press(place < 0 ? static_cast<QWidget*>(w.UpCardPicture())
                            : static_cast<QWidget*>(w.FieldCardPicture(place)));
    }
    // Plays combinations, drawing from the pile when none is left, until the field is
    // cleared, the pile is used up or `most` combinations were made. Returns their number.
    static int playRound(frmElevens& w, int most = 1000) {
        int made = 0;
        const int round = w.game().round();
        while (made < most && w.game().state() == ElevensState::Running &&
               w.game().round() == round) {
            const std::vector<int> combination = findCombination(w);
            if (!combination.empty()) {
                clickCards(w, combination);
                ++made;
                continue;
            }
            if (w.game().pileCount() == 0) break;
            press(w.PlayCardPicture());
        }
        return made;
    }
};
