// Looking aid: renders the card pictures, the launcher and every built game window (idle,
// its user options dialog,
// then a few seconds into a game) offscreen into PNG files.
//   build/bin/parlovex_render OUTDIR
// Runs in virtual time with every question answered and every dialog closed unseen, in a
// scratch program folder holding copies of the program's data files.
#include "app/frmSelect.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/ProgramTime.h"
#include "services/Artwork.h"
#include "services/GameRegistry.h"
#include "services/Random.h"
#include "services/SharedState.h"

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

bool save(const QImage& image, const QString& path) {
    const bool ok = image.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

bool renderSheet(const QString& path) {
    const auto pictures = DrawCardPictures(1.0);
    const int columns = 13, cellW = 90, cellH = 124;
    QImage sheet(QSize(columns * cellW, 6 * cellH), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0, 100, 50));
    QPainter g(&sheet);
    QFont small = g.font();
    small.setPixelSize(10);
    g.setFont(small);
    const QStringList keys = CardPictureKeys();
    for (int i = 0; i < int(pictures.size()); ++i) {
        const QPoint at((i % columns) * cellW + 8, (i / columns) * cellH + 16);
        g.setPen(Qt::white);
        g.drawText(at + QPoint(0, -4), QString("%1 %2").arg(i + 1).arg(keys.value(i)));
        g.drawPixmap(at, pictures[size_t(i)]);
    }
    g.end();
    return save(sheet, path);
}

// The program's data files (sounds, music, phrase lists) beside a scratch settings folder.
void copyDataFiles(const QString& to) {
    const QDir from(QCoreApplication::applicationDirPath());
    for (const QFileInfo& f : from.entryInfoList(QDir::Files))
        if (!f.isExecutable()) QFile::copy(f.filePath(), to + "/" + f.fileName());
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
    QApplication app(argc, argv);
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

    bool ok = renderSheet(out + "/cards.png");
    frmSelect launcher(folder.path() + "/");
    for (int tick = 0; tick < 20; ++tick)
        launcher.Timer1_Timer();
    ok &= save(launcher.grab().toImage(), out + "/launcher.png");

    for (const GameDescriptor* game : AllGames()) {
        if (!game->createWindow) continue;
        Shared().GameTitle = game->title;
        std::unique_ptr<QWidget> window(game->createWindow());
        window->show();
        app.processEvents();
        ok &= save(window->grab().toImage(), out + "/" + game->window + "-idle.png");
        auto* options = window->findChild<QAction*>("mnuCustom");
        if (!options) options = window->findChild<QAction*>("mnuUserOptions");
        if (options) {
            const QString path = out + "/" + game->window + "-options.png";
            platform::ModalDriver drawn([&ok, &path](QDialog& dialog) {
                dialog.show();
                ok &= save(dialog.grab().toImage(), path);
                dialog.hide();
            });
            options->trigger();
        }
        if (auto* play = window->findChild<QPushButton*>("cmdPlay")) {
            play->click();
            platform::ProgramTime::advance(5000);
            app.processEvents();
            ok &= save(window->grab().toImage(), out + "/" + game->window + "-playing.png");
        }
        window->hide();
    }
    return ok ? 0 : 1;
}
