#pragma once
// Writing a file whole: the new text goes to a temporary file in the same folder, which is
// then renamed over the old one, so a crash or a full disk never loses the old file.

#include <QByteArray>
#include <QString>

namespace platform {

// Returns true on success; on failure `error` (if given) holds a description and the old
// file is untouched.
bool WriteFileWhole(const QString& path, const QByteArray& data, QString* error = nullptr);

// Reads a whole file; false (with a description) when it cannot be opened.
bool ReadFileWhole(const QString& path, QByteArray& data, QString* error = nullptr);

} // namespace platform
