// Every game window as it opens: after another game of the run (the shared score still holds
// that game's result, which the new window must not show as its own), and over what its load
// has to report.
#include "GameWindowTestSupport.h"
#include "frame/Captions.h"
#include "frame/GameProfile.h"
#include "frame/GameWindow.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "services/HighScores.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <limits>

namespace {

class FreshWindow : public testsupport::GameWindowTest {
  protected:
    FreshWindow() : GameWindowTest("frmElevens") {}
};

} // namespace

TEST_F(FreshWindow, AWindowOpenedAfterAnotherGameShowsNoneOfItsScore) {
    int windows = 0;
    for (const GameDescriptor* g : AllGames()) {
        if (!g->createWindow) continue;
        SCOPED_TRACE(g->window);
        ++windows;
        platform::MessageScript quiet;
        Shared().GameTitle = g->title;
        Shared().Score = 987654;
        std::unique_ptr<QWidget> w(g->createWindow());
        w->show();
        for (const QLabel* l : w->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(w.get())) continue;
            EXPECT_FALSE(l->text().contains("987,654") || l->text().contains("987654"))
                << qPrintable(l->objectName());
        }
        platform::ProgramTime::takePauseLog();
    }
    EXPECT_EQ(windows, 9);
}

// The largest score the program keeps, which no game's values can pass, shows whole inside the
// gauge it is centred in, clear of its border and bevel.
TEST_F(FreshWindow, TheLargestScoreShowsWholeInEveryScoreGauge) {
    const QString largest = FormatScore(std::numeric_limits<int32_t>::max());
    int windows = 0;
    for (const GameDescriptor* g : AllGames()) {
        if (!g->createWindow) continue;
        SCOPED_TRACE(g->window);
        ++windows;
        platform::MessageScript quiet;
        Shared().GameTitle = g->title;
        std::unique_ptr<QWidget> w(g->createWindow());
        auto* gw = qobject_cast<GameWindow*>(w.get());
        ASSERT_NE(gw, nullptr);
        w->show();
        gw->cmdPlay()->click();
        const QString name = g->profile->scoreLabel;
        SetCaption(w->findChild<QLabel*>(name), largest);
        for (const QString& fault : testsupport::CaptionFitFailures(*w))
            EXPECT_FALSE(fault.startsWith(name + " ")) << qPrintable(fault);
        platform::ProgramTime::takePauseLog();
    }
    EXPECT_EQ(windows, 9);
}

// A table the load cannot use, an empty one or one that cannot be made (a program folder that
// takes no files, at a first run): one message about it, over the window being opened. Viewing
// the table that cannot be made adds nothing, also where the view makes a missing table.
TEST_F(FreshWindow, ATableTheLoadCannotUseIsToldOnceOverTheWindow) {
    for (const GameDescriptor* g : AllGames()) {
        if (!g->createWindow) continue;
        for (const bool unwritable : {false, true}) {
            SCOPED_TRACE(std::string(g->window) + (unwritable ? " unwritable" : " empty"));
            Shared().GameTitle = g->title;
            const QString folder = sandbox.path(QString(g->window) + (unwritable ? "-gone" : ""));
            Shared().ProgramFolder = folder + "/";
            if (!unwritable) {
                ASSERT_TRUE(QDir().mkpath(folder));
                platform::MessageScript quiet;
                std::unique_ptr<QWidget> first(g->createWindow());
                for (const QFileInfo& t : QDir(folder).entryInfoList({"*Hi Score Table*.Txt"}))
                    ASSERT_TRUE(QFile(t.filePath()).resize(0));
            }
            platform::MessageScript script;
            std::unique_ptr<QWidget> w(g->createWindow());
            QStringList texts;
            for (const QString& t : script.texts())
                texts << t;
            ASSERT_EQ(script.asked().size(), 1u) << qPrintable(texts.join(" | "));
            const platform::AskedBox& box = script.asked()[0];
            EXPECT_TRUE(box.text.contains("Hi Score Table")) << qPrintable(box.text);
            EXPECT_EQ(box.title, g->title);
            EXPECT_EQ(box.icon, platform::Icon::Critical);
            EXPECT_EQ(box.parent, w.get());
            if (unwritable) {
                auto* game = static_cast<GameWindow*>(w.get());
                script.clearAsked();
                platform::ModalDriver hallOfFame([](QDialog&) {});
                QAction* view = game->item(game->profile().view.name);
                ASSERT_NE(view, nullptr);
                view->trigger();
                EXPECT_EQ(hallOfFame.shown(), 1);
                EXPECT_TRUE(script.asked().empty())
                    << qPrintable(script.texts().empty() ? QString() : script.texts().front());
            }
            platform::ProgramTime::takePauseLog();
        }
    }
}

// The real box of a load waits for the window: nothing opens while it is built, and the box
// opens over it once it shows, leaving the window usable only after the answer.
TEST_F(FreshWindow, TheLoadsMessageOpensOverTheWindowOnceItIsUp) {
    Shared().GameTitle = "Crestal!";
    ASSERT_TRUE(QDir().mkdir(sandbox.path("Crestal.Ini"))); // no settings can be read
    // Should a box block after all, it is closed, so that the test fails instead of hanging.
    QTimer rescue;
    QObject::connect(&rescue, &QTimer::timeout, [] {
        if (QWidget* m = QApplication::activeModalWidget()) m->close();
    });
    rescue.start(2000);
    platform::RealMessageBoxes real;
    std::unique_ptr<QWidget> w(FindGameByWindow("frmCrestal")->createWindow());
    auto* box = w->findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isVisible());
    w->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), "Crestal!");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_TRUE(box->text().contains("Crestal.Ini")) << qPrintable(box->text());
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    box->accept();
    platform::ProgramTime::takePauseLog();
}
