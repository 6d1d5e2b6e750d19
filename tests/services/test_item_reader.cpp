#include "services/ItemReader.h"

#include <gtest/gtest.h>

namespace {
QStringList readAll(const QByteArray& text) {
    ItemReader r(text);
    QStringList out;
    while (!r.atEnd())
        out << r.next();
    return out;
}
} // namespace

TEST(ItemReaderTest, SplitsAtCommasAndLineEnds) {
    EXPECT_EQ(readAll("[User Name]\r\nSmith, John\r\n\r\n"),
              (QStringList{"[User Name]", "Smith", "John", ""}));
    EXPECT_EQ(readAll("Corvell, 50000, Jan 01 2000 12:00 am\r\n"),
              (QStringList{"Corvell", "50000", "Jan 01 2000 12:00 am"}));
    // Bare LF and CR line ends are accepted too; the last line may lack its line end.
    EXPECT_EQ(readAll("a\nb\rc"), (QStringList{"a", "b", "c"}));
}

TEST(ItemReaderTest, BlanksAndQuotes) {
    EXPECT_EQ(readAll("   lead,  trail   \r\n"), (QStringList{"lead", "trail"}));
    EXPECT_EQ(readAll("\"Smith, John\", 7\r\n"), (QStringList{"Smith, John", "7"}));
    EXPECT_EQ(readAll("\"  kept  \"\r\n"), (QStringList{"  kept  "}));
    // A quote never closed ends with its line: the values after it are still read.
    EXPECT_EQ(readAll("\"open, and\r\nmore"), (QStringList{"open, and", "more"}));
    EXPECT_EQ(readAll("\"Springfield\r\n[State]\r\nIllinois\r\n"),
              (QStringList{"Springfield", "[State]", "Illinois"}));
    EXPECT_EQ(readAll("\"True\n[Play Music]\n\"True"),
              (QStringList{"True", "[Play Music]", "True"}));
}

TEST(ItemReaderTest, KeyedItemsAreCaseSensitiveAndLaterKeysWin) {
    ItemReader r("[State]\r\nOhio\r\n[state]\r\nUtah\r\nnoise\r\n[State]\r\nMaine\r\n");
    QStringList got;
    ReadKeyedItems(r, {"[State]"}, [&](const QString& k, const QString& v) { got << k + "=" + v; });
    EXPECT_EQ(got, (QStringList{"[State]=Ohio", "[State]=Maine"}));
}
