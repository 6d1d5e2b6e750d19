#include "services/TextFile.h"

#include "platform/MessageBox.h"
#include "platform/SafeFile.h"

QByteArray JoinFileLines(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) {
        out += line.toUtf8();
        out += "\r\n";
    }
    out += "\r\n";
    return out;
}

bool WriteProgramFile(const QString& path, const QByteArray& data) {
    QString error;
    if (platform::WriteFileWhole(path, data, &error)) return true;
    ReportFileProblem(error);
    return false;
}

void ReportFileProblem(const QString& description, QWidget* over) {
    platform::MsgBox(description, platform::Buttons::OK, platform::Icon::Critical, QString(), over);
}
