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

namespace {
// The reader ends an item at a comma, so "Springfield, IL" would come back as "Springfield"
// and the next save would lose the rest; in double quotes (which a cleaned value never
// holds) the reader takes it whole.
QString storedDetail(const QString& value) {
    const QString clean = CleanUserDetail(value);
    return clean.contains(QLatin1Char(',')) ? QLatin1Char('"') + clean + QLatin1Char('"') : clean;
}
} // namespace

void SaveUserInfo(const QString& name, const QString& homeTown, const QString& state,
                  const QString& country) {
    const QStringList lines{QStringLiteral("[User Name]"), storedDetail(name),     QString(),
                            QStringLiteral("[Hometown]"),  storedDetail(homeTown), QString(),
                            QStringLiteral("[State]"),     storedDetail(state),    QString(),
                            QStringLiteral("[Country]"),   storedDetail(country)};
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
