#include "services/UserInfo.h"

#include "services/ItemReader.h"
#include "services/SharedState.h"
#include "services/TextFile.h"

QString CleanUserDetail(QString value) {
    value.remove(QLatin1Char('"'));
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value.trimmed();
}

void SaveUserInfo(const QString& name, const QString& homeTown, const QString& state,
                  const QString& country) {
    const QStringList lines{QStringLiteral("[User Name]"), CleanUserDetail(name),     QString(),
                            QStringLiteral("[Hometown]"),  CleanUserDetail(homeTown), QString(),
                            QStringLiteral("[State]"),     CleanUserDetail(state),    QString(),
                            QStringLiteral("[Country]"),   CleanUserDetail(country)};
    WriteProgramFile(Shared().ProgramFolder + kUserInfoFileName, JoinFileLines(lines));
}

void ReadUserInfo(const QString& path) {
    auto reader = ItemReader::open(path);
    if (!reader) return; // an unreadable file leaves the defaults in force
    SharedState& s = Shared();
    ReadKeyedItems(*reader,
                   {QStringLiteral("[User Name]"), QStringLiteral("[Hometown]"),
                    QStringLiteral("[State]"), QStringLiteral("[Country]")},
                   [&](const QString& key, const QString& value) {
                       if (key == QLatin1String("[User Name]"))
                           s.UserName = value;
                       else if (key == QLatin1String("[Hometown]"))
                           s.UserHomeTown = value;
                       else if (key == QLatin1String("[State]"))
                           s.UserState = value;
                       else
                           s.UserCountry = value;
                   });
}
