// Every game window opened after another game of the run: the shared score still holds that
// game's result, and the new window must not show it as its own.
#include "GameWindowTestSupport.h"
#include "platform/MessageBox.h"

#include <QLabel>

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
