#pragma once
// The Twindle window's tests: the window fixture with the game's own values reset, decks laid
// card by card, and a test player that finds the moves on the board.

#include "GameWindowTestSupport.h"
#include "PairsTestSupport.h"
#include "frame/CardPictures.h"
#include "games/pairs/PairsSettings.h"
#include "games/pairs/frmTwindle.h"
#include "services/Deck.h"

#include <QLabel>

class TwindleWindowTest : public testsupport::GameWindowTest {
  protected:
    TwindleWindowTest() : GameWindowTest("frmTwindle") { PairsOptions() = PairsSettings{}; }
    ~TwindleWindowTest() override {
        SetDeckLayoutForTests({});
        PairsOptions() = PairsSettings{};
    }

    // Every deal of the test lays out `deck` (pairstest::layDeck).
    static void dealEveryRound(const QStringList& deck) {
        SetDeckLayoutForTests([deck](QStringList& into) { into = deck; });
    }

    static std::pair<int, int> findMove(const frmTwindle& w) {
        return FindPairsMove(w.game().board());
    }

    // Plays the round by clicks: any move found, else a draw; stops when the round has ended
    // (the top row cleared) or nothing is left to do. True when the top row was cleared.
    bool playRound(frmTwindle& w) {
        const int round = Shared().Round;
        for (int guard = 0; guard < 200 && Shared().Round == round; ++guard) {
            const auto [a, b] = findMove(w);
            if (a < 0) {
                if (w.game().board().stackCount() == 0) return false;
                press(w.CardStackPicture());
                continue;
            }
            press(w.PlayCard(a));
            press(w.PlayCard(b));
        }
        return Shared().Round != round;
    }
};
