#include "platform/WebOpener.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

namespace platform {
namespace {
QString& opener() {
    static QString name = QStringLiteral("xdg-open");
    return name;
}
int running = 0;
} // namespace

void SetWebOpenerProgram(const QString& program) {
    opener() = program;
}

void OpenUrl(const QString& url, std::function<void(OpenFailure)> onFailure) {
    const QString exe = QStandardPaths::findExecutable(opener());
    if (exe.isEmpty()) {
        if (onFailure) onFailure(OpenFailure::NoOpener);
        return;
    }
    // xdg-open waits for the browser; the process is left to run and only its end is watched.
    auto* proc = new QProcess(QCoreApplication::instance());
    proc->setProgram(exe);
    proc->setArguments({url});
    proc->setStandardInputFile(QProcess::nullDevice());
    proc->setStandardOutputFile(QProcess::nullDevice());
    proc->setStandardErrorFile(QProcess::nullDevice());
    ++running;
    auto done = [proc, onFailure](bool ok) {
        --running;
        proc->deleteLater();
        if (!ok && onFailure) onFailure(OpenFailure::OpenerFailed);
    };
    QObject::connect(proc, &QProcess::finished, proc,
                     [proc, done](int code, QProcess::ExitStatus st) {
                         Q_UNUSED(proc);
                         done(st == QProcess::NormalExit && code == 0);
                     });
    QObject::connect(proc, &QProcess::errorOccurred, proc, [done](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) done(false);
    });
    proc->start();
}

bool WaitForOpeners(int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (running > 0 && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return running == 0;
}

} // namespace platform
