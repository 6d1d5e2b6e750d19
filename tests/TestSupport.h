#pragma once
// Helpers shared by the tests: a fresh program folder, virtual time and recorded sound.

#include "platform/Audio.h"
#include "platform/ProgramTime.h"
#include "services/SharedState.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace testsupport {

// A temporary program folder, virtual time from a fixed morning and a recording audio
// backend, for the lifetime of the object. Shared state is reset to its start values.
class ProgramSandbox {
  public:
    explicit ProgramSandbox(const QDateTime& start = QDateTime(QDate(2026, 3, 14),
                                                               QTime(10, 0, 0))) {
        Shared() = SharedState{};
        Shared().ProgramFolder = dir.path() + "/";
        Shared().NewHighScoreIndex = -1;
        platform::ProgramTime::useVirtual(start);
        auto rec = std::make_unique<platform::RecordingAudio>();
        audio = rec.get();
        previousAudio = platform::SetAudioBackend(std::move(rec));
    }
    ~ProgramSandbox() {
        platform::SetAudioBackend(std::move(previousAudio));
        platform::ProgramTime::takePauseLog();
        platform::ProgramTime::useReal();
        Shared() = SharedState{};
    }
    QString path(const QString& name) const { return dir.path() + "/" + name; }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& data) const {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly)) f.write(data);
    }

    QTemporaryDir dir;
    platform::RecordingAudio* audio = nullptr;

  private:
    std::unique_ptr<platform::AudioBackend> previousAudio;
};

// While it lives, no file can grow past `bytes`: writes beyond it fail instead of raising
// SIGXFSZ. Makes a write fail even for root, for whom folder permissions are no obstacle.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

} // namespace testsupport
