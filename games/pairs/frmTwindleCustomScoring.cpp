#include "games/pairs/frmTwindleCustomScoring.h"

#include "games/pairs/PairsSettings.h"
#include "services/SharedState.h"

namespace {
// The label and the places of each row, in the order of PairsScoringValues().
struct RowDesign {
    const char* label;
    const char* caption;
    QRect labelPlace;
    QRect boxPlace;
};
const RowDesign kRows[] = {
    {"lblPairsBonus", "Pairs Bonus Value:", {345, 405, 2640, 195}, {3000, 360, 960, 285}},
    {"lblRunsBonus", "Runs Bonus Value", {345, 810, 1320, 195}, {3000, 765, 960, 285}},
    {"lblBonusRound",
     "Score required for Bonus Round:",
     {345, 1215, 2325, 195},
     {3000, 1170, 960, 285}},
    {"lblCompletionBonus",
     "Bonus for completing upper cards: ",
     {345, 1620, 2460, 195},
     {3000, 1575, 960, 285}},
    {"lblTimeBonus",
     "Time Bonus (points per second)",
     {360, 2025, 2235, 195},
     {3000, 1980, 960, 285}},
};

ScoringTable twindleTable(std::function<void()> refresh) {
    ScoringTable t;
    t.dialogName = "frmTwindleCustomScoring";
    t.note = QStringLiteral("Note: Changing any of the Scoring Options will cause your high "
                            "scores to be marked with an * indicating custom scoring was in use.");
    t.order = CheckOrder::StoreEach;
    t.frameWidth = 4455;
    const std::vector<PairsScoringValue> values = PairsScoringValues();
    for (size_t i = 0; i < values.size(); ++i) {
        const PairsScoringValue& v = values[i];
        const RowDesign& d = kRows[i];
        int32_t* target = v.value;
        ScoringRow row{d.label, QString::fromLatin1(d.caption), v.field, 0, v.maximum,
                       // Text that is no number at all is refused as a value below the range.
                       QString::fromLatin1(v.belowMessage), QString::fromLatin1(v.belowMessage),
                       QString::fromLatin1(v.aboveMessage), [target] { return *target; },
                       [target](int32_t x) { *target = x; }, v.defaultValue, d.labelPlace,
                       d.boxPlace};
        t.rows.push_back(std::move(row));
    }
    SharedState& s = Shared();
    t.switches = {{"chkCountDown", QStringLiteral("&Count Down when taking score"),
                   [&s] { return s.CountDownScore; }, [&s](bool on) { s.CountDownScore = on; },
                   true, QRect(495, 3285, 3120, 225)}};
    t.recompute = std::move(refresh);
    return t;
}
} // namespace

frmTwindleCustomScoring::frmTwindleCustomScoring(std::function<void()> refresh, QWidget* gameWindow)
    : TableScoringDialog(twindleTable(std::move(refresh)), gameWindow) {}
