#pragma once
// The phrase window in a test: a fresh program folder with topic files of the test's own,
// virtual time, recorded sound, and a player that knows the phrase on the board.

#include "GameWindowTestSupport.h"
#include "games/phrase/PhraseLibrary.h"
#include "games/phrase/PhraseSettings.h"
#include "games/phrase/frmPhrase.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/Random.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

class PhraseWindowTest : public testsupport::GameWindowTest {
  protected:
    PhraseWindowTest() : GameWindowTest("frmPhrase") {
        PhraseOptions() = PhraseSettings{};
        Phrases().reset();
        SeedRandom(424242);
    }
    ~PhraseWindowTest() override {
        PhraseOptions() = PhraseSettings{};
        Phrases().reset();
    }
    // Every topic file holds the same short phrases, so any topic gives one of them.
    void writeTopics(const QByteArray& lines = "HELLO WORLD\r\nGOOD DOG\r\nBIG SKY\r\n") {
        for (const TopicInfo& t : Topics())
            sandbox.write(t.file, lines);
    }
    std::unique_ptr<frmPhrase> open() { return GameWindowTest::open<frmPhrase>(); }
    static QAction* action(const frmPhrase& w, const char* name) {
        return w.findChild<QAction*>(name);
    }
    // The letters of the phrase on the board, A = 0.
    static std::vector<int> lettersOf(const frmPhrase& w) {
        std::vector<int> out;
        const QString p = w.game().round().phrase().toUpper();
        for (int i = 0; i < kLetterCount; ++i)
            if (p.contains(QChar('A' + i))) out.push_back(i);
        return out;
    }
    // Clicks the phrase's letters, consonants first, until it is solved; what they earn as
    // the player reckons it: the value on view before each letter times the cells it shows.
    static int solve(frmPhrase& w) {
        std::vector<int> letters = lettersOf(w);
        std::stable_partition(letters.begin(), letters.end(),
                              [](int i) { return !IsVowelIndex(i); });
        const QString phrase = w.game().round().phrase().toUpper();
        int earned = 0;
        for (int i : letters) {
            if (!w.cmdLetter(i)->isEnabled()) continue;
            earned += w.txtLetterValue()->text().toInt() * int(phrase.count(QChar('A' + i)));
            w.cmdLetter(i)->click();
        }
        return earned;
    }
    // A letter that is not in the phrase and can be clicked.
    static int wrongLetter(const frmPhrase& w) {
        const QString p = w.game().round().phrase().toUpper();
        for (int i = 0; i < kLetterCount; ++i)
            if (!p.contains(QChar('A' + i)) && w.cmdLetter(i)->isEnabled()) return i;
        return -1;
    }
};
