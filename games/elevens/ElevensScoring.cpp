#include "games/elevens/ElevensScoring.h"

#include "games/elevens/ElevensField.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

namespace {
QString completionText(int64_t amount) {
    return QStringLiteral("Completion Bonus! ") + FormatScore(amount);
}
QString comboText(int count, const QString& goalName, int64_t amount) {
    return QString::number(count) + QLatin1Char(' ') + goalName + QStringLiteral("! Bonus = ") +
           FormatScore(amount);
}
QString cardText(int64_t amount) {
    return QStringLiteral("Card Bonus! ") + FormatScore(amount);
}
QString speedText(int64_t amount) {
    return QStringLiteral("Speed Bonus! ") + FormatScore(amount);
}
RoundBonus bonus(BonusKind kind, int64_t amount) {
    RoundBonus b;
    b.kind = kind;
    b.amount = amount;
    return b;
}
} // namespace

std::vector<RoundBonus> ComputeRoundBonuses(const RoundEndInput& in) {
    std::vector<RoundBonus> out;
    int32_t score = in.score;

    if (in.cleared) {
        RoundBonus b = bonus(BonusKind::Completion, in.completionBonus);
        b.shown = b.amount != 0;
        if (b.shown) {
            b.message = completionText(b.amount);
            if (in.countUp) {
                // Ten steps; the last one adds whatever the whole steps left over.
                const int64_t step = b.amount / 10;
                int64_t added = 0;
                for (int i = 1; i <= 10; ++i) {
                    const int64_t add = i < 10 ? step : b.amount - added;
                    added += add;
                    score = AddScore(score, add);
                    b.steps.push_back({score, completionText(b.amount - added), i});
                }
            } else {
                score = AddScore(score, b.amount);
            }
        }
        b.scoreAfter = score;
        out.push_back(b);
    }

    if (in.combinations != 0) {
        const int64_t per = in.comboBonus;
        RoundBonus b = bonus(BonusKind::Combinations, per * in.combinations);
        b.message = comboText(in.combinations, in.goalName, b.amount);
        if (in.countUp) {
            for (int left = in.combinations - 1; left >= 0; --left) {
                score = AddScore(score, per);
                b.steps.push_back(
                    {score, comboText(in.combinations, in.goalName, per * left), left});
            }
        } else {
            score = AddScore(score, b.amount);
        }
        b.scoreAfter = score;
        out.push_back(b);
    }

    if (in.cleared && in.enhanced && in.pileCards > 0) {
        const int64_t per = in.cardBonus;
        RoundBonus b = bonus(BonusKind::Cards, per * in.pileCards);
        b.message = cardText(b.amount);
        if (in.countUp) {
            for (int left = in.pileCards - 1; left >= 0; --left) {
                score = AddScore(score, per);
                b.steps.push_back({score, cardText(per * left), left});
            }
        } else {
            score = AddScore(score, b.amount);
        }
        b.scoreAfter = score;
        out.push_back(b);
    }

    const int secondsLeft = in.timeLimit - in.elapsed;
    if (secondsLeft >= 1) {
        const int64_t per = in.timeBonus;
        RoundBonus b = bonus(BonusKind::Speed, per * secondsLeft);
        b.message = speedText(b.amount);
        if (in.countUp) {
            for (int i = in.elapsed + 1; i <= in.timeLimit; ++i) {
                score = AddScore(score, per);
                b.steps.push_back({score, speedText(per * (in.timeLimit - i)), i});
            }
        } else {
            score = AddScore(score, b.amount);
        }
        b.scoreAfter = score;
        out.push_back(b);
    }
    return out;
}

int UpCardPoints(bool enhanced, int firstEmpty) {
    if (!enhanced) return 100;
    return firstEmpty < 0 ? 0 : PlacePoints(firstEmpty, true);
}
