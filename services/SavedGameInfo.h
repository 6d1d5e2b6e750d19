#pragma once
// What the player is told on opening a saved game: whose game it was, how good its score was,
// and whether to take over the time limit it was played with.

#include "services/SavedGame.h"

#include <QList>
#include <QString>

class QWidget;

inline const QString kSavedGameInfoTitle = QStringLiteral("Saved Game Information");

// "amassed a pitiful" .. "earned an unbelievable", by the saved score.
QString SavedScorePhrase(int32_t score);
// The score with thousands separated by commas ("20,000").
QString FormatSavedScore(int32_t score);
// "This game was saved by <name>. He or she <phrase> score of <score> in this game. "
QString SavedGameSummary(const SavedGame& game);

// True when one of the window's time-limit items offers these seconds.
bool TimeLimitOffered(int seconds, const QList<int>& offeredTimeLimits);

struct SavedGameInformation {
    QString text;
    // True: a Yes/No question whether to take over the saved time limit; false: a plain
    // information box.
    bool asksTimeLimit = false;
};

// The box shown after a saved game was read. The question is asked only when the saved time
// limit differs from the current one and the window offers it; otherwise the box says whether
// customized scoring was in effect.
SavedGameInformation SavedGameInformationText(const SavedGame& game, int currentTimeLimit,
                                              const QList<int>& offeredTimeLimits);

// Shows that box; true when the player takes over the saved time limit (the caller then runs
// the matching time-limit item).
bool ShowSavedGameInformation(const SavedGame& game, int currentTimeLimit,
                              const QList<int>& offeredTimeLimits, QWidget* parent = nullptr);
