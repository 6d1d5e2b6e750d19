#pragma once
// The poker grid window's tests: the frame's window fixture with this game's title, decks
// arranged round by round, and the player's clicks on the grid.

#include "GameWindowTestSupport.h"
#include "games/pokergrid/PokerGridGame.h"
#include "games/pokergrid/PokerGridSettings.h"
#include "games/pokergrid/frmScramble.h"

#include "frame/CardPictures.h"
#include "platform/GameTimer.h"

#include <QPushButton>
#include <deque>

class PokerGridWindowTest : public testsupport::GameWindowTest {
  protected:
    PokerGridWindowTest() : GameWindowTest("frmScramble") {}
    void SetUp() override {
        GameWindowTest::SetUp();
        saved_ = PokerGridOptions();
        // Each deal puts the next arranged cards first, in order; the rest follow unshuffled.
        PokerGridGame::SetShuffleForTests([this](QStringList& deck) {
            if (arranged_.empty()) return;
            const QStringList first = arranged_.front();
            arranged_.pop_front();
            QStringList rest;
            for (qsizetype i = 1; i < deck.size(); ++i)
                if (!first.contains(deck[i].trimmed())) rest << deck[i];
            deck = QStringList{QString()} + first + rest;
        });
    }
    void TearDown() override {
        PokerGridGame::SetShuffleForTests({});
        PokerGridOptions() = saved_;
    }

    // The next deals begin with these cards ("2S 2H ..." per round, in placing order).
    void arrange(std::initializer_list<const char*> rounds) {
        for (const char* r : rounds)
            arranged_.push_back(QString(r).split(' ', Qt::SkipEmptyParts));
    }
    // A grid of 350 points when its cells are filled 0 to 24 in turn: a pair in every row
    // and in columns 4 and 5.
    static constexpr const char* k350 = "2S 2H 5D 9C 13S 3C 3D 6S 10H 1C 4H 4S 7C 11D 8D "
                                        "5S 6C 12H 12S 1D 7S 8C 9D 9H 10D";

    std::unique_ptr<frmScramble> openWindow() { return open<frmScramble>(); }
    static void fillGrid(frmScramble& w, int from = 0, int to = kGridCells - 1) {
        for (int c = from; c <= to; ++c)
            press(w.PlayCards(c));
    }
    static void seconds(int n) { platform::ProgramTime::advance(qint64(n) * 1000); }

  private:
    std::deque<QStringList> arranged_;
    PokerGridSettings saved_;
};
