#include "games/eights/frmEightsCustom.h"

#include "games/eights/EightsSettings.h"
#include "services/SharedState.h"

// The values an OK read, held until every box has passed.
struct frmEightsCustom::Staged {
    int32_t bonusScore = 0;
    int32_t timeBonus = 0;
    int32_t completeBonus = 0;
    bool countDown = true;
};

namespace {
ScoringTable eightsTable(const std::shared_ptr<frmEightsCustom::Staged>& staged,
                         std::function<void()> onApplied);
}

frmEightsCustom::frmEightsCustom(QWidget* gameWindow, std::function<void()> onApplied)
    : frmEightsCustom(std::make_shared<Staged>(), gameWindow, std::move(onApplied)) {}

frmEightsCustom::frmEightsCustom(std::shared_ptr<Staged> staged, QWidget* gameWindow,
                                 std::function<void()> onApplied)
    : TableScoringDialog(eightsTable(staged, std::move(onApplied)), gameWindow),
      staged_(std::move(staged)) {}

frmEightsCustom::~frmEightsCustom() = default;

namespace {
using namespace EightsDefaults;

ScoringRow row(const char* label, const char* caption, const char* box, int32_t low, int32_t high,
               const char* lowMessage, const char* highMessage, std::function<int32_t()> value,
               std::function<void(int32_t)> store, int32_t defaultValue) {
    ScoringRow r{label,
                 caption,
                 box,
                 low,
                 high,
                 QString::fromLatin1(lowMessage),
                 lowMessage,
                 highMessage,
                 std::move(value),
                 std::move(store),
                 defaultValue};
    return r;
}

ScoringTable eightsTable(const std::shared_ptr<frmEightsCustom::Staged>& staged,
                         std::function<void()> onApplied) {
    SharedState& s = Shared();
    EightsSettings& o = EightsOptions();
    frmEightsCustom::Staged* v = staged.get();
    ScoringTable t;
    t.dialogName = "frmEightsCustom";
    t.note = QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores "
                            "to be marked with an * indicating custom scoring was in use.");
    t.order = CheckOrder::StoreEach;
    t.rows = {
        row(
            "lblBonus", "Score required for Bonus Round:", "txtBonus", MinBonusScore, MaxBonusScore,
            "Sorry, a minimum score of 0 is required for the bonus round score.",
            "Sorry, the maximum value for achieving a bonus round is 100,000,000.",
            [&s] { return s.BonusScore; }, [v](int32_t x) { v->bonusScore = x; }, BonusScore),
        row(
            "lblTimeBonus", "Time Bonus (points per second):", "txtTimeBonus", MinTimeBonus,
            MaxTimeBonus, "Sorry, the maximum time bonus value must be greater than 0.",
            "Sorry, the maximum time bonus value must not exceed 10,000.",
            [&s] { return s.TimeBonus; }, [v](int32_t x) { v->timeBonus = x; }, TimeBonus),
        row(
            "lblEightsCompleteBonus", "Deck completion Bonus:", "txtEightsCompleteBonus",
            MinCompleteBonus, MaxCompleteBonus,
            "Sorry, the minimum bonus for completing the deck must be 0 or greater.",
            "Sorry, the maximum time bonus for completing the deck must not exceed 2,000,000.",
            [&o] { return o.EightsCompleteBonus; }, [v](int32_t x) { v->completeBonus = x; },
            EightsCompleteBonus),
    };
    t.switches = {{"chkCountScore", QStringLiteral("Count down &when taking score"),
                   [&s] { return s.CountDownScore; }, [v](bool on) { v->countDown = on; },
                   CountDownScore}};
    t.recompute = [&s] { s.CustomScoring = EightsScoringIsCustom(); };
    // Only an OK on which every box passed stores anything.
    t.accepted = [&s, &o, v, onApplied = std::move(onApplied)] {
        s.BonusScore = v->bonusScore;
        s.TimeBonus = v->timeBonus;
        o.EightsCompleteBonus = v->completeBonus;
        s.CountDownScore = v->countDown;
        s.CustomScoring = EightsScoringIsCustom();
        if (onApplied) onApplied();
    };
    return t;
}
} // namespace
