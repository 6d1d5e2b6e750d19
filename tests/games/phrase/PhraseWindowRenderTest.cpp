// Pictures of the phrase window at the design size and maximised: idle, in a round, paused,
// the bonus picks and the game over.
#include "PhraseWindowTestSupport.h"

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
    w->cmdPlay()->click();
    for (int i : lettersOf(*w))
        if (!IsVowelIndex(i)) {
            w->cmdLetter(i)->click();
            break;
        }
    w->cmdLetter(wrongLetter(*w))->click();
    platform::ProgramTime::advance(9000);
    save(*w, "phrase_round");
    w->cmdPause()->click();
    save(*w, "phrase_paused");
    w->cmdPause()->click();
    w->resize(1024, 740);
    save(*w, "phrase_round_large");
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
    save(*w, "phrase_bonus_picks");
    w->resize(1024, 740);
    save(*w, "phrase_bonus_picks_large");
    w->resize(638, 480);
    for (char c : {'D', 'N', 'L', 'A'})
        w->cmdLetter(c - 'A')->click();
    save(*w, "phrase_bonus_solving");
    w->cmdLetter(wrongLetter(*w))->click();
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    save(*w, "phrase_game_over");
}
