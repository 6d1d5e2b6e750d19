#include "services/PictureList.h"

#include "services/Artwork.h"

#include <QGuiApplication>

void PictureList::add(const QPixmap& picture, const QString& key) {
    if (!key.isEmpty())
        for (auto& e : entries_)
            if (e.key == key) e.key.clear();
    entries_.push_back({picture, key});
}

QPixmap PictureList::picture(int number) const {
    if (number < 1 || number > count()) return {};
    return entries_[size_t(number - 1)].picture;
}

int PictureList::numberOf(const QString& key) const {
    if (key.isEmpty()) return 0;
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].key == key) return int(i) + 1;
    return 0;
}

QPixmap PictureList::byKey(const QString& key) const {
    return picture(numberOf(key));
}

QString PictureList::key(int number) const {
    if (number < 1 || number > count()) return {};
    return entries_[size_t(number - 1)].key;
}

void PictureList::setKey(int number, const QString& key) {
    if (number < 1 || number > count()) return;
    for (auto& e : entries_)
        if (e.key == key) e.key.clear();
    entries_[size_t(number - 1)].key = key;
}

PictureList& CardPictureList() {
    static PictureList list = [] {
        PictureList l;
        const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        const auto pictures = DrawCardPictures(dpr);
        const auto keys = CardPictureKeys();
        for (size_t i = 0; i < pictures.size(); ++i)
            l.add(pictures[i], keys[i]);
        return l;
    }();
    return list;
}
