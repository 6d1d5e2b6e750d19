#pragma once
// Building the program's text files: CR LF line ends, and one more line break after the last
// line so every file ends with an empty line.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Joins lines with CR LF after each one, then adds the final extra CR LF.
QByteArray JoinFileLines(const QStringList& lines);

// Writes a program file whole; on failure shows the error's description in a plain box
// (the program's default title) and returns false, leaving the old file as it was.
bool WriteProgramFile(const QString& path, const QByteArray& data);
