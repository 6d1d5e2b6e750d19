#pragma once
// Building the program's text files: CR LF line ends, and one more line break after the last
// line so every file ends with an empty line.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Joins lines with CR LF after each one, then adds the final extra CR LF.
QByteArray JoinFileLines(const QStringList& lines);

// Writes a program file whole; on failure reports the error's description and returns
// false, leaving the old file as it was.
bool WriteProgramFile(const QString& path, const QByteArray& data);

class QWidget;
// Tells the player why a file of the program was refused or could not be written: the
// description in an OK box with the critical icon and the game's title, over `over` (or the
// window that is active, or being built).
void ReportFileProblem(const QString& description, QWidget* over = nullptr);
