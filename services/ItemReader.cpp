#include "services/ItemReader.h"

#include "platform/SafeFile.h"

std::optional<ItemReader> ItemReader::open(const QString& path, QString* error) {
    QByteArray data;
    if (!platform::ReadFileWhole(path, data, error)) return std::nullopt;
    return ItemReader(std::move(data));
}

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

QString ItemReader::next() {
    const qsizetype n = text_.size();
    while (pos_ < n && isBlank(text_[pos_]))
        ++pos_;
    QByteArray item;
    if (pos_ < n && text_[pos_] == '"') {
        ++pos_;
        // A quote that is never closed ends with its line: one damaged value in a file edited
        // by hand must not swallow every value after it.
        while (pos_ < n && text_[pos_] != '"' && text_[pos_] != '\r' && text_[pos_] != '\n')
            item += text_[pos_++];
        if (pos_ < n && text_[pos_] == '"') ++pos_; // closing quote
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (pos_ < n && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
            ++pos_;
    } else {
        while (pos_ < n && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
            item += text_[pos_++];
        while (!item.isEmpty() && isBlank(item.back()))
            item.chop(1);
    }
    // Consume the delimiter: a comma, or one line end (CR LF, CR or LF).
    if (pos_ < n) {
        if (text_[pos_] == ',') {
            ++pos_;
        } else if (text_[pos_] == '\r') {
            ++pos_;
            if (pos_ < n && text_[pos_] == '\n') ++pos_;
        } else if (text_[pos_] == '\n') {
            ++pos_;
        }
    }
    return platform::DecodeFileText(item);
}
