#include "services/SavedGameInfo.h"

#include "platform/MessageBox.h"
#include "services/HighScores.h"

QString SavedScorePhrase(int32_t score) {
    struct Band {
        int32_t upTo;
        const char* phrase;
    };
    static constexpr Band kBands[] = {
        {20000, "amassed a pitiful"},     {40000, "accumulated a sorry"},
        {60000, "earned a pretty weak"},  {80000, "earned a mediocre"},
        {100000, "earned a respectable"}, {120000, "earned a decent"},
        {140000, "earned a darned good"}, {160000, "earned an incredible"},
    };
    for (const Band& band : kBands)
        if (score <= band.upTo) return QString::fromLatin1(band.phrase);
    return QStringLiteral("earned an unbelievable");
}

QString FormatSavedScore(int32_t score) {
    return FormatScore(score);
}

QString SavedGameSummary(const SavedGame& game) {
    return QStringLiteral("This game was saved by ") + game.playerName +
           QStringLiteral(". He or she ") + SavedScorePhrase(game.score) +
           QStringLiteral(" score of ") + FormatSavedScore(game.score) +
           QStringLiteral(" in this game. ");
}

bool TimeLimitOffered(int seconds, const QList<int>& offeredTimeLimits) {
    return offeredTimeLimits.contains(seconds);
}

SavedGameInformation SavedGameInformationText(const SavedGame& game, int currentTimeLimit,
                                              const QList<int>& offeredTimeLimits) {
    const QString summary = SavedGameSummary(game);
    if (game.timeLimit != currentTimeLimit && TimeLimitOffered(game.timeLimit, offeredTimeLimits)) {
        const QString saved = QString::number(game.timeLimit);
        return {summary + QStringLiteral("This game was saved with the time limit set to ") +
                    saved + QStringLiteral(". Your time limit is currently set to ") +
                    QString::number(currentTimeLimit) +
                    QStringLiteral(". Do you want to change your time limit to ") + saved +
                    QStringLiteral("?"),
                true};
    }
    return {
        summary + QLatin1Char('\n') +
            (game.custom
                 ? QStringLiteral("Customized scoring was in effect when this game was played. ")
                 : QStringLiteral(
                       "Customized scoring was not in effect when this game was played. ")),
        false};
}

bool ShowSavedGameInformation(const SavedGame& game, int currentTimeLimit,
                              const QList<int>& offeredTimeLimits, QWidget* parent) {
    using namespace platform;
    const SavedGameInformation info =
        SavedGameInformationText(game, currentTimeLimit, offeredTimeLimits);
    if (!info.asksTimeLimit) {
        MsgBox(info.text, Buttons::OK, Icon::Information, kSavedGameInfoTitle, parent);
        return false;
    }
    return MsgBox(info.text, Buttons::YesNo, Icon::Question, kSavedGameInfoTitle, parent) ==
           Answer::Yes;
}
