// The save and open dialogs driven as the player uses them.

#include "SavedGameTestData.h"
#include "dialogs/GameFileLists.h"
#include "dialogs/frmOpen.h"
#include "dialogs/frmSave.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/SafeFile.h"
#include "services/SharedState.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using platform::Answer;

template <typename T> T* Child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QStringList Items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void PressEnter(QWidget* w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(w, &press);
}

void DoubleClick(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    const QPoint p = list->visualItemRect(found[0]).center();
    const QPoint global = list->viewport()->mapToGlobal(p);
    auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent e(type, p, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
}

class SavedGameDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder_ = QDir::cleanPath(dir_.path()) + "/";
        Shared().ProgramFolder = folder_;
        Shared().GameTitle = QStringLiteral("Sumbry!");
        Shared().UserName = QStringLiteral("Pat");
        ASSERT_TRUE(platform::WriteFileWhole(folder_ + "old.smb", "old"));
        ASSERT_TRUE(platform::WriteFileWhole(folder_ + "LOUD.SMB", "loud"));
        ASSERT_TRUE(platform::WriteFileWhole(folder_ + "notes.txt", "notes"));
        ASSERT_TRUE(QDir(folder_).mkdir("folder.smb"));
    }
    void TearDown() override {
        Shared().ProgramFolder.clear();
        Shared().GameTitle.clear();
        Shared().UserName.clear();
    }
    QByteArray Read(const QString& name) {
        QByteArray data;
        platform::ReadFileWhole(folder_ + name, data);
        return data;
    }
    QStringList Entries() {
        return QDir(folder_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;
    QString folder_;
    SavedGame game_ = TestGame(13, 2);
};

TEST_F(SavedGameDialogs, BothOpenOnTheProgramFolderWithTheirTexts) {
    frmSave save(game_);
    EXPECT_EQ(save.windowTitle(), "Save Game");
    EXPECT_EQ(Child<QLabel>(save, "lblSaveInfo")->text(),
              "Use this dialog to save the last game played. You may load a saved game later to "
              "replay it. This cannot be used to save a game in progress.");
    EXPECT_EQ(Child<QLineEdit>(save, "txtGameName")->text(), "*.smb");
    EXPECT_EQ(Child<QLineEdit>(save, "txtUserName")->text(), "Pat");
    EXPECT_EQ(Child<QLineEdit>(save, "txtUserName")->toolTip(),
              "Enter your name if you want it to be saved with this game");
    EXPECT_EQ(Child<QPushButton>(save, "cmdOK")->toolTip(),
              "Saves the game to the specified filename");
    EXPECT_EQ(Child<DirList>(save, "Dir1")->path() + "/", folder_);
    EXPECT_EQ(Child<QComboBox>(save, "Drive1")->currentText(), QStorageInfo(folder_).rootPath());
    // The pattern matches upper-case extensions too; other files and folders are not listed.
    EXPECT_EQ(Items(Child<QListWidget>(save, "File1")), QStringList({"LOUD.SMB", "old.smb"}));

    frmOpen open(nullptr);
    EXPECT_EQ(open.windowTitle(), "Open Game");
    EXPECT_EQ(Child<QLabel>(open, "lblOpenInfo")->text(),
              "Use this dialog to open a previously saved game. If you want to use customized "
              "scoring you must set that option before opening a saved game.");
    EXPECT_EQ(Child<QLineEdit>(open, "txtGameName")->toolTip(),
              "Enter the name of the saved game to open");
    EXPECT_EQ(Child<QPushButton>(open, "cmdCancel")->toolTip(), "Cancels opening a saved game");
    EXPECT_EQ(open.findChild<QLineEdit*>("txtUserName"), nullptr);
    EXPECT_EQ(Items(Child<QListWidget>(open, "File1")), QStringList({"LOUD.SMB", "old.smb"}));
}

TEST_F(SavedGameDialogs, EnterFiltersTheListAndClickingTakesTheName) {
    frmOpen open([](const QString&) {
        ADD_FAILURE() << "Enter must not open";
        return true;
    });
    platform::ModalDriver driver([&](QDialog&) {
        auto* name = Child<QLineEdit>(open, "txtGameName");
        auto* files = Child<QListWidget>(open, "File1");
        name->setText("*.txt");
        PressEnter(name);
        EXPECT_EQ(Items(files), QStringList({"notes.txt"}));
        name->setText("o*");
        PressEnter(name);
        EXPECT_EQ(Items(files), QStringList({"old.smb"}));
        EXPECT_TRUE(open.isVisible());
        files->setCurrentRow(0);
        EXPECT_EQ(name->text(), "old.smb");
    });
    platform::ShowModal(open);
}

TEST_F(SavedGameDialogs, SavingAddsTheExtensionAndAsksAboutThatFile) {
    platform::MessageScript script;
    // First save under a name without a dot: no question, "game.smb" written.
    {
        frmSave save(game_);
        platform::ModalDriver driver([&](QDialog&) {
            Child<QLineEdit>(save, "txtGameName")->setText("game");
            Child<QLineEdit>(save, "txtUserName")->setText("");
            save.cmdOK_Click();
        });
        EXPECT_EQ(platform::ShowModal(save), QDialog::Accepted);
        EXPECT_EQ(save.savedPath(), folder_ + "game.smb");
    }
    EXPECT_TRUE(script.asked().empty());
    SavedGame anonymous = game_;
    anonymous.playerName.clear();
    const QByteArray first = SavedGameText(anonymous);
    EXPECT_EQ(Read("game.smb"), first);
    EXPECT_TRUE(first.contains("\r\nan anonymous user\r\n"));

    // The same typed name again: the question is about game.smb; No keeps it and the dialog.
    SavedGame other = TestGame(10, 3);
    frmSave save(other);
    script.then(Answer::No).then(Answer::Yes);
    platform::ModalDriver driver([&](QDialog&) {
        Child<QLineEdit>(save, "txtGameName")->setText("game");
        save.cmdOK_Click();
        ASSERT_EQ(script.asked().size(), 1u);
        EXPECT_EQ(script.asked()[0].text, "A file of that name already exists. Overwrite?");
        EXPECT_EQ(script.asked()[0].buttons, platform::Buttons::YesNo);
        EXPECT_EQ(script.asked()[0].icon, platform::Icon::Question);
        EXPECT_EQ(script.asked()[0].title, "Sumbry!");
        EXPECT_TRUE(save.isVisible());
        EXPECT_EQ(Child<QLineEdit>(save, "txtGameName")->text(), "game.smb");
        EXPECT_EQ(Read("game.smb"), first);
        save.cmdOK_Click();
    });
    EXPECT_EQ(platform::ShowModal(save), QDialog::Accepted);
    other.playerName = "Pat";
    EXPECT_EQ(Read("game.smb"), SavedGameText(other));
    EXPECT_EQ(script.asked().size(), 2u);
}

TEST_F(SavedGameDialogs, NamesThatCannotBeSavedAreRefused) {
    platform::MessageScript script;
    const QStringList before = Entries();
    frmSave save(game_);
    platform::ModalDriver driver([&](QDialog&) {
        for (const char* typed : {"", "*.smb", "*", "a?b", "folder.smb", "nosuch/game"}) {
            script.clearAsked();
            Child<QLineEdit>(save, "txtGameName")->setText(typed);
            save.cmdOK_Click();
            ASSERT_EQ(script.asked().size(), 1u) << typed;
            EXPECT_EQ(script.asked()[0].text, kUnableToSaveGame);
            EXPECT_EQ(script.asked()[0].icon, platform::Icon::Critical);
            EXPECT_EQ(script.asked()[0].title, "Sumbry!");
            EXPECT_TRUE(save.isVisible()) << typed;
        }
    });
    EXPECT_EQ(platform::ShowModal(save), QDialog::Rejected);
    EXPECT_EQ(Entries(), before);
}

TEST_F(SavedGameDialogs, AGameWithoutDecksIsNotWritten) {
    platform::MessageScript script;
    frmSave save{SavedGame{}};
    Child<QLineEdit>(save, "txtGameName")->setText("empty");
    save.cmdOK_Click();
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.asked()[0].text, kUnableToSaveGame);
    EXPECT_FALSE(QFile::exists(folder_ + "empty.smb"));
}

TEST_F(SavedGameDialogs, DoubleClickActsAsOK) {
    platform::MessageScript script;
    script.then(Answer::Yes);
    frmSave save(game_);
    platform::ModalDriver driver(
        [&](QDialog&) { DoubleClick(Child<QListWidget>(save, "File1"), "old.smb"); });
    EXPECT_EQ(platform::ShowModal(save), QDialog::Accepted);
    EXPECT_EQ(script.asked().size(), 1u);
    EXPECT_TRUE(Read("old.smb").startsWith("[Card Goal]\r\n13\r\n"));

    QStringList opened;
    bool accept = false;
    frmOpen open([&](const QString& path) {
        opened << path;
        return accept;
    });
    platform::ModalDriver openDriver([&](QDialog&) {
        auto* files = Child<QListWidget>(open, "File1");
        DoubleClick(files, "LOUD.SMB");
        EXPECT_TRUE(open.isVisible()); // a failed open keeps the dialog
        accept = true;
        DoubleClick(files, "old.smb");
    });
    EXPECT_EQ(platform::ShowModal(open), QDialog::Accepted);
    EXPECT_EQ(opened, QStringList({folder_ + "LOUD.SMB", folder_ + "old.smb"}));
}

TEST_F(SavedGameDialogs, OpenAddsTheExtensionAndCancelOpensNothing) {
    QStringList opened;
    frmOpen open([&](const QString& path) {
        opened << path;
        return true;
    });
    platform::ModalDriver driver([&](QDialog&) {
        Child<QLineEdit>(open, "txtGameName")->setText("mygame");
        open.cmdOK_Click();
    });
    EXPECT_EQ(platform::ShowModal(open), QDialog::Accepted);
    EXPECT_EQ(opened, QStringList({folder_ + "mygame.smb"}));
    EXPECT_EQ(open.chosenPath(), folder_ + "mygame.smb");

    frmOpen cancelled([&](const QString& path) {
        opened << path;
        return true;
    });
    platform::ModalDriver cancelDriver(
        [&](QDialog&) { Child<QPushButton>(cancelled, "cmdCancel")->click(); });
    EXPECT_EQ(platform::ShowModal(cancelled), QDialog::Rejected);
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(SavedGameDialogs, FolderListOpensSubfolders) {
    ASSERT_TRUE(QDir(folder_).mkpath("games/old"));
    ASSERT_TRUE(platform::WriteFileWhole(folder_ + "games/x.smb", "x"));
    frmOpen open(nullptr);
    auto* dirs = Child<DirList>(open, "Dir1");
    const auto found = dirs->findItems("games", Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    emit dirs->itemActivated(found[0]);
    EXPECT_EQ(dirs->path(), folder_ + "games");
    EXPECT_EQ(Items(Child<QListWidget>(open, "File1")), QStringList({"x.smb"}));
    // The folder above is listed and leads back.
    const auto up = dirs->findItems(QDir(folder_).dirName(), Qt::MatchEndsWith);
    ASSERT_EQ(up.size(), 1);
    emit dirs->itemActivated(up[0]);
    EXPECT_EQ(dirs->path() + "/", folder_);
}

} // namespace
