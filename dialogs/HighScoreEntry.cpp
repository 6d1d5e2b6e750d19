#include "dialogs/HighScoreEntry.h"

#include "dialogs/frmHiScoreName.h"
#include "dialogs/frmHighScores.h"
#include "platform/Modal.h"
#include "platform/ProgramTime.h"
#include "services/GameRegistry.h"
#include "services/HighScoreTable.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"
#include "services/TextFile.h"

#include <QLabel>
#include <QWidget>

namespace {

// Reads the table; on failure reports it and returns nothing. Unless `strict`, the rows
// before a damaged one are good enough.
std::optional<std::vector<HighScoreRow>> readTable(const QString& path, bool strict) {
    HighScoreTable table = LoadHighScoreFile(path);
    if (!table.ok() && (strict || table.rows.empty())) {
        // Told whatever the load said, as the score is lost; and told as the table's problem,
        // so that the best score shown after it does not tell the player again.
        ReportTableProblem(path, table.error, true);
        return std::nullopt;
    }
    return std::move(table.rows);
}

} // namespace

void ShowHighScore(const QString& tableName, QWidget* gameWindow, const QString& defaultTopScore) {
    // A table that cannot be made is the one thing to tell: reading it would only add that
    // it is not there.
    if (!MakeMissingHighScoreFile(tableName, defaultTopScore, false)) return;
    const QString path = HighScoreFilePath(tableName);
    // Only the best row is needed here; damage further down is reported at the next insert.
    const HighScoreTable table = LoadHighScoreFile(path);
    const std::vector<HighScoreRow>& rows = table.rows;
    if (rows.empty()) {
        ReportTableProblem(path,
                           table.ok() ? QStringLiteral("The high-score table ") + path +
                                            QStringLiteral(" is empty.")
                                      : table.error,
                           false);
        return;
    }
    if (!gameWindow) return;
    auto* label = gameWindow->findChild<QLabel*>(QStringLiteral("lblHighScore"));
    if (!label) return;
    const GameDescriptor* game = FindGameByWindow(gameWindow->objectName());
    const QString prefix =
        game ? QString::fromUtf8(game->highScoreCaption) : QStringLiteral("High Score: ");
    label->setText(prefix + FormatScore(rows.front().score));
    // Sized once for the caption it had: a long score must not lose its last digits.
    const int needed = label->sizeHint().width();
    if (label->width() < needed) label->resize(needed, label->height());
}

bool InsertHighScore(const QString& tableName, QWidget* gameWindow,
                     const QString& defaultTopScore) {
    SharedState& s = Shared();
    s.NewHighScoreIndex = -1;
    // A table gone since the window showed it would lose the score the game just made; one
    // that cannot be made loses it, and the player is told so whatever the load said.
    if (!MakeMissingHighScoreFile(tableName, defaultTopScore, true)) return false;
    const QString path = HighScoreFilePath(tableName);
    auto rows = readTable(path, true);
    if (!rows) return false;

    const int place = HighScorePlace(*rows, s.Score);
    if (place >= 0) {
        s.NewHighScoreIndex = place;
        PlaySound(QStringLiteral("HighScore.wav"));
        {
            frmHiScoreName nameEntry(gameWindow);
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
    if (place >= 0) ShowHallOfFame(gameWindow);
    return true;
}
