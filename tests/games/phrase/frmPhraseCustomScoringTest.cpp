// The phrase game's User Options, driven from the window's menu item: the boxes checked in
// tab order, the stored values and their reading, Default, Cancel and the picture a wrong
// guess shows.
#include "../ScoringDialogTestSupport.h"
#include "PhraseWindowTestSupport.h"

#include <QCheckBox>
#include <deque>

using namespace scoringtest;

namespace {
const char* const kGuessMsg =
    "Sorry, the Bonus Value for remaining guesses must fall between 1 and 50,000.";
const char* const kCompletionMsg =
    "Sorry, the score awarded for completing the phrase must fall between 1 and 100,000.";
const char* const kTimeMsg = "Sorry, the score awarded for each second remaining in the game "
                             "after selecting 'Take Score' must fall between 1 and 5,000.";
const char* const kCountMsg = "Sorry, the number of guesses allowed must fall between 1 and 8.";
const char* const kBonusMsg =
    "Sorry, the score required for a Bonus Round must fall between 1 and 1,000,000.";
const char* const kShowMsg =
    "Sorry, the number of seconds to display the phrase must fall between 1 and 30.";

class PhraseCustomTest : public PhraseWindowTest {
  protected:
    void SetUp() override {
        PhraseWindowTest::SetUp();
        w = open();
    }
    static void defaults() {
        SharedState& s = Shared();
        PhraseSettings& o = PhraseOptions();
        o.GuessBonus = 3000;
        o.CompletionBonus = 10000;
        s.TimeBonus = 100;
        o.GuessCount = 8;
        s.BonusRoundScore = 250000;
        o.ShowPhraseTime = 5000;
        s.CountDownScore = true;
        s.CustomScoring = false;
    }
    void withDialog(const std::function<void(CustomScoringDialog&)>& act) { WithDialog(*w, act); }
    std::unique_ptr<frmPhrase> w;
};

// What one OK with a box's text does: a number from 1 to `most`, read as the text's leading
// number, is stored rounded; anything else shows the box's message and stores nothing.
std::vector<BoxCase> casesFor(const char* box, int32_t before, int32_t most, const char* message) {
    const auto upTo = [most, before](int32_t v) { return v <= most ? v : before; };
    const auto said = [most, message](int32_t v) { return v <= most ? nullptr : message; };
    static std::deque<std::string> keep; // the texts outlive the cases
    keep.push_back(std::to_string(most + 1));
    return {
        {box, "12abc", upTo(12), said(12)},
        {box, "abc", before, message},
        {box, "", before, message},
        {box, " 7000", upTo(7000), said(7000)},
        {box, "80,000", upTo(80000), said(80000)},
        {box, "0", before, message},
        {box, keep.back().c_str(), before, message},
    };
}
} // namespace

TEST_F(PhraseCustomTest, TabRunsThroughTheBoxesInTheirOrderThenTheRest) {
    EXPECT_EQ(TabOrderOf(*w),
              (QStringList{"txtGuessValue", "txtCompletionBonus", "txtTimeBonus", "txtGuessCount",
                           "txtBonusRoundScore", "txtShowPhrase", "chkCountDown", "cmdBadGuess_0",
                           "cmdBadGuess_1", "cmdOK", "cmdCancel", "cmdDefault"}));
}

TEST_F(PhraseCustomTest, EachBoxReadsItsLeadingNumberWithinItsRange) {
    std::vector<BoxCase> cases;
    for (const auto& part :
         {casesFor("txtGuessValue", 3000, 50000, kGuessMsg),
          casesFor("txtCompletionBonus", 10000, 100000, kCompletionMsg),
          casesFor("txtTimeBonus", 100, 5000, kTimeMsg), casesFor("txtGuessCount", 8, 8, kCountMsg),
          casesFor("txtBonusRoundScore", 250000, 1000000, kBonusMsg),
          casesFor("txtShowPhrase", 5000, 30, kShowMsg)})
        cases.insert(cases.end(), part.begin(), part.end());
    // The seconds box stores milliseconds.
    for (BoxCase& c : cases)
        if (QLatin1String(c.box) == QLatin1String("txtShowPhrase") && c.message == nullptr)
            c.stored *= 1000;
    cases.push_back({"txtShowPhrase", "2.5", 2500, nullptr});
    cases.push_back({"txtShowPhrase", "0.5", 5000, kShowMsg});
    cases.push_back({"txtShowPhrase", "30.4", 5000, kShowMsg});
    cases.push_back({"txtGuessCount", "7.5", 8, nullptr}); // halves go to the even number
    cases.push_back({"txtGuessCount", "6.5", 6, nullptr});
    cases.push_back({"txtBonusRoundScore", "12abc", 12, nullptr});
    RunBoxCases(*w, cases, defaults, [](const char* box) -> int32_t {
        const QString b = QLatin1String(box);
        const PhraseSettings& o = PhraseOptions();
        if (b == "txtGuessValue") return o.GuessBonus;
        if (b == "txtCompletionBonus") return o.CompletionBonus;
        if (b == "txtTimeBonus") return Shared().TimeBonus;
        if (b == "txtGuessCount") return o.GuessCount;
        if (b == "txtBonusRoundScore") return Shared().BonusRoundScore;
        return o.ShowPhraseTime;
    });
}

TEST_F(PhraseCustomTest, TwoWrongBoxesShowOnlyTheFirstInTabOrderAndStoreNothing) {
    defaults();
    platform::MessageScript script;
    withDialog([&](CustomScoringDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Glyphon! User Options");
        EXPECT_EQ(d.frame()->title(), "Glyphon! Scoring Options");
        EXPECT_EQ(d.frame()->objectName(), "frmScoringOptions");
        EXPECT_EQ(d.focusWidget(), d.box("txtGuessValue"));
        d.box("txtGuessValue")->setText("4000");
        d.box("txtCompletionBonus")->setText("100001");
        d.box("txtBonusRoundScore")->setText("0");
        d.cmdOK()->click();
        ASSERT_EQ(script.texts(), std::vector<QString>{kCompletionMsg});
        EXPECT_EQ(script.asked()[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(script.asked()[0].title, "Glyphon!");
        EXPECT_EQ(d.focusWidget(), d.box("txtCompletionBonus"));
        EXPECT_EQ(PhraseOptions().GuessBonus, 3000);
        d.box("txtCompletionBonus")->setText("100000");
        d.cmdOK()->click();
        EXPECT_EQ(script.texts().back(), kBonusMsg);
        EXPECT_EQ(d.box("txtBonusRoundScore")->text(), "0"); // kept as typed
    });
    EXPECT_EQ(script.asked().size(), 2u);
    EXPECT_EQ(PhraseOptions().GuessBonus, 3000);
    EXPECT_EQ(PhraseOptions().CompletionBonus, 10000);
}

TEST_F(PhraseCustomTest, TheBoxesShowTheValuesAndTheSecondsWithTheirFraction) {
    defaults();
    PhraseOptions().ShowPhraseTime = 2500;
    Shared().CountDownScore = false;
    withDialog([](CustomScoringDialog& d) {
        QStringList texts;
        for (const char* b : {"txtGuessValue", "txtCompletionBonus", "txtTimeBonus",
                              "txtGuessCount", "txtBonusRoundScore", "txtShowPhrase"})
            texts << d.box(b)->text();
        EXPECT_EQ(texts, (QStringList{"3000", "10000", "100", "8", "250000", "2.5"}));
        EXPECT_FALSE(d.switchBox("chkCountDown")->isChecked());
    });
    // An OK with the switch set stores it; the show time and the switch are not custom.
    const OkOutcome out = PressOk(*w, [](CustomScoringDialog& d) {
        d.box("txtShowPhrase")->setText("3");
        d.switchBox("chkCountDown")->setChecked(true);
    });
    EXPECT_TRUE(out.closed);
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_EQ(PhraseOptions().ShowPhraseTime, 3000);
    EXPECT_FALSE(Shared().CustomScoring);
}

TEST_F(PhraseCustomTest, DefaultStoresTheDefaultsAtOnceAndCancelKeepsThem) {
    platform::MessageScript answers;
    sandbox.write("Glyphon.Ini", "[Guess Bonus]\r\n100\r\n\r\n[ShowPhrase]\r\n9000\r\n\r\n"
                                 "[Count Down Score]\r\nFalse\r\n");
    w = open();
    EXPECT_TRUE(Shared().CustomScoring);
    const QString status = w->statusText(1);
    QStringList texts;
    withDialog([&](CustomScoringDialog& d) {
        d.box("txtTimeBonus")->setText("7");
        d.cmdDefault()->click();
        for (const char* b : {"txtGuessValue", "txtCompletionBonus", "txtTimeBonus",
                              "txtGuessCount", "txtBonusRoundScore", "txtShowPhrase"})
            texts << d.box(b)->text();
        EXPECT_TRUE(d.switchBox("chkCountDown")->isChecked());
    });
    EXPECT_EQ(texts, (QStringList{"3000", "10000", "100", "8", "250000", "5"}));
    EXPECT_EQ(PhraseOptions().GuessBonus, 3000);
    EXPECT_EQ(PhraseOptions().ShowPhraseTime, 5000);
    EXPECT_TRUE(Shared().CountDownScore);
    // The mark follows the defaults now in force; the status bar is the dialog's no business.
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), status);
    EXPECT_TRUE(answers.asked().empty());
}

TEST_F(PhraseCustomTest, TheBadGuessPictureChangesAtOnceEvenOnCancel) {
    writeTopics();
    platform::MessageScript answers;
    w = open();
    const QImage unhappy = w->FacePicture(3).toImage();
    const QImage other = w->FacePicture(4).toImage();
    ASSERT_NE(unhappy, other);
    withDialog([&](CustomScoringDialog& d) {
        QPushButton* first = d.pictureButton("cmdBadGuess_0");
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->icon().pixmap(w->FacePicture(3).size()).toImage(), unhappy);
        d.pictureButton("cmdBadGuess_1")->click();
    });
    w->show();
    w->cmdPlay()->click();
    w->cmdLetter(wrongLetter(*w))->click();
    EXPECT_EQ(w->Guess(7)->pixmap().toImage(), other);
    EXPECT_EQ(w->Guess(6)->pixmap().toImage(), w->FacePicture(1).toImage());
}

TEST_F(PhraseCustomTest, TheUserOptionsItemOpensTheDialogWhileIdleOnly) {
    writeTopics();
    platform::MessageScript answers;
    w = open();
    const OkOutcome out =
        PressOk(*w, [](CustomScoringDialog& d) { d.box("txtGuessCount")->setText("5"); });
    EXPECT_TRUE(out.closed);
    EXPECT_EQ(PhraseOptions().GuessCount, 5);
    EXPECT_TRUE(Shared().CustomScoring);
    w->show();
    w->cmdPlay()->click();
    EXPECT_FALSE(w->item("mnuCustom")->isEnabled());
    // Five faces: the three above them stay blank.
    EXPECT_EQ(w->Guess(4)->pixmap().toImage(), w->FacePicture(1).toImage());
    EXPECT_EQ(w->Guess(5)->pixmap().toImage(), w->FacePicture(2).toImage());
}

TEST_F(PhraseCustomTest, EveryCaptionShowsWhole) {
    withDialog([](CustomScoringDialog& d) { ExpectCaptionsFit(d); });
}
