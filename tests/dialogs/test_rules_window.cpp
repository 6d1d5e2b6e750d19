// The rules window: its layout, the text of the open game, and closing it.

#include "CaptionFit.h"
#include "dialogs/frmRules.h"
#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class RulesWindow : public ::testing::Test {
  protected:
    void SetUp() override { saved_ = Shared(); }
    void TearDown() override { Shared() = saved_; }

  private:
    SharedState saved_;
};

QString Shown(const QString& text) {
    QString s = text;
    return s.replace("\r\n", "\n");
}

} // namespace

TEST_F(RulesWindow, ShowsTheOpenGamesTextAndClosesOnOk) {
    Shared().GameTitle = "Crestal!";
    RulesValues v = RulesValues::DefaultsFor("Crestal!");
    v.TowerBonus = 7500;

    int shown = 0;
    platform::ModalDriver driver([&](QDialog& d) {
        ++shown;
        auto* w = qobject_cast<frmRules*>(&d);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "Crestal! Rules, Notes and Strategy");
        EXPECT_EQ(w->size(), QSize(Tw(6150), Tw(4365)));

        auto* box = w->findChild<QPlainTextEdit*>("lblRules");
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_EQ(box->geometry(), TwRect(90, 120, 5955, 3495));
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(w->rulesText(), RulesText("Crestal!", v));
        EXPECT_EQ(box->toPlainText(), Shown(w->rulesText()));
        EXPECT_TRUE(box->toPlainText().contains("multiplied by 7,500 points."));

        auto* ok = w->findChild<QPushButton*>("cmdOK");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "&OK");
        EXPECT_EQ(ok->x(), (w->width() - ok->width()) / 2);
        EXPECT_TRUE(testsupport::CaptionsFit(*w));
        ok->click();
        EXPECT_FALSE(w->isVisible());
    });
    ShowRulesWindow(v);
    EXPECT_EQ(shown, 1);
}

TEST_F(RulesWindow, ElevensTextFollowsTheScoringModeAtEachOpening) {
    Shared().GameTitle = "Sumbry!";
    RulesValues v = RulesValues::DefaultsFor("Sumbry!");

    Shared().EnhancedScoring = true;
    v.TakeShared();
    EXPECT_TRUE(frmRules(v).rulesText().contains("'V 7.0 Enhanced Scoring' is currently enabled."));

    Shared().EnhancedScoring = false;
    Shared().TimeLimit = 120;
    v.TakeShared();
    const QString classic = frmRules(v).rulesText();
    EXPECT_TRUE(classic.contains("'V 7.0 Enhanced Scoring' is currently disabled."));
    EXPECT_TRUE(classic.contains("in the last 30 seconds of play."));
}
