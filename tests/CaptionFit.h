#pragma once
// Whether every caption a window shows can be read whole: each visible label, button, check
// box and status-bar panel whose text does not fit its own rectangle (measured in its own
// font, word wrap, alignment, margins and indent honoured), lies partly outside the window or
// a parent that clips it, or is partly covered by a sibling painted over it. A control wholly
// covered is hidden, as the idle splash hides what lies under it.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStringList>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace testsupport {
namespace captionfit {

inline QString shown(const QString& text) {
    return text.size() > 40 ? text.left(37) + "..." : text;
}

// Where the label's whole text is drawn, in its own coordinates; empty when it needs more
// room than the label has (`why` says what is short).
inline QRect labelTextRect(const QLabel& l, QString& why) {
    QRect area = l.contentsRect().adjusted(l.margin(), l.margin(), -l.margin(), -l.margin());
    const Qt::Alignment a = QStyle::visualAlignment(l.layoutDirection(), l.alignment());
    int indent = l.indent();
    if (indent < 0 && l.frameWidth() > 0) indent = l.fontMetrics().horizontalAdvance('x') / 2;
    if (indent > 0) {
        if (a & Qt::AlignLeft) area.setLeft(area.left() + indent);
        if (a & Qt::AlignRight) area.setRight(area.right() - indent);
        if (a & Qt::AlignTop) area.setTop(area.top() + indent);
        if (a & Qt::AlignBottom) area.setBottom(area.bottom() - indent);
    }
    const QFontMetrics fm(l.font());
    int flags = Qt::TextExpandTabs;
    if (l.wordWrap()) flags |= Qt::TextWordWrap;
    const int room = l.wordWrap() ? area.width() : 1 << 20;
    // Blanks after left-aligned text only space it from what follows: cutting them cuts
    // nothing the player reads.
    QString text = l.text();
    if (a & Qt::AlignLeft)
        while (!text.isEmpty() && text.back().isSpace())
            text.chop(1);
    const QRect need = fm.boundingRect(QRect(0, 0, room, 1 << 20), flags, text);
    const int needW = need.width();
    // A pixel of a line's leading may go without any glyph losing ink.
    if (needW > area.width() || need.height() - 1 > area.height()) {
        why = QString("needs %1x%2, has %3x%4")
                  .arg(needW)
                  .arg(need.height())
                  .arg(area.width())
                  .arg(area.height());
        return QRect();
    }
    return QStyle::alignedRect(l.layoutDirection(), a, QSize(needW, need.height() - 1), area);
}

// The part of a label's text rectangle (from labelTextRect, same coordinates) that its glyphs
// ink: a line's leading and the room above its digits overlap nothing a player can see.
inline QRect labelInkRect(const QLabel& l, const QRect& textRect) {
    if (l.wordWrap() || l.text().contains('\n')) return textRect;
    const QFontMetrics fm(l.font());
    const QRect tight = fm.tightBoundingRect(l.text());
    const int baseline = textRect.top() + fm.ascent();
    return QRect(QPoint(textRect.left() + std::max(0, tight.left()), baseline + tight.top()),
                 QPoint(textRect.left() + tight.right(), baseline + tight.bottom()));
}

inline QRect buttonTextRect(const QAbstractButton& b, QString& why) {
    QSize need;
    if (qobject_cast<const QPushButton*>(&b)) {
        QString plain = b.text();
        plain.remove(QRegularExpression("&(?!&)"));
        const QFontMetrics fm(b.font());
        const int frame = b.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &b);
        need = QSize(fm.horizontalAdvance(plain) + 2 * frame, fm.height());
    } else {
        need = b.sizeHint();
        need.setHeight(std::min(need.height(), QFontMetrics(b.font()).height()));
    }
    if (need.width() > b.width() || need.height() > b.height()) {
        why = QString("needs %1x%2, has %3x%4")
                  .arg(need.width())
                  .arg(need.height())
                  .arg(b.width())
                  .arg(b.height());
        return QRect();
    }
    if (qobject_cast<const QPushButton*>(&b))
        return QStyle::alignedRect(b.layoutDirection(), Qt::AlignCenter, need, b.rect());
    return QStyle::alignedRect(b.layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter, need,
                               b.rect());
}

// A sibling stacked above `w` that paints its own background over `text`, or draws its own
// text across it (in w's parent).
// `ink`: the part of `text` its glyphs cover, for another caption's text drawn over it.
inline int coveredBy(const QWidget& w, const QRect& text, const QRect& ink, const QWidget*& by) {
    const QWidget* parent = w.parentWidget();
    if (!parent) return 0;
    const QObjectList& kids = parent->children();
    int at = int(kids.indexOf(const_cast<QWidget*>(&w)));
    for (int i = at + 1; i < kids.size(); ++i) {
        auto* s = qobject_cast<const QWidget*>(kids[i]);
        if (!s || s->isWindow() || s->isHidden()) continue;
        const bool opaque =
            s->autoFillBackground() || s->testAttribute(Qt::WA_OpaquePaintEvent) ||
            (qobject_cast<const QLabel*>(s) && !qobject_cast<const QLabel*>(s)->pixmap().isNull());
        if (!opaque) {
            // Two texts drawn across each other: neither reads whole.
            auto* sl = qobject_cast<const QLabel*>(s);
            if (!sl || sl->text().trimmed().isEmpty() || !sl->pixmap().isNull()) continue;
            QString unused;
            const QRect drawn = labelTextRect(*sl, unused);
            if (drawn.isNull()) continue; // reported as cut on its own
            // A descender may touch the top of the line below by a pixel.
            const QRect across = labelInkRect(*sl, drawn).translated(sl->pos()) & ink;
            if (across.width() < 2 || across.height() < 2) continue;
            by = s;
            return 1;
        }
        if (!s->geometry().intersects(text)) continue;
        by = s;
        return s->geometry().contains(text) ? 2 : 1;
    }
    return 0;
}

} // namespace captionfit

// Every caption of the window that the player cannot read whole, as "name "text": why".
inline QStringList CaptionFitFailures(QWidget& window) {
    using namespace captionfit;
    QStringList out;
    // A window not yet shown has not laid out its central widget and status bar.
    if (window.layout()) window.layout()->activate();
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->layout()) w->layout()->activate();
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->window() != &window) continue;
        auto* l = qobject_cast<QLabel*>(w);
        auto* b = qobject_cast<QAbstractButton*>(w);
        if ((!l && !b) || (l && !l->pixmap().isNull())) continue;
        const QString text = l ? l->text() : b->text();
        if (text.trimmed().isEmpty()) continue;
        const QString who = QString("%1 \"%2\"").arg(w->objectName(), shown(text));
        QString why;
        QRect r = l ? labelTextRect(*l, why) : buttonTextRect(*b, why);
        if (r.isNull()) {
            out << who + ": " + why;
            continue;
        }
        // Clipped by any widget on the way up, the window's own edge last; covered by a
        // sibling painted above it at any level.
        QRect ink = l ? labelInkRect(*l, r) : r;
        r.translate(w->pos());
        ink.translate(w->pos());
        bool hidden = false;
        for (const QWidget* c = w; c != &window && !hidden; c = c->parentWidget()) {
            const QWidget* by = nullptr;
            const int cover = coveredBy(*c, r, ink, by);
            if (cover == 2) hidden = true;
            if (cover == 1) {
                out << who + ": partly under " + by->objectName();
                hidden = true;
                break;
            }
            const QWidget* parent = c->parentWidget();
            const QRect inside = parent->rect();
            if (!inside.contains(r)) {
                out << who + QString(": text %1..%2 x %3..%4 outside %5 (%6x%7)")
                                 .arg(r.left())
                                 .arg(r.right())
                                 .arg(r.top())
                                 .arg(r.bottom())
                                 .arg(parent->objectName())
                                 .arg(inside.width())
                                 .arg(inside.height());
                hidden = true;
                break;
            }
            if (parent != &window) {
                r.translate(parent->pos());
                ink.translate(parent->pos());
            }
        }
    }
    return out;
}

// For a dialog test: EXPECT_TRUE(CaptionsFit(dialog)) names every caption that is cut.
inline ::testing::AssertionResult CaptionsFit(QWidget& window) {
    const QStringList faults = CaptionFitFailures(window);
    if (faults.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << qPrintable(faults.join("\n"));
}

} // namespace testsupport
