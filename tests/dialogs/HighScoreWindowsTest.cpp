// The high-score windows end to end: InsertHighScore with the real name-entry window and
// Hall of Fame, offscreen, driven through the modal seam on a virtual clock.
#include "CaptionFit.h"
#include "dialogs/HighScoreEntry.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmHiScoreName.h"
#include "dialogs/frmHighScores.h"
#include "games/elevens/ElevensSettings.h"
#include "platform/Audio.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/ProgramTime.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include "platform/SafeFile.h"
#include "platform/WebOpener.h"
#include "services/HighScores.h"
#include "services/Sound.h"
#include <QMessageBox>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::Answer;

namespace {

class HighScoreWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = Shared();
        SharedState& s = Shared();
        s.ProgramFolder = dir_.path() + "/";
        s.GameTitle = "Sumbry!";
        s.TimeLimit = 90;
        s.CardGoal = 11;
        s.EnhancedScoring = false;
        s.CustomScoring = false;
        s.SoundsOn = true;
        s.UserName = "Unknown User";
        s.NewHighScoreIndex = -1;
        s.Score = 0;
        platform::ProgramTime::useVirtual(QDateTime(QDate(2024, 3, 5), QTime(14, 7)));
        auto audio = std::make_unique<platform::RecordingAudio>();
        audio_ = audio.get();
        previousAudio_ = platform::SetAudioBackend(std::move(audio));
    }
    void TearDown() override {
        platform::SetAudioBackend(std::move(previousAudio_));
        platform::ProgramTime::useReal();
        Shared() = saved_;
    }

    QString path() const { return HighScoreFilePath(ElevensTableName()); }
    void writeTable(const QByteArray& text) { ASSERT_TRUE(platform::WriteFileWhole(path(), text)); }
    QByteArray readTable() const {
        QByteArray data;
        platform::ReadFileWhole(path(), data);
        return data;
    }
    // Ten rows N0..N9 scoring 90000 down to 0 in steps of 10000.
    static QByteArray tenRows(int count = 10) {
        QByteArray t;
        for (int i = 0; i < count; ++i)
            t += "N" + QByteArray::number(i) + ", " + QByteArray::number(90000 - 10000 * i) +
                 ", Feb 0" + QByteArray::number(i + 1) + " 2023 09:30 am\r\n";
        return t + "\r\n";
    }
    static QByteArray line(const QByteArray& table, int row) {
        return table.split('\n').value(row).chopped(1);
    }
    std::vector<QString> waves() const {
        std::vector<QString> names;
        for (const QString& w : audio_->waves)
            names.push_back(w.mid(Shared().ProgramFolder.size()));
        return names;
    }

    QTemporaryDir dir_;
    SharedState saved_;
    platform::RecordingAudio* audio_ = nullptr;
    std::unique_ptr<platform::AudioBackend> previousAudio_;
};

template <typename T> T* child(QWidget& w, const QString& name) {
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

// Answers the name entry with `name`, then lets `inHall` look at the Hall of Fame.
platform::ModalDriver::Handler typeNameThen(const QString& name,
                                            std::function<void(QDialog&)> inHall = {}) {
    return [name, inHall](QDialog& d) {
        if (d.objectName() == "frmHiScoreName") {
            child<QLineEdit>(d, "txtPlayerName")->setText(name);
            child<QPushButton>(d, "cmdOK")->click();
        } else if (d.objectName() == "frmHighScores") {
            if (inHall) inHall(d);
        }
    };
}

} // namespace

TEST_F(HighScoreWindows, InsertPlacesTiesBelowAndBlinksTheNewRow) {
    writeTable(tenRows());
    Shared().Score = 80000; // equal to row 2
    std::vector<QString> order;
    bool blinked = false;
    platform::ModalDriver driver(typeNameThen("Ada", [&](QDialog& hall) {
        EXPECT_EQ(hall.windowTitle(), "Sumbry! Hall of Fame (90 secs)");
        QLabel* name = child<QLabel>(hall, "ScoreList_4");
        QLabel* score = child<QLabel>(hall, "ScoreList_5");
        QLabel* date = child<QLabel>(hall, "DateList_5");
        EXPECT_EQ(name->text(), "Ada");
        EXPECT_EQ(score->text(), "80,000");
        EXPECT_EQ(date->text(), "Mar 05 2024 02:07 pm");
        EXPECT_TRUE(name->styleSheet().contains("color: #FFFFFF"));
        EXPECT_EQ(child<QLabel>(hall, "ScoreList_3")->text(), "80,000"); // the older tie above
        EXPECT_TRUE(name->isVisible());
        platform::ProgramTime::advance(499);
        EXPECT_TRUE(name->isVisible());
        platform::ProgramTime::advance(1);
        EXPECT_FALSE(name->isVisible() || score->isVisible() || date->isVisible());
        platform::ProgramTime::advance(500);
        EXPECT_TRUE(name->isVisible() && score->isVisible() && date->isVisible());
        blinked = true;
        child<QPushButton>(hall, "cmdDone")->click();
        EXPECT_FALSE(child<platform::GameTimer>(hall, "Timer1")->isEnabled());
    }));
    platform::MessageScript boxes;
    ASSERT_TRUE(InsertHighScore(ElevensTableName(), nullptr, "50000"));
    EXPECT_TRUE(blinked);
    EXPECT_EQ(driver.shown(), 2);
    EXPECT_TRUE(boxes.asked().empty());
    EXPECT_EQ(Shared().UserName, "Ada");
    EXPECT_EQ(Shared().NewHighScoreIndex, -1); // Done resets it
    EXPECT_EQ(waves(), (std::vector<QString>{"HighScore.wav", "Applause.wav"}));

    const QByteArray after = readTable();
    EXPECT_EQ(line(after, 1), "N1, 80000, Feb 02 2023 09:30 am");
    EXPECT_EQ(line(after, 2), "Ada, 80000, Mar 05 2024 02:07 pm");
    EXPECT_EQ(line(after, 9), "N8, 10000, Feb 09 2023 09:30 am"); // N9 dropped out
    EXPECT_TRUE(after.endsWith("am\r\n\r\n"));
    EXPECT_EQ(after.count('\n'), 11);
}

TEST_F(HighScoreWindows, InsertTopScoreWithCustomScoringAndAQuotedName) {
    writeTable(tenRows());
    Shared().Score = 90001;
    Shared().CustomScoring = true;
    Shared().SoundsOn = false;
    platform::ModalDriver driver(typeNameThen("Al \"Ace\""));
    ASSERT_TRUE(InsertHighScore(ElevensTableName(), nullptr, "50000"));
    EXPECT_EQ(Shared().NewHighScoreIndex, 0); // closed by its close box: the row would blink again
    const QByteArray after = readTable();
    EXPECT_EQ(line(after, 0), "Al Ace*, 90001, Mar 05 2024 02:07 pm");
    EXPECT_EQ(line(after, 1), "N0, 90000, Feb 01 2023 09:30 am");
    EXPECT_EQ(line(after, 9), "N8, 10000, Feb 09 2023 09:30 am");
    EXPECT_TRUE(audio_->waves.empty());
}

TEST_F(HighScoreWindows, ShortTablesFillTheirFreeRowsAndLowScoresOpenNothing) {
    // An empty file and a short table: the missing rows are free places.
    for (const int rows : {0, 9}) {
        writeTable(rows == 0 ? QByteArray() : tenRows(rows)); // lowest row 10000
        Shared().Score = 10000;
        platform::ModalDriver driver(typeNameThen("Ada"));
        platform::MessageScript boxes;
        ASSERT_TRUE(InsertHighScore(ElevensTableName(), nullptr, "50000")) << rows;
        EXPECT_EQ(driver.shown(), 2) << rows; // the name, then the Hall of Fame
        EXPECT_TRUE(boxes.asked().empty()) << rows;
        EXPECT_EQ(Shared().NewHighScoreIndex, rows) << rows;
        const QByteArray after = readTable();
        EXPECT_EQ(after.count('\n'), rows + 2) << rows;
        EXPECT_EQ(line(after, rows), "Ada, 10000, Mar 05 2024 02:07 pm") << rows; // below a tie
    }
    writeTable(tenRows(9));
    Shared().Score = 10001;
    {
        platform::ModalDriver driver(typeNameThen("Ada"));
        ASSERT_TRUE(InsertHighScore(ElevensTableName(), nullptr, "50000"));
        EXPECT_EQ(driver.shown(), 2);
        const QByteArray after = readTable();
        EXPECT_EQ(line(after, 8), "Ada, 10001, Mar 05 2024 02:07 pm");
        EXPECT_EQ(line(after, 9), "N8, 10000, Feb 09 2023 09:30 am");
    }
    // A score of 0 on a fresh table changes nothing.
    CreateHighScoreFile(ElevensTableName(), nullptr, "50000");
    const QByteArray fresh = readTable();
    Shared().Score = 0;
    platform::ModalDriver driver(typeNameThen("Ada"));
    ASSERT_TRUE(InsertHighScore(ElevensTableName(), nullptr, "50000"));
    EXPECT_EQ(driver.shown(), 0);
    EXPECT_EQ(readTable(), fresh);
}

TEST_F(HighScoreWindows, ADamagedTableOrOneThatCannotBeMadeAsksNothing) {
    QByteArray damaged = tenRows();
    damaged.replace("60000", "6O000"); // row 4
    writeTable(damaged);
    Shared().Score = 95000; // would beat row 1, before the damage
    Shared().NewHighScoreIndex = 3;
    platform::ModalDriver driver(typeNameThen("Ada"));
    platform::MessageScript boxes;
    EXPECT_FALSE(InsertHighScore(ElevensTableName(), nullptr, "50000"));
    EXPECT_EQ(driver.shown(), 0);
    EXPECT_EQ(Shared().NewHighScoreIndex, -1);
    EXPECT_EQ(readTable(), damaged);
    EXPECT_TRUE(audio_->waves.empty());
    ASSERT_EQ(boxes.asked().size(), 1u);
    EXPECT_EQ(boxes.asked()[0].text,
              "The high-score table " + path() + " is damaged: row 4 has no valid score.");
    EXPECT_EQ(boxes.asked()[0].title, "Sumbry!");
    EXPECT_EQ(boxes.asked()[0].icon, platform::Icon::Critical);
    EXPECT_EQ(boxes.asked()[0].buttons, platform::Buttons::OK);

    // A missing table is made first; one that cannot be (a folder that takes no files) is
    // told why, once, and nothing is asked.
    Shared().ProgramFolder = dir_.path() + "/gone/";
    boxes.clearAsked();
    EXPECT_FALSE(InsertHighScore(ElevensTableName(), nullptr, "50000"));
    EXPECT_EQ(driver.shown(), 0);
    ASSERT_EQ(boxes.asked().size(), 1u);
    EXPECT_TRUE(boxes.texts()[0].startsWith(path())) << qPrintable(boxes.texts()[0]);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(HighScoreWindows, NameEntryRefusesCommasAndFillsEmptyNames) {
    Shared().UserName = "Corvell";
    frmHiScoreName w;
    auto* box = child<QLineEdit>(w, "txtPlayerName");
    EXPECT_EQ(w.windowTitle(), "Sumbry!");
    EXPECT_EQ(box->text(), ""); // the placeholder name is not offered
    EXPECT_EQ(child<QLabel>(w, "lblInfo")->text(),
              "Great score! Please enter your name so we can induct you into the Sumbry! Hall of "
              "Fame:");
    EXPECT_TRUE(testsupport::CaptionsFit(w));

    platform::MessageScript boxes;
    box->setText("Smith, Jo");
    w.cmdOK_Click();
    ASSERT_EQ(boxes.asked().size(), 1u);
    EXPECT_EQ(boxes.asked()[0].text, "Sorry, you may not use commas in your name.");
    EXPECT_EQ(boxes.asked()[0].icon, platform::Icon::Critical);
    EXPECT_EQ(boxes.asked()[0].title, "Sumbry!");
    EXPECT_EQ(box->text(), "Smith, Jo");
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(Shared().UserName, "Corvell");

    box->clear();
    w.cmdOK_Click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(Shared().UserName, "Unknown User");

    Shared().UserName = "Jo Smith";
    frmHiScoreName again;
    EXPECT_EQ(child<QLineEdit>(again, "txtPlayerName")->text(), "Jo Smith");
    EXPECT_EQ(child<QLineEdit>(again, "txtPlayerName")->selectedText(), "Jo Smith");
}

TEST_F(HighScoreWindows, HallOfFameShowsAFreshTableAndTheGameInfo) {
    Shared().EnhancedScoring = true;
    Shared().CardGoal = 12;
    CreateHighScoreFile(ElevensTableName(), nullptr, "50000");
    EXPECT_TRUE(path().endsWith("/Sumbry Hi Score Table ES 12_90.Txt"));
    frmHighScores hall;
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(child<QLabel>(hall, QString("ScoreList_%1").arg(2 * row))->text(), "Corvell");
        EXPECT_EQ(child<QLabel>(hall, QString("ScoreList_%1").arg(2 * row + 1))->text(), "50,000");
        EXPECT_TRUE(child<QLabel>(hall, QString("DateList_%1").arg(2 * row + 1))->isHidden());
    }
    EXPECT_EQ(child<QLabel>(hall, "lblHiScoreInfo")->text(),
              "V 7.0 Enhanced Scoring - High Scores for a card goal of 12\n"
              "* denotes customized scoring was used");
    EXPECT_TRUE(testsupport::CaptionsFit(hall));
    // The submit button opens the e-mail window over the table.
    QStringList opened;
    {
        platform::ModalDriver driver([&](QDialog& d) { opened << d.objectName(); });
        child<QPushButton>(hall, "cmdSendScore")->click();
    }
    EXPECT_EQ(opened, QStringList{"frmComposeHighScore"});
    EXPECT_EQ(child<QLabel>(hall, "ScoreList_2")->y(), Tw(450));
    EXPECT_EQ(child<QLabel>(hall, "ScoreList_18")->y(), Tw(2730));

    Shared().GameTitle = "Crestal!";
    CreateHighScoreFile("Crestal Hi Score Table ", nullptr, "30000");
    frmHighScores crestal;
    EXPECT_EQ(child<QLabel>(crestal, "ScoreList_1")->text(), "30,000");
    EXPECT_EQ(child<QLabel>(crestal, "lblHiScoreInfo")->text(),
              "\n* denotes customized scoring was used");
}

TEST_F(HighScoreWindows, HallOfFameSurvivesMissingAndDamagedFiles) {
    platform::MessageScript boxes;
    {
        frmHighScores hall;
        EXPECT_EQ(boxes.texts(), std::vector<QString>{"File not found: " + path()});
        EXPECT_EQ(child<QLabel>(hall, "ScoreList_0")->text(), "");
    }
    QByteArray damaged = tenRows();
    damaged.replace("70000", "x");
    writeTable(damaged);
    boxes.clearAsked();
    platform::ModalDriver driver([&](QDialog& hall) {
        EXPECT_EQ(child<QLabel>(hall, "ScoreList_0")->text(), "N0");
        EXPECT_EQ(child<QLabel>(hall, "ScoreList_3")->text(), "80,000");
        EXPECT_EQ(child<QLabel>(hall, "ScoreList_4")->text(), "");
        // Clearing still works and replaces the damaged table.
        boxes.then(Answer::Yes);
        child<QPushButton>(hall, "cmdClear")->click();
        EXPECT_EQ(child<QLabel>(hall, "ScoreList_19")->text(), "50,000");
        child<QPushButton>(hall, "cmdDone")->click();
        EXPECT_FALSE(hall.isVisible());
    });
    ShowHallOfFame(nullptr);
    EXPECT_EQ(driver.shown(), 1);
    EXPECT_EQ(boxes.asked().size(), 2u); // the damage, then the clear question
    EXPECT_TRUE(boxes.asked()[0].text.endsWith("row 3 has no valid score."));

    // A folder that takes no files: Clear says why the table cannot be made, and reading it
    // back for the window and the game's label adds nothing.
    Shared().ProgramFolder = dir_.path() + "/gone/";
    QWidget game;
    game.setObjectName("frmElevens");
    (new QLabel(&game))->setObjectName("lblHighScore");
    frmHighScores hall(nullptr, &game);
    boxes.clearAsked();
    boxes.then(Answer::Yes);
    hall.cmdClear_Click();
    ASSERT_EQ(boxes.asked().size(), 2u) << qPrintable(boxes.texts().back());
    EXPECT_TRUE(boxes.asked()[1].text.startsWith(path())) << qPrintable(boxes.texts()[1]);
}

TEST_F(HighScoreWindows, ClearStopsTheBlinkingAndRewritesOnlyOnYes) {
    writeTable(tenRows());
    Shared().NewHighScoreIndex = 4;
    QWidget game;
    game.setObjectName("frmElevens");
    auto* best = new QLabel("High Score: 90,000", &game);
    best->setObjectName("lblHighScore");
    frmHighScores hall(nullptr, &game);
    auto* name = child<QLabel>(hall, "ScoreList_8");
    hall.Timer1_Timer();
    EXPECT_TRUE(name->isHidden());

    platform::MessageScript boxes;
    boxes.then(Answer::No);
    hall.cmdClear_Click();
    EXPECT_EQ(boxes.asked()[0].text, "This will clear all High Scores. Are You Sure?");
    EXPECT_EQ(boxes.asked()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(boxes.asked()[0].icon, platform::Icon::Question);
    EXPECT_EQ(boxes.asked()[0].title, "Sumbry!");
    EXPECT_EQ(readTable(), tenRows());
    EXPECT_EQ(Shared().NewHighScoreIndex, 4);

    boxes.then(Answer::Yes);
    hall.cmdClear_Click();
    EXPECT_FALSE(name->isHidden());
    EXPECT_TRUE(name->styleSheet().contains("color: #0000FF"));
    EXPECT_FALSE(child<platform::GameTimer>(hall, "Timer1")->isEnabled());
    EXPECT_EQ(best->text(), "High Score: 50,000"); // the game window shows the fresh table

    EXPECT_EQ(Shared().NewHighScoreIndex, -1);
    EXPECT_EQ(name->text(), "Corvell");
    QByteArray fresh;
    for (int i = 0; i < 10; ++i)
        fresh += "Corvell, 50000, Jan 01 2000 12:00 am\r\n";
    EXPECT_EQ(readTable(), fresh + "\r\n");
}

TEST_F(HighScoreWindows, ShowHighScoreCreatesTheTableAndLabelsTheWindow) {
    QWidget game;
    game.setObjectName("frmElevens");
    auto* label = new QLabel(&game);
    label->setObjectName("lblHighScore");
    ShowHighScore(ElevensTableName(), &game, "50000");
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(label->text(), "High Score: 50,000");

    Shared().EnhancedScoring = true; // another table of the same goal and limit
    ShowHighScore(ElevensTableName(), &game, "50000");
    EXPECT_TRUE(QFile::exists(Shared().ProgramFolder + "Sumbry Hi Score Table ES 11_90.Txt"));

    QWidget crestal;
    crestal.setObjectName("frmCrestal");
    auto* crestalLabel = new QLabel(&crestal);
    crestalLabel->setObjectName("lblHighScore");
    Shared().TimeLimit = 45;
    ShowHighScore("Crestal Hi Score Table ", &crestal, "30000");
    EXPECT_EQ(crestalLabel->text(), "Current High Score: 30,000");
    EXPECT_TRUE(QFile::exists(Shared().ProgramFolder + "Crestal Hi Score Table 45.Txt"));

    QWidget bare; // no label: nothing to show, nothing breaks
    ShowHighScore("Crestal Hi Score Table ", &bare, "30000");
}

TEST_F(HighScoreWindows, WebButtonOpensTheHighScorePage) {
    const QString script = dir_.path() + "/opener.sh";
    const QString log = dir_.path() + "/opened.txt";
    ASSERT_TRUE(platform::WriteFileWhole(
        script, QString("#!/bin/sh\nprintf '%s' \"$1\" > '" + log + "'\n").toUtf8()));
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    platform::SetWebOpenerProgram(script);
    CreateHighScoreFile(ElevensTableName(), nullptr, "50000");
    frmHighScores hall;
    child<QPushButton>(hall, "cmdHighScores")->click();
    EXPECT_TRUE(platform::WaitForOpeners(5000));
    platform::SetWebOpenerProgram("xdg-open");
    QByteArray opened;
    platform::ReadFileWhole(log, opened);
    EXPECT_EQ(QString::fromUtf8(opened), kHighScoreWebAddress);
}

TEST_F(HighScoreWindows, AboutBoxCountsCalendarMinutes) {
    Shared().WindowLoadTime = QDateTime(QDate(2024, 3, 5), QTime(14, 6, 59));
    platform::ProgramTime::useVirtual(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 1)));
    platform::ModalDriver driver([](QDialog& about) {
        EXPECT_EQ(about.windowTitle(), "About Sumbry!");
        EXPECT_EQ(child<QLabel>(about, "lblStats")->text(),
                  "This session has lasted 1 minutes.Thanks for playing!");
        auto* button = child<QPushButton>(about, "cmdCoolDude");
        EXPECT_EQ(button->text(), "&Cool Dude");
        EXPECT_EQ(button->x(), Tw((4680 - 1455) / 2));
        button->click();
        EXPECT_FALSE(about.isVisible());
    });
    ShowAboutBox(nullptr);
    EXPECT_EQ(driver.shown(), 1);

    Shared().WindowLoadTime = platform::ProgramTime::now();
    frmAbout fresh;
    EXPECT_EQ(child<QLabel>(fresh, "lblStats")->text(),
              "This session has lasted 0 minutes.Thanks for playing!");
}

TEST_F(HighScoreWindows, NamesFromTheFileAreShownAsTheyStand) {
    const QByteArray hostile = "<h2>Prize</h2> <a href='file:///etc/passwd'>claim</a>";
    writeTable(hostile + ", 90000, Feb 01 2023 09:30 am\r\n" + tenRows(9));
    frmHighScores hall;
    QLabel* name = child<QLabel>(hall, "ScoreList_0");
    EXPECT_EQ(name->text(), QString::fromLatin1(hostile));
    EXPECT_EQ(name->textFormat(), Qt::PlainText);
    EXPECT_FALSE(name->openExternalLinks());
    // Boxes too: a saved game's player name reaches the player through one.
    const auto box = platform::MakeMessageBox(QString::fromLatin1(hostile), platform::Buttons::OK,
                                              platform::Icon::None, "Sumbry!");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

TEST_F(HighScoreWindows, TheLargestScoresFitTheirColumn) {
    writeTable(
        "Big, 999999999999, Feb 01 2023 09:30 am\r\nMid, 1000000000, Feb 01 2023 09:30 am\r\n" +
        tenRows(8));
    frmHighScores hall;
    for (int row : {0, 1, 2}) {
        QLabel* score = child<QLabel>(hall, QString("ScoreList_%1").arg(2 * row + 1));
        EXPECT_LE(score->fontMetrics().horizontalAdvance(score->text()),
                  score->contentsRect().width())
            << score->text().toStdString();
    }
    EXPECT_EQ(child<QLabel>(hall, "ScoreList_1")->text(), "999,999,999,999");
}

TEST_F(HighScoreWindows, AHandEditedScoreShowsEveryDigitAndItsSign) {
    writeTable("Big, 999999999999999999, Feb 01 2023 09:30 am\r\n" + tenRows(8).chopped(2) +
               "Low, -123456789012345678, Feb 02 2023 09:30 am\r\n\r\n");
    platform::MessageScript script;
    script.then(Answer::Yes);
    frmHighScores hall;
    const QRect before = hall.geometry();
    EXPECT_EQ(child<QLabel>(hall, "ScoreList_1")->text(), "999,999,999,999,999,999");
    EXPECT_EQ(child<QLabel>(hall, "ScoreList_19")->text(), "-123,456,789,012,345,678");
    for (int row = 0; row < 10; ++row) {
        QLabel* score = child<QLabel>(hall, QString("ScoreList_%1").arg(2 * row + 1));
        QLabel* date = child<QLabel>(hall, QString("DateList_%1").arg(2 * row + 1));
        EXPECT_LE(score->fontMetrics().horizontalAdvance(score->text()),
                  score->contentsRect().width())
            << score->text().toStdString();
        EXPECT_LE(score->geometry().right(), date->x()) << row;
        EXPECT_LE(date->geometry().right(), hall.width()) << row;
    }
    EXPECT_GT(hall.width(), Tw(6975));
    const QPushButton* done = child<QPushButton>(hall, "cmdDone");
    EXPECT_LE(done->geometry().right(), hall.width());

    // A cleared table has nothing to make room for: the window is as designed again, about
    // the same centre.
    hall.cmdClear_Click();
    EXPECT_EQ(child<QLabel>(hall, "ScoreList_1")->text(), "50,000");
    EXPECT_EQ(hall.width(), Tw(6975));
    EXPECT_NEAR(hall.geometry().center().x(), before.center().x(), 1);
    EXPECT_EQ(child<QLabel>(hall, "DateList_1")->x(), Tw(4335));
}

TEST_F(HighScoreWindows, TheHighScoreLineShowsEveryDigit) {
    writeTable("Big, 123456789, Feb 01 2023 09:30 am\r\n" + tenRows(9));
    QWidget game;
    game.setObjectName("frmElevens");
    auto* label = new QLabel("Current High Score:", &game);
    label->setObjectName("lblHighScore");
    label->adjustSize();
    ShowHighScore(ElevensTableName(), &game, "50000");
    EXPECT_EQ(label->text(), "High Score: 123,456,789");
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
}

TEST_F(HighScoreWindows, ADamagedBestRowIsReportedOnceUntilTheFileChanges) {
    QWidget game;
    game.setObjectName("frmElevens");
    writeTable("Ann, lots, Feb 01 2023 09:30 am\r\n\r\n");
    platform::MessageScript script;
    ShowHighScore(ElevensTableName(), &game, "50000"); // the time item during the load
    ShowHighScore(ElevensTableName(), &game, "50000"); // the load itself
    EXPECT_EQ(script.asked().size(), 1u);
    writeTable("Bo, many, Feb 01 2023 09:30 am\r\n\r\n");
    ShowHighScore(ElevensTableName(), &game, "50000");
    EXPECT_EQ(script.asked().size(), 2u);
}
