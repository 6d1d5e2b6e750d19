#pragma once
// The card picture list every window takes its faces, backs, stock pictures and splash
// pictures from. Pictures are numbered from 1; each may carry a key, and keys are compared
// exactly ("EMPTY" and "Empty" are two entries). Keys can move between pictures.

#include <QPixmap>
#include <QString>
#include <vector>

class PictureList {
  public:
    void add(const QPixmap& picture, const QString& key = QString());
    int count() const { return int(entries_.size()); }
    // Picture by 1-based number; a null pixmap when out of range.
    QPixmap picture(int number) const;
    // Picture by key; a null pixmap when no picture has that key.
    QPixmap byKey(const QString& key) const;
    int numberOf(const QString& key) const; // 0 when absent
    QString key(int number) const;
    // Gives `key` to picture `number`, taking it from whichever picture had it.
    void setKey(int number, const QString& key);

  private:
    struct Entry {
        QPixmap picture;
        QString key;
    };
    std::vector<Entry> entries_;
};

// The launcher's list of 68 pictures, drawn on first use for the screen's pixel ratio.
PictureList& CardPictureList();
