#pragma once
// Reads a text file item by item, the way every file of the program is read: an item ends
// at a comma or at the end of a line, blanks before it are skipped, an item that begins with
// a double quote runs to the closing quote (commas inside belong to it) or, without one, to
// the end of its line, and an empty line gives an empty item.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class ItemReader {
  public:
    explicit ItemReader(QByteArray text) : text_(std::move(text)) {}
    // Opens a file; nothing when it cannot be read (`error` then says why).
    static std::optional<ItemReader> open(const QString& path, QString* error = nullptr);

    bool atEnd() const { return pos_ >= text_.size(); }
    // The next item; an empty string at the end.
    QString next();

  private:
    QByteArray text_;
    qsizetype pos_ = 0;
};

// Reads key / value pairs to the end: an item that is exactly one of `keys` (case matters)
// takes the following item as its value; any other item is skipped; a later key wins
// simply by being read later. `onValue(key, value)` is called for each pair.
template <typename OnValue>
void ReadKeyedItems(ItemReader& reader, const QStringList& keys, OnValue&& onValue) {
    while (!reader.atEnd()) {
        const QString item = reader.next();
        if (keys.contains(item)) onValue(item, reader.next());
    }
}
