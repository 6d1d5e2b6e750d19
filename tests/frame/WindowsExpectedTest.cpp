// Every built game window against the description of it written out by hand in
// windows_expected/<window>.txt: its commands with captions and tips, its menus with captions
// and shortcuts, its timers and status-bar panels, as the window stands after its load.
#include "GameWindowTestSupport.h"
#include "platform/GameTimer.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

QString describeMenu(const QMenu* m, int depth) {
    QString out;
    const QString indent(2 * depth, ' ');
    for (const QAction* a : m->actions()) {
        if (a->isSeparator()) {
            out += indent + "-\n";
            continue;
        }
        out += indent + a->objectName() + " \"" + a->text() + "\"";
        if (!a->shortcut().isEmpty()) out += " " + a->shortcut().toString();
        if (a->isCheckable()) out += a->isChecked() ? " [x]" : " [ ]";
        if (!a->isEnabled()) out += " disabled";
        out += "\n";
        if (a->menu()) out += describeMenu(a->menu(), depth + 1);
    }
    return out;
}

QString describe(const GameWindow& w) {
    QString out = "window " + w.objectName() + "\n";
    QList<QPushButton*> buttons = w.findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](const QPushButton* a, const QPushButton* b) {
        return a->objectName() < b->objectName();
    });
    for (const QPushButton* b : buttons)
        out += "button " + b->objectName() + " \"" + b->text() + "\" tip \"" + b->toolTip() + "\"" +
               (b->isEnabled() ? "" : " disabled") + (b->isVisibleTo(&w) ? "" : " hidden") + "\n";
    for (const QAction* top : w.menuBar()->actions()) {
        out += "menu " + top->menu()->objectName() + " \"" + top->text() + "\"\n";
        out += describeMenu(top->menu(), 1);
    }
    QList<platform::GameTimer*> timers = w.findChildren<platform::GameTimer*>();
    std::sort(timers.begin(), timers.end(),
              [](auto* a, auto* b) { return a->objectName() < b->objectName(); });
    for (const platform::GameTimer* t : timers)
        out += "timer " + t->objectName() + " " + QString::number(t->interval()) +
               (t->isEnabled() ? " on" : " off") + "\n";
    out += "status panels " +
           QString::number(
               w.statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size()) +
           "\n";
    return out;
}

QString expected(const QString& window) {
    QFile f(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/windows_expected/" + window +
            ".txt");
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class WindowsExpected : public testsupport::GameWindowTest {
  protected:
    WindowsExpected() : GameWindowTest("frmElevens") {}
};

} // namespace

TEST_F(WindowsExpected, EveryBuiltWindowMatchesItsDescription) {
    for (const GameDescriptor* g : AllGames()) {
        if (!g->createWindow) continue;
        SCOPED_TRACE(g->window);
        Shared().GameTitle = g->title;
        std::unique_ptr<QWidget> real(g->createWindow());
        auto* w = qobject_cast<GameWindow*>(real.get());
        ASSERT_NE(w, nullptr);
        const QString want = expected(g->window);
        ASSERT_FALSE(want.isEmpty()) << "windows_expected/" << g->window << ".txt is missing";
        const QString have = describe(*w);
        EXPECT_EQ(have.toStdString(), want.toStdString());
    }
}
