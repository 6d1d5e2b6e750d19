#pragma once
// Common ground for the poker grid tests: a sandboxed program folder with the game's
// defaults in force, and decks laid out card by card.

#include "TestSupport.h"
#include "games/pokergrid/PokerGridSettings.h"
#include "platform/MessageBox.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

class PokerGridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = PokerGridOptions();
        Shared().GameTitle = "Marvane!";
        ResetPokerGridDefaults();
    }
    void TearDown() override { PokerGridOptions() = saved_; }

    // A 52-card deck whose first cards are `first` in order (the first is the first hole
    // card); the rest are the remaining cards of a standard deck in standard order.
    static QStringList deckStartingWith(const QStringList& first) {
        QStringList deck{QString()};
        for (const QString& c : first)
            deck << c;
        const char suits[] = {'S', 'H', 'C', 'D'};
        for (char suit : suits)
            for (int rank = 1; rank <= 13; ++rank) {
                const QString code = QString::number(rank) + QLatin1Char(suit);
                if (!first.contains(code)) deck << code;
            }
        return deck;
    }

    testsupport::ProgramSandbox sandbox;

  private:
    PokerGridSettings saved_;
};
