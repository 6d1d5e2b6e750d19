// Looking aid: renders the card pictures, the launcher and every built game window (idle,
// its user options dialog, then a few seconds into a game, then every stage of a whole game
// played by its scripted player, "Game Paused" after a round end, and the idle window after
// the game) offscreen into PNG files.
//   build/bin/parlovex_render OUTDIR
// Runs in virtual time with every question answered and every dialog closed unseen, in a
// scratch program folder holding copies of the program's data files.
#include "app/frmSelect.h"
#include "frame/GameProfile.h"
#include "frame/GameWindow.h"
#include "platform/Faces.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/ProgramTime.h"
#include "services/GameRegistry.h"
#include "services/PictureList.h"
#include "services/Random.h"
#include "services/SharedState.h"
#include "tools/render/ScriptedPlayers.h"
#include "tools/render/StageShots.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

bool renderSheet(const QString& path) {
    const PictureList& pictures = CardPictureList();
    const int columns = 13, cellW = 90, cellH = 124;
    QImage sheet(QSize(columns * cellW, 6 * cellH), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0, 100, 50));
    QPainter g(&sheet);
    QFont small = g.font();
    small.setPixelSize(10);
    g.setFont(small);
    for (int i = 0; i < pictures.count(); ++i) {
        const QPoint at((i % columns) * cellW + 8, (i / columns) * cellH + 16);
        g.setPen(Qt::white);
        g.drawText(at + QPoint(0, -4), QString("%1 %2").arg(i + 1).arg(pictures.key(i + 1)));
        g.drawPixmap(at, pictures.picture(i + 1));
    }
    g.end();
    return SavePicture(sheet, path);
}

// The program's data files (sounds, music, phrase lists) beside a scratch settings folder.
void copyDataFiles(const QString& to) {
    const QDir from(QCoreApplication::applicationDirPath());
    for (const QFileInfo& f : from.entryInfoList(QDir::Files))
        if (!f.isExecutable()) QFile::copy(f.filePath(), to + "/" + f.fileName());
}

// Plays one game to its end on the clock and its scripted moves, in quarter seconds, saving
// the window at each new message state and long pause, once in "Game Paused" after the first
// round end, and idle after the game.
bool renderWholeGame(GameWindow& window, const QString& stem) {
    StageShots shots(window, stem);
    auto previous = platform::ProgramTime::setPauseObserver([&shots](int ms) { shots.look(ms); });
    window.cmdPlay()->click();
    constexpr int kStepMs = 250;
    bool pausedShot = false;
    // An hour of play is more than any game's rounds take.
    for (int ms = kStepMs; ms <= 3600 * 1000 && window.gameRunning(); ms += kStepMs) {
        platform::ProgramTime::advance(kStepMs);
        shots.look(0);
        if (!pausedShot && shots.sawRoundEnd() && !window.inRoundEnd() &&
            window.state() == GameWindow::State::Running && window.cmdPause()->isEnabled()) {
            pausedShot = true;
            window.cmdPause()->click();
            shots.saveAs("-paused-after-round.png");
            window.cmdPause()->click();
        }
        if (ms % 1000 == 0) playScriptedSecond(window);
    }
    platform::ProgramTime::setPauseObserver(std::move(previous));
    platform::ProgramTime::advance(3000);
    shots.saveAs("-after-game.png");
    return shots.ok();
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
    QApplication app(argc, argv);
    platform::UseProgramFont();
    app.setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir folder;
    copyDataFiles(folder.path());
    platform::MessageScript answers; // every question answered No, every notice OK
    platform::ModalDriver unseen([](QDialog&) {});
    platform::ProgramTime::useVirtual(QDateTime(QDate(2026, 3, 14), QTime(10, 0)));
    SeedRandom(7);

    bool ok = true;
    auto launcher = std::make_unique<frmSelect>(folder.path() + "/");
    for (int tick = 0; tick < 20; ++tick)
        launcher->Timer1_Timer();
    ok &= SavePicture(launcher->grab().toImage(), out + "/launcher.png");

    for (const GameDescriptor* game : AllGames()) {
        if (!game->createWindow) continue;
        Shared().GameTitle = game->title;
        std::unique_ptr<QWidget> window(game->createWindow());
        window->show();
        app.processEvents();
        ok &= SavePicture(window->grab().toImage(), out + "/" + game->window + "-idle.png");
        const char* custom = game->profile ? game->profile->custom.name : "mnuCustom";
        if (auto* options = window->findChild<QAction*>(custom)) {
            const QString path = out + "/" + game->window + "-options.png";
            platform::ModalDriver drawn([&ok, &path](QDialog& dialog) {
                dialog.show();
                ok &= SavePicture(dialog.grab().toImage(), path);
                dialog.hide();
            });
            options->trigger();
        }
        if (auto* play = window->findChild<QPushButton*>("cmdPlay")) {
            play->click();
            platform::ProgramTime::advance(5000);
            app.processEvents();
            ok &= SavePicture(window->grab().toImage(), out + "/" + game->window + "-playing.png");
        }
        if (auto* frame = qobject_cast<GameWindow*>(window.get()); frame && frame->cmdPlay()) {
            // Each whole game is played as in a program just started: a new launcher (whose
            // splash runs on under the game windows, draws random card faces and lets input
            // through again), a new window looked at for a second, and its own seed, so its
            // play is the same whatever the games before it.
            window.reset();
            launcher = std::make_unique<frmSelect>(folder.path() + "/");
            window.reset(game->createWindow());
            window->show();
            app.processEvents();
            platform::ProgramTime::advance(1000);
            app.processEvents();
            SeedRandom(DealSeed(game->window));
            ok &=
                renderWholeGame(*qobject_cast<GameWindow*>(window.get()), out + "/" + game->window);
        }
        window->hide();
    }
    // Last, so the windows above drew their pictures on demand in their own order.
    ok &= renderSheet(out + "/cards.png");
    return ok ? 0 : 1;
}
