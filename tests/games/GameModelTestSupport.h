#pragma once
// Common ground for the tests of a game's model: the program-wide values and the game's own
// settings saved and restored around each test, a temporary program folder, the settings at
// their defaults, and decks laid out card by card.

#include "LaidOutDeck.h"
#include "services/SharedState.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

template <typename Settings, Settings& (*Options)(), void (*ResetDefaults)()>
class GameModelTest : public ::testing::Test {
  protected:
    explicit GameModelTest(const char* title) : title_(title) {}

    void SetUp() override {
        saved_ = Shared();
        savedOptions_ = Options();
        ASSERT_TRUE(dir_.isValid());
        Shared() = SharedState{};
        Shared().ProgramFolder = dir_.path() + "/";
        Shared().GameTitle = title_;
        ResetDefaults();
    }
    void TearDown() override {
        Shared() = saved_;
        Options() = savedOptions_;
    }

    QString folder() const { return dir_.path() + "/"; }

    // A 52-card deck of twos unless placed otherwise: deck position p takes the code.
    static QStringList layDeck(const std::map<int, QString>& at) { return LaidOutDeck(at); }

  private:
    QString title_;
    QTemporaryDir dir_;
    SharedState saved_;
    Settings savedOptions_;
};
