#include "games/pokergrid/PokerGridCustomScoring.h"

#include "games/pokergrid/PokerGridSettings.h"
#include "services/SharedState.h"

namespace {
const QString kHands = QStringLiteral(" must be between 0 and 50,000 points.");

QString sorry(const char* caption, const QString& ending) {
    return QStringLiteral("Sorry, the ") + QLatin1String(caption) + ending;
}

PokerGridScoringRow hand(const char* label, const char* caption, const char* box, int screenRow,
                         int32_t outOfRange, int32_t HandValues::*value) {
    return {label,
            caption,
            box,
            screenRow,
            PokerGridLimits::HandMax,
            outOfRange,
            sorry(caption, kHands),
            [value]() -> int32_t& { return PokerGridOptions().hands.*value; },
            PokerGridDefaults::Hands.*value};
}
} // namespace

const std::vector<PokerGridScoringRow>& PokerGridScoringRows() {
    using namespace PokerGridLimits;
    static const std::vector<PokerGridScoringRow> rows = {
        hand("lblPairScore", "Pair Score Value:", "txtPairScore", 0, 6000, &HandValues::PairScore),
        hand("lbl2PairScore", "2 Pair Score Value:", "txt2PairScore", 1, 7000,
             &HandValues::TwoPairScore),
        hand("lbl3ofakindScore", "3 of a Kind Score Value:", "txt3ofakindScore", 2, 8000,
             &HandValues::TripsScore),
        hand("lblStraightScore", "Straight Score Value:", "txtStraightScore", 3, 9000,
             &HandValues::StraightScore),
        hand("lblFlushScore", "Flush Score Value:", "txtFlushScore", 4, 10000,
             &HandValues::FlushScore),
        hand("lblFullHouseScore", "Full House Score Value:", "txtFullHouseScore", 5, 20000,
             &HandValues::FullHouseScore),
        hand("lbl4ofakindScore", "4 of a Kind Score Value:", "txt4ofakindScore", 6, 30000,
             &HandValues::FourScore),
        hand("lblStFlushScore", "Straight Flush Score Value:", "txtStFlushScore", 7, 40000,
             &HandValues::StraightFlushScore),
        {"lblRoyalFlushScore", "Royal Flush Score Value:", "txtRoyalFlushScore", 8, RoyalFlushMax,
         50000,
         sorry("Royal Flush Score Value:",
               QStringLiteral(" must be between 0 and 100,000 points.")),
         []() -> int32_t& { return PokerGridOptions().hands.RoyalFlushScore; },
         PokerGridDefaults::Hands.RoyalFlushScore},
        {"lblBonusScore", "Score required for bonus round:", "txtBonusScore", 9, BonusRoundMax,
         100000,
         sorry("Score required for bonus round:",
               QStringLiteral(" must be between 0 and 1,000,000 points.")),
         []() -> int32_t& { return Shared().BonusRoundScore; }, PokerGridDefaults::BonusRoundScore},
        {"lblOverWrites", "Number of overwrites allowed", "txtOverWrites", 11, OverWritesMax, 1,
         sorry("Number of overwrites allowed", QStringLiteral(" must be between 0 and 26 points.")),
         []() -> int32_t& { return PokerGridOptions().OverWrites; }, PokerGridDefaults::OverWrites},
        {"lblTimeBonus", "Time Bonus (per second multipler)", "txtTimeBonus", 10, TimeBonusMax, 1,
         QStringLiteral("Sorry, the Time Bonus value must be between 0 and 10 points."),
         []() -> int32_t& { return Shared().TimeBonus; }, PokerGridDefaults::TimeBonus},
    };
    return rows;
}
