// The phrase game's User Options: the boxes checked in tab order, the stored values and their
// reading, Default, Cancel and the picture a wrong guess shows.
#include "PhraseWindowTestSupport.h"

#include "games/phrase/frmPhraseCustomScoring.h"

#include <QCheckBox>

TEST_F(PhraseWindowTest, UserOptionsShowTheValuesAndCheckTheBoxesInTabOrder) {
    platform::MessageScript answers;
    auto w = open();
    frmPhraseCustomScoring d(w.get());
    EXPECT_EQ(d.windowTitle(), "Glyphon! User Options");
    EXPECT_EQ(d.frmScoringOptions->title(), "Glyphon! Scoring Options");
    EXPECT_EQ(d.txtGuessValue->text(), "3000");
    EXPECT_EQ(d.txtCompletionBonus->text(), "10000");
    EXPECT_EQ(d.txtTimeBonus->text(), "100");
    EXPECT_EQ(d.txtGuessCount->text(), "8");
    EXPECT_EQ(d.txtBonusRoundScore->text(), "250000");
    EXPECT_EQ(d.txtShowPhrase->text(), "5");
    EXPECT_TRUE(d.chkCountDown->isChecked());

    // Two wrong boxes: only the first in tab order is reported; nothing is stored.
    d.txtCompletionBonus->setText("100001");
    d.txtBonusRoundScore->setText("0");
    d.txtGuessValue->setText("4000");
    d.cmdOK_Click();
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].text, "Sorry, the score awarded for completing the phrase must "
                                       "fall between 1 and 100,000.");
    EXPECT_EQ(answers.asked()[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(answers.asked()[0].title, "Glyphon!");
    EXPECT_EQ(PhraseOptions().GuessBonus, 3000);
    d.txtCompletionBonus->setText("100000");
    d.cmdOK_Click();
    EXPECT_EQ(answers.asked().back().text,
              "Sorry, the score required for a Bonus Round must fall between 1 and 1,000,000.");
    d.txtBonusRoundScore->setText("1000001");
    d.cmdOK_Click();
    EXPECT_EQ(answers.asked().size(), 3u);
    d.txtBonusRoundScore->setText("");
    d.cmdOK_Click(); // an empty box reads 0
    EXPECT_EQ(answers.asked().size(), 4u);

    // Leading numbers, rounding, and seconds with a fraction.
    d.txtBonusRoundScore->setText("12abc");
    d.txtGuessCount->setText("7.5");
    d.txtShowPhrase->setText("0.5");
    d.cmdOK_Click();
    EXPECT_EQ(answers.asked().back().text,
              "Sorry, the number of seconds to display the phrase must fall between 1 and 30.");
    d.txtShowPhrase->setText("2.5");
    d.chkCountDown->setChecked(false);
    d.cmdOK_Click();
    EXPECT_EQ(answers.asked().size(), 5u);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(Shared().BonusRoundScore, 12);
    EXPECT_EQ(PhraseOptions().GuessCount, 8);
    EXPECT_EQ(PhraseOptions().ShowPhraseTime, 2500);
    EXPECT_EQ(PhraseOptions().GuessBonus, 4000);
    EXPECT_EQ(PhraseOptions().CompletionBonus, 100000);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_TRUE(Shared().CustomScoring);
}

TEST_F(PhraseWindowTest, DefaultStoresAtOnceAndCancelKeepsIt) {
    platform::MessageScript answers;
    sandbox.write("Glyphon.Ini", "[Guess Bonus]\r\n100\r\n\r\n[ShowPhrase]\r\n9000\r\n");
    auto w = open();
    EXPECT_TRUE(Shared().CustomScoring);
    frmPhraseCustomScoring d(w.get());
    d.txtTimeBonus->setText("7");
    d.cmdDefault_Click();
    EXPECT_EQ(d.txtGuessValue->text(), "3000");
    EXPECT_EQ(d.txtShowPhrase->text(), "5");
    EXPECT_EQ(d.txtTimeBonus->text(), "100");
    d.cmdCancel_Click();
    EXPECT_EQ(PhraseOptions().GuessBonus, 3000);
    EXPECT_EQ(PhraseOptions().ShowPhraseTime, 5000);
    // The mark follows the defaults now in force.
    EXPECT_FALSE(Shared().CustomScoring);
    // Only the show time and the count-down switch changed: not custom.
    frmPhraseCustomScoring again(w.get());
    again.txtShowPhrase->setText("3");
    again.chkCountDown->setChecked(false);
    again.cmdOK_Click();
    EXPECT_FALSE(Shared().CustomScoring);
}

TEST_F(PhraseWindowTest, TheBadGuessPictureChangesAtOnceEvenOnCancel) {
    writeTopics();
    platform::MessageScript answers;
    auto w = open();
    const QImage unhappy = w->FacePicture(3).toImage();
    const QImage other = w->FacePicture(4).toImage();
    ASSERT_NE(unhappy, other);
    {
        frmPhraseCustomScoring d(w.get());
        EXPECT_EQ(d.cmdBadGuess[0]->icon().pixmap(w->FacePicture(3).size()).toImage(), unhappy);
        d.cmdBadGuess[1]->click();
        d.cmdCancel_Click();
    }
    w->show();
    w->cmdPlay()->click();
    w->cmdLetter(wrongLetter(*w))->click();
    EXPECT_EQ(w->Guess(7)->pixmap().toImage(), other);
    EXPECT_EQ(w->Guess(6)->pixmap().toImage(), w->FacePicture(1).toImage());
}

TEST_F(PhraseWindowTest, TheUserOptionsItemOpensTheDialogWhileIdleOnly) {
    writeTopics();
    platform::MessageScript answers;
    int shown = 0;
    platform::ModalDriver driver([&shown](QDialog& d) {
        ++shown;
        EXPECT_EQ(d.objectName(), "frmPhraseCustomScoring");
        d.findChild<QLineEdit*>("txtGuessCount")->setText("5");
        d.findChild<QPushButton*>("cmdOK")->click();
    });
    auto w = open();
    w->item("mnuCustom")->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(PhraseOptions().GuessCount, 5);
    w->show();
    w->cmdPlay()->click();
    EXPECT_FALSE(w->item("mnuCustom")->isEnabled());
    // Five faces: the three above them stay blank.
    EXPECT_EQ(w->Guess(4)->pixmap().toImage(), w->FacePicture(1).toImage());
    EXPECT_EQ(w->Guess(5)->pixmap().toImage(), w->FacePicture(2).toImage());
}
