#include "platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace platform {

namespace {
QString describe(const QString& path, const QString& problem) {
    return path + QStringLiteral(": ") + problem;
}
} // namespace

bool WriteAllTo(QIODevice& device, const QByteArray& data, QString* error) {
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = device.write(data.constData() + done, data.size() - done);
        if (n <= 0) {
            if (error) *error = device.errorString();
            return false;
        }
        done += n;
    }
    // A buffered device reports a full disk only when its buffer is written out.
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (file && (!file->flush() || file->error() != QFileDevice::NoError)) {
        if (error) *error = file->errorString();
        return false;
    }
    return true;
}

bool WriteFileWhole(const QString& path, const QByteArray& data, QString* error) {
    // The rename would put a text file where a device, a pipe or a folder stood (a link is
    // followed to what it names, as QSaveFile does): leave such a thing alone.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        if (error) *error = describe(path, QStringLiteral("not a regular file, left as it is"));
        return false;
    }
    QSaveFile file(path);
    // Renaming over the old file is the point; never fall back to writing in place.
    file.setDirectWriteFallback(false);
    // Unbuffered: every write reaches the file system at once, so a full disk fails the write
    // that hit it instead of a flush whose failure commit() may not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error) *error = describe(path, file.errorString());
        return false;
    }
    QString problem;
    if (!WriteAllTo(file, data, &problem)) {
        if (error) *error = describe(path, problem);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = describe(path, file.errorString());
        return false;
    }
    return true;
}

bool ReadFileWhole(const QString& path, QByteArray& data, QString* error, qint64 maxSize) {
    const QFileInfo info(path);
    if (!info.exists()) {
        if (error) *error = QStringLiteral("File not found: ") + path;
        return false;
    }
    // Pipes block a reader until a writer comes; devices can be read forever.
    if (!info.isFile()) {
        if (error) *error = describe(path, QStringLiteral("not a regular file"));
        return false;
    }
    if (info.size() > maxSize) {
        if (error) *error = describe(path, QStringLiteral("the file is too large"));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = describe(path, file.errorString());
        return false;
    }
    // The file may have grown since it was measured: never read more than the limit.
    data = file.read(maxSize + 1);
    if (data.size() > maxSize) {
        data.clear();
        if (error) *error = describe(path, QStringLiteral("the file is too large"));
        return false;
    }
    return true;
}

QString DecodeFileText(const QByteArray& bytes) {
    // A file edited over the years may hold both kinds of line, so each is read on its own.
    // Line ends are single bytes below 0x80, which never occur inside a UTF-8 character.
    QString text;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        while (end < bytes.size() && (bytes[end] == '\r' || bytes[end] == '\n'))
            ++end;
        text += DecodeFileLine(QByteArrayView(bytes).sliced(start, end - start));
        start = end;
    }
    return text;
}

QString DecodeFileLine(QByteArrayView line, LineEncoding* found) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(line);
    const bool latin1 = utf8.hasError();
    if (found) *found = latin1 ? LineEncoding::Latin1 : LineEncoding::Utf8;
    return latin1 ? QString::fromLatin1(line) : decoded;
}

QByteArray EncodeFileLine(const QString& line, LineEncoding wanted) {
    if (wanted == LineEncoding::Latin1) {
        // A changed line may hold a character beyond Latin-1, or bytes that happen to form
        // valid UTF-8 and would be read as other characters.
        const QByteArray bytes = line.toLatin1();
        if (DecodeFileLine(bytes) == line) return bytes;
    }
    return line.toUtf8();
}

} // namespace platform
