#include "services/HighScores.h"

#include "app/SharedState.h"
#include "dialogs/frmHiScoreName.h"
#include "dialogs/frmHighScores.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/ProgramTime.h"
#include "platform/SafeFile.h"
#include "services/GameRegistry.h"
#include "services/HighScoreTable.h"
#include "services/Sound.h"
#include "services/TextFile.h"

#include <QFileInfo>
#include <QLabel>
#include <QWidget>

namespace {

void reportError(const QString& description) {
    platform::MsgBox(description);
}

// Reads the table; on failure reports it and returns nothing. Unless `strict`, the rows
// before a damaged one are good enough.
std::optional<std::vector<HighScoreRow>> readTable(const QString& path, bool strict) {
    HighScoreTable table = LoadHighScoreFile(path);
    if (!table.ok() && (strict || table.rows.empty())) {
        reportError(table.error);
        return std::nullopt;
    }
    return std::move(table.rows);
}

} // namespace

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

void CreateHighScoreFile(const QString& tableName, QWidget*, const QString& defaultTopScore) {
    WriteProgramFile(HighScoreFilePath(tableName),
                     SerialiseHighScoreTable(FreshHighScoreRows(defaultTopScore)));
}

void ShowHighScore(const QString& tableName, QWidget* gameWindow, const QString& defaultTopScore) {
    const QString path = HighScoreFilePath(tableName);
    if (!QFileInfo::exists(path)) CreateHighScoreFile(tableName, gameWindow, defaultTopScore);
    // Only the best row is needed here; damage further down is reported at the next insert.
    const auto rows = readTable(path, false);
    if (!rows) return;
    if (rows->empty()) {
        reportError(QStringLiteral("The high-score table ") + path + QStringLiteral(" is empty."));
        return;
    }
    if (!gameWindow) return;
    auto* label = gameWindow->findChild<QLabel*>(QStringLiteral("lblHighScore"));
    if (!label) return;
    const GameDescriptor* game = FindGameByWindow(gameWindow->objectName());
    const QString prefix =
        game ? QString::fromUtf8(game->highScoreCaption) : QStringLiteral("High Score: ");
    label->setText(prefix + FormatScore(rows->front().score));
}

bool InsertHighScore(const QString& tableName, QWidget*) {
    SharedState& s = Shared();
    s.NewHighScoreIndex = -1;
    const QString path = HighScoreFilePath(tableName);
    auto rows = readTable(path, true);
    if (!rows) return false;

    const int place = HighScorePlace(*rows, s.Score);
    if (place >= 0) {
        s.NewHighScoreIndex = place;
        PlaySound(QStringLiteral("HighScore.wav"));
        {
            frmHiScoreName nameEntry;
            platform::ShowModal(nameEntry);
        }
        InsertHighScoreRow(
            *rows, place,
            MakeHighScoreRow(s.UserName, s.CustomScoring, s.Score, platform::ProgramTime::now()));
    }
    if (!WriteProgramFile(path, SerialiseHighScoreTable(*rows))) {
        // The new row never reached the file: nothing may blink in its place.
        s.NewHighScoreIndex = -1;
        return false;
    }
    if (place >= 0) ShowHallOfFame();
    return true;
}
