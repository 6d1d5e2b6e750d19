#include "services/PictureList.h"

#include "services/Artwork.h"

#include <QGuiApplication>

void PictureList::add(const QPixmap& picture, const QString& key) {
    if (!key.isEmpty())
        for (auto& e : entries_)
            if (e.key == key) e.key.clear();
    entries_.push_back({picture, nullptr, key});
}

void PictureList::add(Drawer draw, const QString& key) {
    add(QPixmap(), key);
    entries_.back().draw = std::move(draw);
}

QPixmap PictureList::picture(int number) const {
    if (number < 1 || number > count()) return {};
    const Entry& e = entries_[size_t(number - 1)];
    if (e.draw && e.picture.isNull()) e.picture = e.draw(*this);
    return e.picture;
}

bool PictureList::isDrawn(int number) const {
    if (number < 1 || number > count()) return false;
    const Entry& e = entries_[size_t(number - 1)];
    return !e.draw || !e.picture.isNull();
}

int PictureList::drawnCount() const {
    int drawn = 0;
    for (int n = 1; n <= count(); ++n)
        drawn += isDrawn(n);
    return drawn;
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

PictureList MakeCardPictureList(qreal dpr) {
    PictureList l;
    const QStringList keys = CardPictureKeys();
    for (int n = 1; n <= keys.size(); ++n)
        l.add(
            [n, dpr](const PictureList& list) {
                const QPixmap p =
                    DrawCardPicture(n, dpr, [&list](int other) { return list.picture(other); });
                // The parts shared between pictures are worth keeping only while some remain.
                if (list.drawnCount() == list.count() - 1) ForgetCardPictureParts();
                return p;
            },
            keys[n - 1]);
    return l;
}

PictureList& CardPictureList() {
    static PictureList list = MakeCardPictureList(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
    return list;
}
