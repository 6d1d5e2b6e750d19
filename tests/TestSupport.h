#pragma once
// Helpers shared by the tests: a fresh program folder, virtual time and recorded sound.

#include "app/SharedState.h"
#include "platform/Audio.h"
#include "platform/ProgramTime.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

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

} // namespace testsupport
