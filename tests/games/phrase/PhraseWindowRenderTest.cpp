// The phrase window at the design size and larger: idle, in a round, paused, the bonus
// picks and the game over, with pictures for a look by eye when PARLOVEX_RENDER_DIR is set.
#include "PhraseWindowTestSupport.h"

#include "games/phrase/PhraseLayout.h"

#include <QDir>

namespace {
void save(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    w.grab().save(dir + "/" + name + ".png");
}
} // namespace

TEST_F(PhraseWindowTest, RendersItsStates) {
    writeTopics("A PENNY SAVED IS A PENNY EARNED\r\nSLOW AND STEADY WINS THE RACE\r\n");
    platform::MessageScript answers;
    auto w = open();
    w->show();
    EXPECT_EQ(w->size(), QSize(638, 480));
    save(*w, "phrase_idle");
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(shown(*w, "fmPhrase"));
    w->cmdPlay()->click();
    int consonant = -1;
    for (int i : lettersOf(*w))
        if (!IsVowelIndex(i)) {
            consonant = i;
            w->cmdLetter(i)->click();
            break;
        }
    ASSERT_GE(consonant, 0);
    w->cmdLetter(wrongLetter(*w))->click();
    platform::ProgramTime::advance(9000);
    save(*w, "phrase_round");
    // The board with the found letter uncovered wherever it stands, the rest still hidden.
    EXPECT_TRUE(shown(*w, "fmPhrase") && shown(*w, "frmGuess"));
    const QString found(QChar('A' + consonant));
    int uncovered = 0, hidden = 0;
    for (int k = 0; k < kBoardCells; ++k) {
        const QLabel* cell = w->findChild<QLabel*>(QString("lblLetter_%1").arg(k));
        if (!cell->isVisibleTo(w.get())) continue;
        if (cell->text() == found) ++uncovered;
        if (cell->text().isEmpty()) ++hidden;
    }
    EXPECT_GE(uncovered, 1);
    EXPECT_GE(hidden, 1);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 36");
    w->cmdPause()->click();
    save(*w, "phrase_paused");
    EXPECT_FALSE(shown(*w, "fmPhrase"));
    EXPECT_TRUE(shown(*w, "lblMessage") && text(*w, "lblMessage") == "Game Paused");
    EXPECT_TRUE(shown(*w, "lblCurrentScore"));
    w->cmdPause()->click();
    w->resize(1024, 740);
    save(*w, "phrase_round_large");
    const QWidget* board = w->findChild<QWidget*>("fmPhrase");
    EXPECT_GT(board->width(), 0);
    EXPECT_LE(board->x() + board->width(), w->width());
    w->resize(638, 480);
}

TEST_F(PhraseWindowTest, RendersTheBonusPicksAndTheGameOver) {
    writeTopics("SLOW AND STEADY\r\nA PENNY SAVED\r\n");
    sandbox.write("Glyphon.Ini", "[Bonus Score]\r\n1\r\n");
    platform::MessageScript answers;
    platform::ModalDriver driver([](QDialog& d) { d.reject(); });
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    for (int round = 1; round <= 2; ++round)
        solve(*w);
    ASSERT_EQ(Shared().Round, 3);
    w->cmdLetter('S' - 'A')->click();
    w->cmdLetter('T' - 'A')->click();
    w->cmdLetter('A' - 'A')->click();
    // The longest prompt stays clear of the commands at the design size and larger.
    EXPECT_EQ(text(*w, "lblMessage"), "Select 3 consonants and no vowels");
    EXPECT_TRUE(testsupport::CaptionsFit(*w));
    save(*w, "phrase_bonus_picks");
    w->resize(1024, 740);
    EXPECT_TRUE(testsupport::CaptionsFit(*w));
    save(*w, "phrase_bonus_picks_large");
    w->resize(638, 480);
    for (char c : {'D', 'N', 'L'})
        w->cmdLetter(c - 'A')->click();
    save(*w, "phrase_bonus_solving");
    w->cmdLetter(wrongLetter(*w))->click();
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    save(*w, "phrase_game_over");
}
