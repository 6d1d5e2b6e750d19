#include "services/SavedGame.h"

#include "platform/MessageBox.h"
#include "platform/SafeFile.h"
#include "services/ItemReader.h"
#include "services/SharedState.h"
#include "services/TextFile.h"

#include <QFileInfo>

#include <algorithm>

namespace {
const QString kGoalKey = QStringLiteral("[Card Goal]");
const QString kTimeKey = QStringLiteral("[Time Limit]");
const QString kScoreKey = QStringLiteral("[Score]");
const QString kCustomKey = QStringLiteral("[Custom]");
const QString kNameKey = QStringLiteral("[UserName]");
const std::array<QString, 3> kRoundKeys = {QStringLiteral("[Round 1 Deck]"),
                                           QStringLiteral("[Round 2 Deck]"),
                                           QStringLiteral("[Round 3 Deck]")};

// A saved game is a few hundred bytes; anything far larger is not one and is not read.
constexpr qint64 kMaxFileSize = 1 << 20;

std::nullopt_t refuse(QString* error, const QString& why) {
    if (error) *error = why;
    return std::nullopt;
}

// The name as one item the reader gives back whole: a comma would end the item early and a
// leading double quote would swallow the rest of the file, so such names are quoted and
// lose their own quotes.
QString storedPlayerName(const QString& typed) {
    QString name = typed;
    name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    name = name.trimmed();
    if (name.contains(QLatin1Char('"')) || name.contains(QLatin1Char(','))) {
        name.remove(QLatin1Char('"'));
        name = name.trimmed();
        if (name.contains(QLatin1Char(','))) name = QLatin1Char('"') + name + QLatin1Char('"');
    }
    return name.isEmpty() ? kAnonymousPlayer : name;
}

std::optional<int> parseInt(const QString& text) {
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

QStringList emptyDeck(int size) {
    return QStringList(size + 1, QString());
}
} // namespace

bool SavedGame::roundPlayed(int round) const {
    const QStringList& deck = roundDecks[round - 1];
    return deck.size() > 1 && !deck[1].trimmed().isEmpty();
}

int SavedDeckSize(int cardGoal) {
    switch (cardGoal) {
    case 10:
    case 11:
        return 52;
    case 12:
        return 56;
    case 13:
        return 60;
    case 14:
    case 15:
        return 64;
    default:
        return 0;
    }
}

bool IsSavedCardCode(const QString& code) {
    const qsizetype n = code.size();
    if (n < 2 || n > 3) return false;
    const QChar suit = code.back();
    if (suit != 'S' && suit != 'H' && suit != 'C' && suit != 'D') return false;
    const QStringView rank = QStringView(code).left(n - 1);
    if (rank.front() == '0') return false;
    for (QChar c : rank)
        if (c < '0' || c > '9') return false;
    const int value = rank.toInt();
    return value >= 1 && value <= 13;
}

QString SavedGameProblem(const SavedGame& game) {
    const int size = SavedDeckSize(game.cardGoal);
    if (size == 0) return QStringLiteral("card goal %1 is not 10 to 15").arg(game.cardGoal);
    for (int round = 1; round <= 3; ++round) {
        if (!game.roundPlayed(round)) {
            if (round == 1) return QStringLiteral("round 1 was not played");
            continue;
        }
        if (round > 1 && !game.roundPlayed(round - 1))
            return QStringLiteral("round %1 without round %2").arg(round).arg(round - 1);
        const QStringList& deck = game.roundDecks[round - 1];
        if (deck.size() != size + 1)
            return QStringLiteral("round %1 deck holds %2 cards, not %3")
                .arg(round)
                .arg(deck.size() - 1)
                .arg(size);
        for (int i = 1; i <= size; ++i)
            if (!IsSavedCardCode(deck[i].trimmed()))
                return QStringLiteral("round %1 card %2 \"%3\" is no card")
                    .arg(round)
                    .arg(i)
                    .arg(deck[i]);
    }
    return QString();
}

QByteArray SavedGameText(const SavedGame& game) {
    QStringList lines{kGoalKey,   QString::number(game.cardGoal),
                      kTimeKey,   QString::number(game.timeLimit),
                      kScoreKey,  QString::number(game.score),
                      kCustomKey, game.custom ? QStringLiteral("True") : QStringLiteral("False"),
                      kNameKey,   storedPlayerName(game.playerName)};
    for (int round = 1; round <= 3; ++round) {
        if (round > 1 && !game.roundPlayed(round)) continue;
        lines << kRoundKeys[round - 1];
        const QStringList& deck = game.roundDecks[round - 1];
        for (qsizetype i = 1; i < deck.size(); ++i)
            lines << deck[i].trimmed();
    }
    return JoinFileLines(lines);
}

std::optional<SavedGame> ParseSavedGame(const QByteArray& text, QString* error) {
    ItemReader reader(text);
    QString item = reader.next();
    if (item != kGoalKey) {
        return refuse(error, QStringLiteral("the file does not begin with ") + kGoalKey);
    }
    SavedGame game;
    int size = 0;
    // `item` is the current item. A deck block reads one item past its cards to see that the
    // block ends there; that item is then the current one.
    for (;;) {
        bool readNext = true;
        if (item == kGoalKey) {
            const auto goal = parseInt(reader.next());
            if (!goal || SavedDeckSize(*goal) == 0) {
                return refuse(error, QStringLiteral("the card goal is not 10 to 15"));
            }
            game.cardGoal = *goal;
            size = SavedDeckSize(*goal);
            for (QStringList& deck : game.roundDecks)
                deck = emptyDeck(size);
        } else if (item == kTimeKey) {
            const auto limit = parseInt(reader.next());
            if (!limit || *limit < INT16_MIN || *limit > INT16_MAX) {
                return refuse(error, QStringLiteral("the time limit is not a number"));
            }
            game.timeLimit = *limit;
        } else if (item == kScoreKey) {
            const auto score = parseInt(reader.next());
            if (!score) {
                return refuse(error, QStringLiteral("the score is not a number"));
            }
            game.score = *score;
        } else if (item == kCustomKey) {
            game.custom = reader.next() != QLatin1String("False");
        } else if (item == kNameKey) {
            game.playerName = reader.next();
        } else if (const auto key = std::find(kRoundKeys.begin(), kRoundKeys.end(), item);
                   key != kRoundKeys.end()) {
            const int round = int(key - kRoundKeys.begin()) + 1;
            QStringList deck = emptyDeck(size);
            for (int i = 1; i <= size; ++i) {
                deck[i] = reader.next();
                if (!IsSavedCardCode(deck[i])) {
                    return refuse(error,
                                  QStringLiteral("round %1 card %2 is no card").arg(round).arg(i));
                }
            }
            game.roundDecks[round - 1] = deck;
            // The block must end here: one more card means it was longer than the deck.
            item = reader.next();
            if (IsSavedCardCode(item)) {
                return refuse(
                    error,
                    QStringLiteral("round %1 deck holds more than %2 cards").arg(round).arg(size));
            }
            readNext = false;
        }
        if (readNext) {
            if (reader.atEnd()) break;
            item = reader.next();
        } else if (reader.atEnd() && item.isEmpty()) {
            break;
        }
    }
    if (const QString problem = SavedGameProblem(game); !problem.isEmpty()) {
        return refuse(error, problem);
    }
    return game;
}

std::optional<SavedGame> ReadSavedGame(const QString& path, QString* error) {
    const QFileInfo info(path);
    // Folders, devices and pipes are never saved games (a device could be read forever).
    if (info.exists() && !info.isFile()) {
        return refuse(error, path + QStringLiteral(" is not a file"));
    }
    if (info.size() > kMaxFileSize) {
        return refuse(error, path + QStringLiteral(" is too large for a saved game"));
    }
    QByteArray text;
    if (!platform::ReadFileWhole(path, text, error)) return std::nullopt;
    return ParseSavedGame(text, error);
}

std::optional<SavedGame> ReadSavedGameOrReport(const QString& path, QWidget* parent) {
    auto game = ReadSavedGame(path);
    if (!game)
        platform::MsgBox(kUnableToOpenSavedGame, platform::Buttons::OK, platform::Icon::Critical,
                         Shared().GameTitle, parent);
    return game;
}
