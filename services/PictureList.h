#pragma once
// The card picture list every window takes its faces, backs, stock pictures and splash
// pictures from. Pictures are numbered from 1; each may carry a key, and keys are compared
// exactly ("EMPTY" and "Empty" are two entries). Keys can move between pictures.
// A picture may be added as a way to draw it: it is drawn when first asked for and then kept,
// so a window pays only for the pictures it shows. Pixmaps belong to the UI thread, and so
// does the list.

#include <QPixmap>
#include <QString>
#include <functional>
#include <vector>

class PictureList {
  public:
    // Draws one picture; it may ask the list for others it is built on.
    using Drawer = std::function<QPixmap(const PictureList&)>;

    void add(const QPixmap& picture, const QString& key = QString());
    void add(Drawer draw, const QString& key = QString());
    int count() const { return int(entries_.size()); }
    // Picture by 1-based number; a null pixmap when out of range.
    QPixmap picture(int number) const;
    // Picture by key; a null pixmap when no picture has that key.
    QPixmap byKey(const QString& key) const;
    int numberOf(const QString& key) const; // 0 when absent
    QString key(int number) const;
    // Gives `key` to picture `number`, taking it from whichever picture had it.
    void setKey(int number, const QString& key);
    // Whether picture `number` is drawn yet (a picture added whole is).
    bool isDrawn(int number) const;
    int drawnCount() const;

  private:
    struct Entry {
        mutable QPixmap picture;
        Drawer draw;
        QString key;
    };
    std::vector<Entry> entries_;
};

// The 68 pictures of the card artwork at `dpr`, each drawn when first asked for.
PictureList MakeCardPictureList(qreal dpr);
// The launcher's list, made for the screen's pixel ratio and shared by every window of the run.
PictureList& CardPictureList();
