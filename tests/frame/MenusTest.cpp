#include "FrameTestSupport.h"

#include "platform/MessageBox.h"
#include "services/PictureList.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

using State = GameWindow::State;
using platform::Answer;

namespace {
std::vector<QString> checkedItems(const GameWindow& w, const std::vector<QString>& names) {
    std::vector<QString> out;
    for (const QString& n : names)
        if (w.item(n) && w.item(n)->isChecked()) out.push_back(n);
    return out;
}
std::vector<QString> timeItemNames(const GameProfile& p) {
    std::vector<QString> out;
    for (const TimeItem& t : p.timeItems)
        out.push_back(QString("mnu%1").arg(t.seconds));
    return out;
}
const std::vector<QString> kDeckItems{"mnuPalm", "mnuMagic", "mnuNight", "mnuHot"};
bool sameImage(const QPixmap& a, const QPixmap& b) {
    return a.toImage() == b.toImage();
}
} // namespace

TEST_F(FrameTest, ATimeItemSetsTheLimitAndCarriesTheOnlyCheckMark) {
    auto w = window("frmTrip");
    EXPECT_EQ(checkedItems(*w, timeItemNames(w->profile())), std::vector<QString>{"mnu120"});
    w->TimeItem_Click(60);
    EXPECT_EQ(Shared().TimeLimit, 60);
    EXPECT_EQ(checkedItems(*w, timeItemNames(w->profile())), std::vector<QString>{"mnu60"});
    w->item("mnu180")->trigger();
    w->item("mnu180")->trigger(); // again: still checked
    EXPECT_EQ(Shared().TimeLimit, 180);
    EXPECT_EQ(checkedItems(*w, timeItemNames(w->profile())), std::vector<QString>{"mnu180"});
}

TEST_F(FrameTest, AStoredLimitNoItemOffersFallsBackToTheDefaultItem) {
    auto w = window("frmCrestal");
    for (int stored : {0, -30, 75, 100000}) {
        Shared().TimeLimit = 1;
        w->ApplyStoredTimeLimit(stored);
        EXPECT_EQ(Shared().TimeLimit, 45) << stored;
        EXPECT_EQ(checkedItems(*w, timeItemNames(w->profile())), std::vector<QString>{"mnu45"});
    }
    w->ApplyStoredTimeLimit(90);
    EXPECT_EQ(Shared().TimeLimit, 90);
    auto eights = window("frmEights");
    eights->ApplyStoredTimeLimit(0);
    EXPECT_EQ(eights->label("lblTime")->text(), "Time: 90");
}

TEST_F(FrameTest, ACardBackItemMovesTheKeysAndStoresThisGamesNumber) {
    PictureList& pictures = CardPictureList();
    auto w = window("frmQuintel");
    w->mnuHot_Click();
    EXPECT_EQ(Shared().DeckDesign, 1);
    EXPECT_EQ(pictures.numberOf("FULL"), 10);
    EXPECT_EQ(pictures.numberOf("BACK"), 11);
    EXPECT_EQ(pictures.numberOf("HALF"), 12);
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(pictures.key(i), "") << i;
    EXPECT_EQ(checkedItems(*w, kDeckItems), std::vector<QString>{"mnuHot"});
    EXPECT_TRUE(sameImage(w->label("PlayCardPicture")->pixmap(), pictures.picture(10)));

    // Stored numbers come back as the same design in the same game.
    w->ApplyStoredDeckDesign(2);
    EXPECT_EQ(pictures.numberOf("BACK"), 5);
    EXPECT_EQ(checkedItems(*w, kDeckItems), std::vector<QString>{"mnuMagic"});
    auto eights = window("frmEights");
    eights->ApplyStoredDeckDesign(2);
    EXPECT_EQ(checkedItems(*eights, kDeckItems), std::vector<QString>{"mnuNight"});
    EXPECT_EQ(pictures.numberOf("BACK"), 8);
}

TEST_F(FrameTest, AStoredDesignOutsideOneToFourAppliesTheDefaultDesign) {
    PictureList& pictures = CardPictureList();
    for (const char* name : {"frmElevens", "frmQuintel", "frmTrip"}) {
        auto w = window(name);
        w->mnuNight_Click();
        for (int stored : {0, 5}) {
            w->ApplyStoredDeckDesign(stored);
            EXPECT_EQ(pictures.numberOf("FULL"), 1) << name;
            EXPECT_EQ(checkedItems(*w, kDeckItems), std::vector<QString>{"mnuPalm"}) << name;
            EXPECT_EQ(Shared().DeckDesign, w->profile().designNumbers[PalmTree]);
        }
    }
}

TEST_F(FrameTest, CardBackChangesRedrawTheCardsAsEachGameAsks) {
    auto elevens = window("frmElevens");
    elevens->cmdPlay_Click();
    elevens->calls.clear();
    elevens->mnuMagic_Click();
    EXPECT_EQ(elevens->calls, std::vector<QString>{"RefreshPlayCard"});
    elevens->cmdPause_Click();
    elevens->calls.clear();
    elevens->mnuHot_Click();
    EXPECT_EQ(elevens->calls, (std::vector<QString>{"RefreshPlayCard", "RefreshFieldCards"}));
    auto crestal = window("frmCrestal");
    crestal->mnuPalm_Click();
    EXPECT_EQ(crestal->calls, (std::vector<QString>{"RefreshPlayCard", "RefreshFieldCards"}));
}

TEST_F(FrameTest, MusicSwitchStartsAndStopsOnlyDuringAGame) {
    auto w = window("frmCrestal");
    w->mnuMusic_Click();
    EXPECT_TRUE(Shared().MusicOn);
    EXPECT_TRUE(w->item("mnuMusic")->isChecked());
    EXPECT_TRUE(audio->music.empty());
    w->mnuMusic_Click();
    w->cmdPlay_Click();
    w->cmdPause_Click();
    w->mnuMusic_Click(); // on while paused: plays at once
    EXPECT_EQ(audio->music.size(), 1u);
    w->mnuMusic_Click();
    EXPECT_FALSE(audio->playing);
    EXPECT_FALSE(w->item("mnuMusic")->isChecked());

    w->mnuSounds_Click();
    EXPECT_TRUE(Shared().SoundsOn);
    EXPECT_TRUE(w->item("mnuSounds")->isChecked());
    w->SetSoundsSwitch(false);
    EXPECT_FALSE(w->item("mnuSounds")->isChecked());
}

TEST_F(FrameTest, ModalEntriesPauseARunningGameAroundThemByState) {
    auto w = window("frmCrestal");
    w->cmdPlay_Click();
    w->calls.clear();
    w->label("lblMessage")->setText("3 Towers!");
    w->mnuRules_Click(); // button form
    EXPECT_EQ(w->calls, (std::vector<QString>{"Pause", "Resume"}));
    EXPECT_EQ(w->state(), State::Running);
    w->calls.clear();
    w->label("lblMessage")->setText("3 Towers!");
    w->mnuView_Click(); // flag form empties the message label
    EXPECT_EQ(w->calls, (std::vector<QString>{"Pause", "Resume"}));
    EXPECT_EQ(w->label("lblMessage")->text(), "");

    w->cmdPause_Click();
    w->calls.clear();
    w->mnuAbout_Click();
    EXPECT_TRUE(w->calls.empty());
    EXPECT_EQ(w->state(), State::Paused);

    auto brisko = window("frmBrisko");
    brisko->cmdPlay_Click();
    brisko->calls.clear();
    brisko->mnuRules_Click(); // the round runs on
    EXPECT_TRUE(brisko->calls.empty());
}

TEST_F(FrameTest, ClearingHighScoresAsksFirst) {
    platform::MessageScript script;
    script.then(Answer::No);
    auto w = window("frmEights");
    w->cmdPlay_Click();
    w->calls.clear();
    w->mnuClear_Click();
    EXPECT_EQ(script.texts(),
              std::vector<QString>{"This will clear all High Scores. Are You Sure?"});
    EXPECT_EQ(w->calls, (std::vector<QString>{"Pause", "Resume"}));
    w->mnuCustom_Click();
    EXPECT_EQ(w->count("ShowCustomScoring"), 1);
}

TEST_F(FrameTest, EditingKeysBelongToAFocusedTextBox) {
    auto w = window("frmPhrase");
    auto* box = new QLineEdit(w->centralWidget());
    box->setReadOnly(true);
    auto overridden = [box](Qt::Key key) {
        QKeyEvent e(QEvent::ShortcutOverride, key, Qt::ControlModifier);
        e.ignore();
        QCoreApplication::sendEvent(box, &e);
        return e.isAccepted();
    };
    for (Qt::Key k : {Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z})
        EXPECT_TRUE(overridden(k)) << k;
    EXPECT_FALSE(overridden(Qt::Key_P));
    EXPECT_FALSE(overridden(Qt::Key_R));
}
