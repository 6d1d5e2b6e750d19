#include "services/HighScores.h"

#include "platform/SafeFile.h"
#include "services/GameRegistry.h"
#include "services/HighScoreTable.h"
#include "services/SharedState.h"
#include "services/TextFile.h"

#include <QFileInfo>

HighScoreTable LoadHighScoreFile(const QString& path) {
    QByteArray text;
    QString error;
    if (!platform::ReadFileWhole(path, text, &error)) return HighScoreTable{{}, error};
    HighScoreTable table = ParseHighScoreTable(text);
    if (!table.ok())
        table.error = QStringLiteral("The high-score table ") + path +
                      QStringLiteral(" is damaged: ") + table.error + QLatin1Char('.');
    return table;
}

QString HighScoreFilePath(const QString& tableName) {
    return Shared().ProgramFolder + tableName + QString::number(Shared().TimeLimit) + ".Txt";
}

std::optional<GameHighScoreTable> HighScoreTableForGame(const QString& gameTitle) {
    const GameDescriptor* game = FindGameByTitle(gameTitle);
    if (!game) return std::nullopt;
    return GameHighScoreTable{game->currentTable(), QString::fromUtf8(game->hallOfFameTopScore()),
                              game->hallOfFameInfo ? game->hallOfFameInfo() : QString()};
}

bool WriteFreshHighScoreFile(const QString& tableName, const QString& defaultTopScore,
                             QString* error) {
    return platform::WriteFileWhole(HighScoreFilePath(tableName),
                                    SerialiseHighScoreTable(FreshHighScoreRows(defaultTopScore)),
                                    error);
}

bool MakeMissingHighScoreFile(const QString& tableName, const QString& defaultTopScore,
                              bool always) {
    const QString path = HighScoreFilePath(tableName);
    if (QFileInfo::exists(path)) return true;
    QString error;
    if (WriteFreshHighScoreFile(tableName, defaultTopScore, &error)) return true;
    ReportTableProblem(path, error, always);
    return false;
}

void CreateHighScoreFile(const QString& tableName, QWidget*, const QString& defaultTopScore) {
    QString error;
    if (!WriteFreshHighScoreFile(tableName, defaultTopScore, &error))
        ReportTableProblem(HighScoreFilePath(tableName), error, true);
}

void ReportTableProblem(const QString& path, const QString& problem, bool always, QWidget* over) {
    static QString last;
    const QFileInfo info(path);
    // A table that is not there is one problem, whether it was making it or reading it that
    // failed: a folder that takes no files says why, and the read after it adds nothing.
    const QString key =
        !info.exists() ? path + QStringLiteral("|missing")
                       : path + QLatin1Char('|') + QString::number(info.size()) + QLatin1Char('|') +
                             QString::number(info.lastModified().toMSecsSinceEpoch()) +
                             QLatin1Char('|') + problem;
    if (key == last && !always) return;
    last = key;
    ReportFileProblem(problem, over);
}
