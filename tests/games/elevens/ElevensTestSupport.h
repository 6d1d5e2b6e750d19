#pragma once
// Common ground for the elevens tests: the program-wide state saved and restored around each
// test, a temporary program folder, and decks laid out card by card.

#include "games/elevens/ElevensDeck.h"
#include "games/elevens/ElevensSettings.h"
#include "services/SharedState.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

class ElevensTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = Shared();
        savedOptions_ = ElevensOptions();
        savedLast_ = LastElevensGame();
        ASSERT_TRUE(dir_.isValid());
        ElevensOptions() = ElevensSettings{};
        ResetElevensLoadDefaults(); // every setting at its default
        SharedState& s = Shared();
        s.ProgramFolder = dir_.path() + "/";
        s.GameTitle = "Sumbry!";
        s.Score = 0;
        s.CardGoal = 11;
        s.EnhancedScoring = false;
        s.TimeLimit = 90;
        s.ElapsedSeconds = 0;
        s.GaugeElapsed = 0;
        s.TimeBonus = 100;
        s.CustomScoring = false;
        s.Deck.clear();
        LastElevensGame() = ElevensLastGame{};
    }
    void TearDown() override {
        Shared() = saved_;
        ElevensOptions() = savedOptions_;
        LastElevensGame() = savedLast_;
    }

    QString folder() const { return dir_.path() + "/"; }

    // A deck of `size` cards, all kings unless placed otherwise: position p of the deck
    // (1-based) takes the given code. Field place i is position i + 1, the first up card
    // position 23, and the pile is drawn from the last position down to 24.
    static QStringList layDeck(int size, const std::map<int, QString>& at) {
        QStringList deck(size + 1, QStringLiteral("13S"));
        deck[0].clear();
        for (const auto& [pos, code] : at)
            deck[pos] = code;
        return deck;
    }
    // Makes the next Play deal exactly this deck.
    static void dealNext(const QStringList& deck) {
        LastElevensGame().Round1Deck = deck;
        LastElevensGame().ReplayMode = true;
    }

  private:
    QTemporaryDir dir_;
    SharedState saved_;
    ElevensSettings savedOptions_;
    ElevensLastGame savedLast_;
};
