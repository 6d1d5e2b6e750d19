#include "frame/CardPictures.h"

#include "frame/VbColour.h"
#include "platform/Twips.h"
#include "services/PictureList.h"

#include <QMouseEvent>
#include <QPainter>

CardPicture::CardPicture(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
    hide();
}

void CardPicture::showPicture(const QString& key, bool border) {
    key_ = key;
    border_ = border;
    pixmap_ = CardPictureList().byKey(key);
    update();
}

void CardPicture::setPointer(bool pointer) {
    if (pointer == pointer_ && testAttribute(Qt::WA_SetCursor)) return;
    pointer_ = pointer;
    if (pointer)
        setCursor(CardPointer());
    else
        setCursor(Qt::ArrowCursor);
}

void CardPicture::paintEvent(QPaintEvent*) {
    QPainter g(this);
    if (!border_) {
        g.drawPixmap(0, 0, pixmap_);
        return;
    }
    // A face sits inside its one-pixel border, which is drawn round the picture's own size.
    const QSize face = pixmap_.isNull() ? QSize(width() - 2, height() - 2)
                                        : pixmap_.deviceIndependentSize().toSize();
    g.drawPixmap(1, 1, pixmap_);
    g.setPen(Qt::black);
    g.setBrush(Qt::NoBrush);
    g.drawRect(0, 0, std::min(face.width() + 1, width() - 1),
               std::min(face.height() + 1, height() - 1));
}

void CardPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onPress) onPress();
}

void CardPicture::mouseMoveEvent(QMouseEvent*) {
    if (onMouseMove) onMouseMove();
}

SelectionFrame::SelectionFrame(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void SelectionFrame::setBorderColour(uint32_t bgr) {
    colour_ = bgr;
    update();
}

void SelectionFrame::paintEvent(QPaintEvent*) {
    QPainter g(this);
    QPen pen(VbColour(colour_));
    pen.setWidth(2);
    pen.setJoinStyle(Qt::MiterJoin);
    g.setPen(pen);
    g.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

QFrame* MakeGaugeRectangle(const QString& name, QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->hide();
    return f;
}

void StyleBevelLine(QFrame* line) {
    line->setFrameStyle(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, VbColour(0x808080));
    line->setPalette(p);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QFrame* MakeBevelLine(const QString& name, QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    StyleBevelLine(f);
    f->hide();
    return f;
}

void PlaceBevelLine(QWidget* line, int x1, int y1, int x2, int y2) {
    if (!line) return;
    if (x1 == x2)
        line->setGeometry(Tw(x1) - 1, Tw(y1), 3, std::max(1, Tw(y2) - Tw(y1)));
    else
        line->setGeometry(Tw(x1), Tw(y1) - 1, std::max(1, Tw(x2) - Tw(x1)), 3);
}

QCursor CardPointer() {
    return QCursor(CardPictureList().byKey(QStringLiteral("POINTER")), 13, 1);
}
