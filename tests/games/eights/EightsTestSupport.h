#pragma once
// Common ground for the wild-eights model tests: the program-wide values saved and restored
// around each test, a temporary program folder, and decks laid card by card.

#include "games/eights/EightsGame.h"
#include "games/eights/EightsSettings.h"
#include "services/SharedState.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

class EightsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = Shared();
        savedOptions_ = EightsOptions();
        ASSERT_TRUE(dir_.isValid());
        Shared().ProgramFolder = dir_.path() + "/";
        Shared().GameTitle = "Wildrow!";
        Shared().Score = 0;
        Shared().Deck.clear();
        ResetEightsLoadDefaults();
    }
    void TearDown() override {
        EightsGame::SetDeckSourceForTests({});
        Shared() = saved_;
        EightsOptions() = savedOptions_;
    }

    QString folder() const { return dir_.path() + "/"; }

    // A deck dealt in the order given: lower spots 1 to 5 take the first five cards and the
    // refills follow in order (the deck itself is dealt from its highest index down).
    static QStringList dealOrder(const std::vector<QString>& cards) {
        QStringList deck{QString()};
        for (auto it = cards.rbegin(); it != cards.rend(); ++it)
            deck << " " + *it;
        return deck;
    }
    // Every round deals this deck.
    static void dealEveryRound(const QStringList& deck) {
        EightsGame::SetDeckSourceForTests([deck](QStringList& into) {
            into = deck;
            return true;
        });
    }
    // Lets the move timer run `ticks` steps.
    static void tickMoveTimer(EightsGame& g, int ticks) {
        for (int i = 0; i < ticks; ++i)
            g.moveTimerTick();
    }
    // Selects a lower spot and moves it onto an upper spot.
    static EightsMove play(EightsGame& g, int lower, int upper) {
        g.clickLower(lower);
        return g.clickUpper(upper);
    }

  private:
    QTemporaryDir dir_;
    SharedState saved_;
    EightsSettings savedOptions_;
};
