// Fuzzes the high-score table reader. Besides not crashing or hanging, whatever rows it
// accepts must come back unchanged after being written: the writer may never produce a
// table that reads differently (a shifted item, a lost row).
#include "services/HighScoreTable.h"

#include <cstddef>
#include <cstdint>

namespace {
void check(bool ok) {
    if (!ok) __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const HighScoreTable first = ParseHighScoreTable(input);
    check(first.rows.size() <= size_t(kHighScoreRows));
    for (const HighScoreRow& r : first.rows)
        (void)FormatScore(r.score);

    const QByteArray written = SerialiseHighScoreTable(first.rows);
    const HighScoreTable second = ParseHighScoreTable(written);
    check(second.ok());
    check(second.rows.size() == first.rows.size());
    for (size_t i = 0; i < first.rows.size(); ++i)
        check(second.rows[i].score == first.rows[i].score);

    // Once written, a table reads and writes back byte for byte.
    const QByteArray again = SerialiseHighScoreTable(second.rows);
    check(SerialiseHighScoreTable(ParseHighScoreTable(again).rows) == again);
    return 0;
}
