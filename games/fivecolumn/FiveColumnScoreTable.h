#pragma once
// The score table beside the board: the sum of the five column totals earns the Card Total
// Value of its row. The rows are data; the window draws its labels from them.

#include <QString>
#include <vector>

// The lowest sum that earns anything, and the highest there is (five columns of 21).
constexpr int kLowestScoringTotal = 97;
constexpr int kHighestTotal = 105;

struct ScoreTableRow {
    int total;  // 0 for the "< 97" row
    int points; // the Card Total Value
};

// Top to bottom as the window shows them: 105 first, "< 97" last.
const std::vector<ScoreTableRow>& FiveColumnScoreRows();
// The row a sum marks: its index in FiveColumnScoreRows().
int ScoreRowIndex(int total);
// The Card Total Value of a sum (0 below 97; 0 for a busted round's 9999 too).
int CardTotalValueOf(int total);
// The left caption of a row: "105" ... "97", or "< 97".
QString ScoreRowCaption(const ScoreTableRow& row);
