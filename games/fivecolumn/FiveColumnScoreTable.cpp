#include "games/fivecolumn/FiveColumnScoreTable.h"

const std::vector<ScoreTableRow>& FiveColumnScoreRows() {
    static const std::vector<ScoreTableRow> rows = {
        {105, 1000}, {104, 500}, {103, 400}, {102, 300}, {101, 250},
        {100, 200},  {99, 150},  {98, 100},  {97, 50},   {0, 0},
    };
    return rows;
}

int ScoreRowIndex(int total) {
    const std::vector<ScoreTableRow>& rows = FiveColumnScoreRows();
    for (int i = 0; i < int(rows.size()) - 1; ++i)
        if (rows[size_t(i)].total == total) return i;
    return int(rows.size()) - 1;
}

int CardTotalValueOf(int total) {
    return FiveColumnScoreRows()[size_t(ScoreRowIndex(total))].points;
}

QString ScoreRowCaption(const ScoreTableRow& row) {
    return row.total == 0 ? QStringLiteral("< 97") : QString::number(row.total);
}
