#pragma once
// The rules of the poker grid game's user-options dialog as data: its twelve boxes in the
// order OK checks them (the nine hands, the bonus round, the overwrites, the time bonus),
// each with its range, the value stored when an entry lies outside it, and its message.

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

struct PokerGridScoringRow {
    const char* label;   // "lblPairScore"
    const char* caption; // "Pair Score Value:"
    const char* box;     // "txtPairScore"
    int screenRow;       // 0 (top) to 11
    int32_t max;         // accepted: 0 to max
    int32_t outOfRange;  // stored, and shown in the box, for an entry outside the range
    QString message;     // "Sorry, the Pair Score Value: must be between 0 and 50,000 points."
    std::function<int32_t&()> variable;
    int32_t defaultValue;
};

// In check order.
const std::vector<PokerGridScoringRow>& PokerGridScoringRows();
