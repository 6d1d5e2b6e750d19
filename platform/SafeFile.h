#pragma once
// Writing a file whole: the new text goes to a temporary file in the same folder, which is
// then renamed over the old one, so a crash or a full disk never loses the old file.
// Reading a file whole, bounded: the program's files are small text files, so anything that
// is not a regular file, or is larger than a limit, is refused before it is read.

#include <QByteArray>
#include <QString>

class QIODevice;

namespace platform {

// The largest file the program reads, unless a caller sets a limit of its own.
inline constexpr qint64 kMaxReadSize = 1024 * 1024;

// Returns true on success; on failure `error` (if given) holds a description that names the
// file, and the old file is untouched. Only regular files are replaced: a target (after
// links) that is a device, a pipe, a socket or a folder is refused.
bool WriteFileWhole(const QString& path, const QByteArray& data, QString* error = nullptr);

// Writes every byte to an open device and flushes it; false with the device's error when any
// write or the flush fails (a full disk, a device that refuses writes).
bool WriteAllTo(QIODevice& device, const QByteArray& data, QString* error = nullptr);

// Reads a whole regular file of at most `maxSize` bytes; false (with a description) when it
// is missing, not a regular file, too large, or cannot be read.
bool ReadFileWhole(const QString& path, QByteArray& data, QString* error = nullptr,
                   qint64 maxSize = kMaxReadSize);

// The program's texts are UTF-8; files from older versions may hold 8-bit Latin-1 names.
// Each line is UTF-8 when it is valid UTF-8, else Latin-1.
QString DecodeFileText(const QByteArray& bytes);

// How one line of a file was written.
enum class LineEncoding { Utf8, Latin1 };

// One line (without its line end) as DecodeFileText reads it; `found` (if given) says which
// encoding it was read in.
QString DecodeFileLine(QByteArrayView line, LineEncoding* found = nullptr);

// The bytes of one line in `wanted`, so that a line keeps the encoding it was read in; UTF-8
// when the line cannot be written in Latin-1 or would read back as another text.
QByteArray EncodeFileLine(const QString& line, LineEncoding wanted);

} // namespace platform
