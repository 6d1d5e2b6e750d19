#pragma once
// Common ground for the Twindle tests: the program-wide state saved and restored around each
// test, a temporary program folder, and decks laid out card by card.

#include "app/SharedState.h"
#include "games/pairs/PairsSettings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

class PairsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = Shared();
        savedOptions_ = PairsOptions();
        ASSERT_TRUE(dir_.isValid());
        Shared() = SharedState{};
        Shared().ProgramFolder = dir_.path() + "/";
        Shared().GameTitle = "Twindle!";
        ResetPairsLoadDefaults();
    }
    void TearDown() override {
        Shared() = saved_;
        PairsOptions() = savedOptions_;
    }

    QString folder() const { return dir_.path() + "/"; }

    // A 52-card deck, all kings of spades unless placed otherwise. Layout place p is deck
    // position p + 1, the up card position 24, and stack draw n is position 24 + n.
    static QStringList layDeck(const std::map<int, QString>& at) {
        QStringList deck(53, QStringLiteral(" 13S"));
        deck[0].clear();
        for (const auto& [pos, code] : at)
            deck[pos] = code;
        return deck;
    }
    static constexpr int place(int p) { return p + 1; }
    static constexpr int upCard() { return 24; }
    static constexpr int stackDraw(int n) { return 24 + n; }

  private:
    QTemporaryDir dir_;
    SharedState saved_;
    PairsSettings savedOptions_;
};
