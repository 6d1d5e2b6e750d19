// Temporary stand-in until the table files are built.
#include "services/HighScores.h"

#include "app/SharedState.h"

#include <QLocale>

QString HighScoreFilePath(const QString& tableName) {
    return Shared().ProgramFolder + tableName + QString::number(Shared().TimeLimit) + ".Txt";
}

QString ElevensTableName() {
    return QString("Sumbry Hi Score Table ") + (Shared().EnhancedScoring ? "ES " : "") +
           QString::number(Shared().CardGoal) + "_";
}

QString FormatScore(int64_t score) {
    QLocale english = QLocale::c();
    english.setNumberOptions({}); // the C locale leaves out the thousands commas by default
    return english.toString(qlonglong(score));
}

void ShowHighScore(const QString&, QWidget*, const QString&) {}
void CreateHighScoreFile(const QString&, QWidget*, const QString&) {}
bool InsertHighScore(const QString&, QWidget*) { return true; }
