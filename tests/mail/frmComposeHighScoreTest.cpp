// The submission window: loading from the table window, the score box, the checks before
// sending, and a real send to a server on 127.0.0.1.
#include "dialogs/frmComposeHighScore.h"
#include "mail/SmtpTestServer.h"
#include "platform/Mail.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "services/SharedState.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace mailtest;
using platform::Icon;

namespace {

class ComposeHighScoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = Shared();
        savedMail_ = platform::CurrentMailSettings();
        SharedState& s = Shared();
        s.ProgramFolder = dir_.path() + "/";
        s.GameTitle = "Quintel!";
        s.TimeLimit = 60;
        s.UserName = "Old Name";
        s.UserHomeTown = "Springfield";
        s.UserState = "Ohio";
        s.UserCountry = "United States";
        s.CustomScoring = false;
        s.EnhancedScoring = true;
        platform::MailSettings m = platform::DefaultMailSettings();
        m.recipientAddress = "halvik@127.0.0.1.example";
        m.serverUrl = QString("smtp://127.0.0.1:%1").arg(FreeLocalPort()); // nobody listens
        m.connectTimeoutSeconds = 5;
        m.transferTimeoutSeconds = 10;
        platform::SetMailSettings(m);

        table_.setObjectName("frmHighScores");
        auto* name = new QLabel("Ann", &table_);
        name->setObjectName("ScoreList_0");
        auto* score = new QLabel("612,345", &table_);
        score->setObjectName("ScoreList_1");
    }
    void TearDown() override {
        Shared() = saved_;
        platform::SetMailSettings(savedMail_);
    }

    std::unique_ptr<frmComposeHighScore> open() {
        return std::make_unique<frmComposeHighScore>(&table_);
    }
    template <class T> static T* child(QWidget& w, const char* name) {
        return w.findChild<T*>(name);
    }
    static QLineEdit* box(QWidget& w, const char* name) { return child<QLineEdit>(w, name); }
    static QString sample(QWidget& w) {
        return child<QPlainTextEdit>(w, "txtSample")->toPlainText();
    }

    QTemporaryDir dir_;
    SharedState saved_;
    platform::MailSettings savedMail_;
    QWidget table_;
    platform::MessageScript boxes_;
};

} // namespace

TEST_F(ComposeHighScoreTest, LoadsTheBestEntryAndThePlayersPlace) {
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "High score submission for Quintel!");
    EXPECT_EQ(box(*w, "txtName")->text(), "Ann");
    EXPECT_EQ(box(*w, "txtScore")->text(), "612345");
    EXPECT_EQ(box(*w, "txtHomeTown")->text(), "Springfield");
    QComboBox* state = child<QComboBox>(*w, "cmboState");
    EXPECT_EQ(state->count(), 52);
    EXPECT_EQ(state->currentText(), "Ohio");
    EXPECT_EQ(sample(*w), "612,345 by Ann of Springfield, Ohio");
    EXPECT_EQ(child<QLabel>(*w, "lblOther")->text(), "Additional comments for Halvik:");
    EXPECT_TRUE(boxes_.asked().empty());

    state->setCurrentIndex(state->findText("Texas"));
    box(*w, "txtCountry")->setText("Canada");
    EXPECT_EQ(sample(*w), "612,345 by Ann of Springfield, Texas, Canada");

    // A stored state outside the list is shown and kept, with the other fields intact.
    Shared().UserState = "Ontario";
    auto other = open();
    EXPECT_EQ(child<QComboBox>(*other, "cmboState")->currentText(), "Ontario");
    EXPECT_EQ(sample(*other), "612,345 by Ann of Springfield, Ontario");
}

TEST_F(ComposeHighScoreTest, ScoreBoxHoldsPlainDigitsUpToTheBest) {
    auto w = open();
    QLineEdit* score = box(*w, "txtScore");
    score->setText("");
    EXPECT_EQ(score->text(), "0");
    score->setText("12a9");
    EXPECT_EQ(score->text(), "12");
    score->setText("1,234");
    EXPECT_EQ(score->text(), "1234");
    EXPECT_EQ(sample(*w), "1,234 by Ann of Springfield, Ohio");
    score->setText("612345");
    EXPECT_TRUE(boxes_.asked().empty());

    score->setText("612346");
    ASSERT_EQ(boxes_.asked().size(), 1u);
    EXPECT_EQ(boxes_.asked()[0].text,
              "Sorry, but the score you have entered is greater than the highest\r\n"
              "score attained so far in this game. Please enter a valid score.");
    EXPECT_EQ(boxes_.asked()[0].icon, Icon::Exclamation);
    EXPECT_EQ(boxes_.asked()[0].title, "Quintel!");
    EXPECT_EQ(score->text(), "612345");
    EXPECT_EQ(score->selectedText(), "612345");
    EXPECT_EQ(sample(*w), "612,345 by Ann of Springfield, Ohio");

    // Far beyond the 32-bit range: refused the same way, nothing else lost.
    score->setText("99999999999999");
    EXPECT_EQ(score->text(), "612345");
    EXPECT_EQ(box(*w, "txtName")->text(), "Ann");
}

TEST_F(ComposeHighScoreTest, SubmitChecksMinimumAndDefaultTimeLimitFirst) {
    auto w = open();
    w->show();
    box(*w, "txtScore")->setText("599999");
    w->cmdSubmit_Click();
    ASSERT_EQ(boxes_.asked().size(), 1u);
    EXPECT_EQ(boxes_.asked()[0].text,
              "Sorry, in order to list your Quintel! high score on the web you must achieve a "
              "minimum score of 600,000.\r\nKeep playing, you can do it!");
    EXPECT_EQ(boxes_.asked()[0].icon, Icon::Information);
    EXPECT_TRUE(w->isVisible());

    Shared().GameTitle = "Crestal!";
    box(*w, "txtScore")->setText("90000"); // the minimum itself passes
    w->cmdSubmit_Click();
    ASSERT_EQ(boxes_.asked().size(), 2u);
    EXPECT_EQ(boxes_.asked()[1].text,
              "Sorry, in order to list your Crestal! high score on the web you must be using "
              "the default time limit of 45 seconds.");
    EXPECT_TRUE(w->isVisible());

    // A title without a listing is an error, never a silent send or a success.
    Shared().GameTitle = "Nothing!";
    w->cmdSubmit_Click();
    ASSERT_EQ(boxes_.asked().size(), 3u);
    EXPECT_TRUE(boxes_.asked()[2].text.endsWith(
        "Error description: No high-score listing is kept for \"Nothing!\"."));
    EXPECT_EQ(boxes_.asked()[2].icon, Icon::Critical);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Shared().UserName, "Old Name");
}

TEST_F(ComposeHighScoreTest, CancelKeepsTheDetailsAndTheCloseBoxDoesNot) {
    auto w = open();
    box(*w, "txtHomeTown")->setText("Dayton\r\nX: y");
    w->close();
    EXPECT_EQ(Shared().UserName, "Old Name");
    EXPECT_EQ(Shared().UserHomeTown, "Springfield");

    auto again = open();
    box(*again, "txtHomeTown")->setText("Dayton\r\nX: y");
    child<QComboBox>(*again, "cmboState")->setCurrentIndex(0);
    again->cmdCancel_Click();
    EXPECT_EQ(Shared().UserName, "Ann");
    EXPECT_EQ(Shared().UserHomeTown, "Dayton X: y"); // the details file keeps one line each
    EXPECT_EQ(Shared().UserState, "None");
    EXPECT_EQ(Shared().UserCountry, "United States");
    EXPECT_TRUE(boxes_.asked().empty());
}

TEST_F(ComposeHighScoreTest, SubmitSendsTheListingToTheServer) {
    if (!SmtpServerAvailable()) GTEST_SKIP() << "/usr/bin/python3 cannot import aiosmtpd";
    SmtpTestServer server;
    QString why;
    ASSERT_TRUE(server.start(&why)) << why.toStdString();
    platform::MailSettings m = platform::CurrentMailSettings();
    m.serverUrl = server.url();
    platform::SetMailSettings(m);

    bool closed = false;
    platform::ModalDriver driver([&](QDialog& d) {
        box(d, "txtHomeTown")->setText("Dayton");
        child<QPlainTextEdit>(d, "txtOther")->setPlainText("Great game\nThanks");
        child<QPushButton>(d, "cmdSubmit")->click();
        closed = !d.isVisible();
    });
    ShowComposeHighScore();
    EXPECT_EQ(driver.shown(), 1);
    EXPECT_TRUE(closed);
    ASSERT_EQ(boxes_.asked().size(), 1u);
    EXPECT_EQ(boxes_.asked()[0].text, "The message has been successfully placed in your out box.");
    EXPECT_EQ(boxes_.asked()[0].icon, Icon::Information);
    EXPECT_EQ(Shared().UserName, "Ann");
    EXPECT_EQ(Shared().UserHomeTown, "Dayton");

    const auto stored = server.messages();
    ASSERT_EQ(stored.size(), 1u);
    const ParsedMail mail = ParseMail(stored[0]);
    EXPECT_EQ(mail.header("to"), "\"Halvik\" <halvik@127.0.0.1.example>");
    EXPECT_EQ(mail.header("subject"), "Quorvane High Score Listing for Quintel!");
    EXPECT_EQ(
        mail.bodyLines,
        QStringList({"612,345 by Ann of Dayton, Ohio", "", "Custom scoring is currently False", "",
                     "Sumbry enahnced scoring mode is True", "", "Great game", "Thanks"}));
}

TEST_F(ComposeHighScoreTest, SendFailureIsReportedAndTheWindowStaysOpen) {
    bool open = false;
    platform::ModalDriver driver([&](QDialog& d) {
        box(d, "txtHomeTown")->setText("Dayton");
        static_cast<frmComposeHighScore&>(d).cmdSubmit_Click();
        open = d.isVisible();
    });
    ShowComposeHighScore();
    EXPECT_TRUE(open);
    ASSERT_EQ(boxes_.asked().size(), 1u);
    const QString prefix = "There was an error attempting to access your e-mail messaging "
                           "system. Please report this to halvik@127.0.0.1.example. Error "
                           "description: Couldn't connect to server (code 7): ";
    EXPECT_TRUE(boxes_.asked()[0].text.startsWith(prefix)) << boxes_.asked()[0].text.toStdString();
    EXPECT_EQ(boxes_.asked()[0].icon, Icon::Critical);
    EXPECT_EQ(boxes_.asked()[0].title, "Quintel!");
    EXPECT_EQ(Shared().UserHomeTown, "Springfield");
}

TEST_F(ComposeHighScoreTest, TheWaitPointerShowsWhileAStalledServerIsAwaitedAndGoesAfter) {
    StallingServer silent(StallStage::Greeting);
    ASSERT_NE(silent.port(), 0);
    platform::MailSettings m = platform::CurrentMailSettings();
    m.serverUrl = silent.url();
    m.transferTimeoutSeconds = 2;
    platform::SetMailSettings(m);

    std::optional<Qt::CursorShape> during;
    bool buttonsHeld = false;
    platform::ModalDriver driver([&](QDialog& d) {
        QTimer::singleShot(200, &d, [&] {
            if (const QCursor* c = QApplication::overrideCursor()) during = c->shape();
            buttonsHeld = !child<QPushButton>(d, "cmdSubmit")->isEnabled();
        });
        static_cast<frmComposeHighScore&>(d).cmdSubmit_Click();
    });
    ShowComposeHighScore();
    EXPECT_EQ(during, Qt::WaitCursor);
    EXPECT_TRUE(buttonsHeld);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_EQ(boxes_.asked().size(), 1u);
    EXPECT_TRUE(boxes_.asked()[0].text.contains("(code 28)"))
        << boxes_.asked()[0].text.toStdString();

    // A server that refuses at once: no pointer is left behind either.
    m.serverUrl = QString("smtp://127.0.0.1:%1").arg(FreeLocalPort());
    platform::SetMailSettings(m);
    ShowComposeHighScore();
    EXPECT_EQ(boxes_.asked().size(), 2u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
