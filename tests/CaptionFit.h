#pragma once
// Whether every caption a window shows can be read whole: each visible label, button, check
// box, status-bar panel and text box whose text does not fit its own rectangle (measured in
// its own font, word wrap, alignment, margins and indent honoured; a box's text shows whole
// without scrolling), lies partly outside the window or a parent that clips it, or is partly
// covered by a sibling painted over it. A label's text is also faulted where its glyphs are
// drawn across a picture (a card, the clock), a shape's border (a gauge rectangle, a bevel
// line, a boxed label) or a button, whichever of the two lies on top. A control wholly
// covered is hidden, as the idle splash hides what lies under it.

#include "frame/CardPictures.h"
#include "frame/RoundClock.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace testsupport {
namespace captionfit {

inline QString shown(const QString& text) {
    return text.size() > 40 ? text.left(37) + "..." : text;
}

// What a text measures in a font, measured once for each font and text: the same captions
// come back at every pause of a whole game.
template <typename Size, typename Measure>
const Size& measuredOnce(const QFont& font, const QString& text, Measure measure) {
    static QHash<QFont, QHash<QString, Size>> measured;
    QHash<QString, Size>& ofFont = measured[font];
    auto it = ofFont.find(text);
    if (it == ofFont.end()) it = ofFont.insert(text, measure(QFontMetrics(font)));
    return *it;
}

inline QRect textBounds(const QFont& font, int room, int flags, const QString& text) {
    const QString key =
        QString::number(room) + QChar(0x1f) + QString::number(flags) + QChar(0x1f) + text;
    return measuredOnce<QRect>(font, key, [&](const QFontMetrics& fm) {
        return fm.boundingRect(QRect(0, 0, room, 1 << 20), flags, text);
    });
}

inline QRect tightBounds(const QFont& font, const QString& text) {
    return measuredOnce<QRect>(font, text,
                               [&](const QFontMetrics& fm) { return fm.tightBoundingRect(text); });
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
    int flags = Qt::TextExpandTabs;
    if (l.wordWrap()) flags |= Qt::TextWordWrap;
    const int room = l.wordWrap() ? area.width() : 1 << 20;
    // Blanks after left-aligned text only space it from what follows: cutting them cuts
    // nothing the player reads.
    QString text = l.text();
    if (a & Qt::AlignLeft)
        while (!text.isEmpty() && text.back().isSpace())
            text.chop(1);
    const QRect need = textBounds(l.font(), room, flags, text);
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
    const QRect tight = tightBounds(l.font(), l.text());
    const int baseline = textRect.top() + QFontMetrics(l.font()).ascent();
    return QRect(QPoint(textRect.left() + std::max(0, tight.left()), baseline + tight.top()),
                 QPoint(textRect.left() + tight.right(), baseline + tight.bottom()));
}

// The same ink glyph by glyph: what a label's text may not be drawn across is judged by the
// glyphs themselves, not by the box round the whole line (a descender under the gap between
// two pictures crosses neither).
inline std::vector<QRect> labelGlyphRects(const QLabel& l, const QRect& textRect) {
    if (l.wordWrap() || l.text().contains('\n')) return {textRect};
    const QString text = l.text();
    const auto& glyphs =
        measuredOnce<std::vector<QRect>>(l.font(), text, [&](const QFontMetrics& fm) {
            std::vector<QRect> each;
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text[i].isSpace()) continue;
                const QRect g = fm.tightBoundingRect(QString(text[i]));
                if (!g.isEmpty())
                    each.push_back(g.translated(fm.horizontalAdvance(text.left(i)), 0));
            }
            return each;
        });
    const int baseline = textRect.top() + QFontMetrics(l.font()).ascent();
    std::vector<QRect> out;
    for (const QRect& g : glyphs)
        out.push_back(g.translated(textRect.left(), baseline));
    return out;
}

inline QRect buttonTextRect(const QAbstractButton& b, QString& why) {
    QSize need;
    if (qobject_cast<const QPushButton*>(&b)) {
        QString plain = b.text();
        static const QRegularExpression mnemonic("&(?!&)"); // compiled once: checked at every pause
        plain.remove(mnemonic);
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

// Where a text box draws its whole text, in its own coordinates; empty when the text is wider
// than the box shows without scrolling (or the line taller than the box).
inline QRect boxTextRect(const QLineEdit& e, QString& why) {
    QStyleOptionFrame panel;
    panel.initFrom(&e);
    panel.rect = e.rect();
    panel.lineWidth =
        e.hasFrame() ? e.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, &e) : 0;
    QRect area = e.style()->subElementRect(QStyle::SE_LineEditContents, &panel, &e);
    area = area.marginsRemoved(e.textMargins());
    constexpr int kTextMargin = 2; // the box's own space left and right of its text
    area.adjust(kTextMargin, 0, -kTextMargin, 0);
    const QFontMetrics fm(e.font());
    // The box keeps a pixel for the cursor after the text; wider text scrolls.
    const QSize need(fm.horizontalAdvance(e.displayText()) + 1, fm.height());
    if (need.width() > area.width() || need.height() - 1 > area.height()) {
        why = QString("needs %1x%2, has %3x%4")
                  .arg(need.width())
                  .arg(need.height())
                  .arg(area.width())
                  .arg(area.height());
        return QRect();
    }
    return QStyle::alignedRect(e.layoutDirection(),
                               QStyle::visualAlignment(e.layoutDirection(), e.alignment()),
                               QSize(need.width() - 1, need.height() - 1), area);
}

// What a label's glyphs may not be drawn across, whichever lies on top: a picture, the border
// of a shape (a boxed frame's ring, a bevel line), a button (check boxes and options by what
// they draw). Empty when the sibling is none of these or `ink` (in the parent's coordinates)
// stays clear of it.
inline QString drawnAcross(const QWidget& s, const std::vector<QRect>& glyphs) {
    const QRect g = s.geometry();
    QRect ink;
    for (const QRect& r : glyphs)
        ink |= r;
    if (!g.intersects(ink)) return QString();
    auto across = [&glyphs](const QRect& r) {
        for (const QRect& glyph : glyphs)
            if (!(r & glyph).isEmpty()) return true;
        return false;
    };
    if (auto* c = qobject_cast<const CardPicture*>(&s)) {
        if (c->picture().isNull() && !c->hasBorder()) return QString();
        return across(g) ? "drawn over the picture " + s.objectName() : QString();
    }
    if (qobject_cast<const ClockSurface*>(&s))
        return across(g) ? "drawn over the picture " + s.objectName() : QString();
    if (auto* b = qobject_cast<const QAbstractButton*>(&s)) {
        QRect drawn = g;
        if (!qobject_cast<const QPushButton*>(b)) drawn.setSize(b->sizeHint().boundedTo(g.size()));
        return across(drawn) ? "drawn over the button " + s.objectName() : QString();
    }
    if (auto* l = qobject_cast<const QLabel*>(&s); l && !l->pixmap().isNull())
        return across(g) ? "drawn over the picture " + s.objectName() : QString();
    if (auto* f = qobject_cast<const QFrame*>(&s)) {
        // A bevel line is a filled strip; a shape is its border ring.
        const bool line = f->frameShape() == QFrame::NoFrame && f->autoFillBackground() &&
                          std::min(g.width(), g.height()) <= 3;
        if (line) return across(g) ? "drawn over the line " + s.objectName() : QString();
        const int border = f->frameShape() == QFrame::NoFrame ? 0 : f->frameWidth();
        if (border <= 0) return QString();
        const QRect inner = g.adjusted(border, border, -border, -border);
        for (const QRect& glyph : glyphs)
            if (!(glyph & g).isEmpty() && !inner.contains(glyph))
                return "drawn over the border of " + s.objectName();
        return QString();
    }
    return QString();
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
        auto* e = qobject_cast<QLineEdit*>(w);
        if ((!l && !b && !e) || (l && !l->pixmap().isNull())) continue;
        const QString text = l ? l->text() : b ? b->text() : e->displayText();
        if (text.trimmed().isEmpty()) continue;
        const QString who = QString("%1 \"%2\"").arg(w->objectName(), shown(text));
        QString why;
        QRect r = l ? labelTextRect(*l, why) : b ? buttonTextRect(*b, why) : boxTextRect(*e, why);
        if (r.isNull()) {
            out << who + ": " + why;
            continue;
        }
        QRect ink = l ? labelInkRect(*l, r) : r;
        std::vector<QRect> glyphs = l ? labelGlyphRects(*l, r) : std::vector<QRect>{r};
        r.translate(w->pos());
        ink.translate(w->pos());
        for (QRect& g : glyphs)
            g.translate(w->pos());
        // Wholly under a sibling painted above it at some level: not shown at all.
        bool hidden = false;
        {
            QRect up = r, upInk = ink;
            for (const QWidget* c = w; c != &window && !hidden; c = c->parentWidget()) {
                const QWidget* by = nullptr;
                if (coveredBy(*c, up, upInk, by) == 2) hidden = true;
                if (c->parentWidget() != &window) {
                    up.translate(c->parentWidget()->pos());
                    upInk.translate(c->parentWidget()->pos());
                }
            }
        }
        if (hidden) continue;
        // Clipped by any widget on the way up, the window's own edge last; covered by a
        // sibling painted above it at any level; drawn across a picture, shape or button.
        // What lies under a control that paints its own background is not seen through it.
        bool backed = w->autoFillBackground() || !l;
        for (const QWidget* c = w; c != &window; c = c->parentWidget()) {
            const QWidget* by = nullptr;
            if (coveredBy(*c, r, ink, by) == 1) {
                out << who + ": partly under " + by->objectName();
                break;
            }
            QString across;
            if (const QWidget* parent = c->parentWidget(); parent && (l || e || b)) {
                const QObjectList& kids = parent->children();
                const int at = int(kids.indexOf(const_cast<QWidget*>(c)));
                for (int i = 0; i < kids.size() && across.isEmpty(); ++i) {
                    auto* s = qobject_cast<const QWidget*>(kids[i]);
                    if (!s || s == c || s->isWindow() || s->isHidden()) continue;
                    if (i < at && backed) continue;
                    // Only a label's glyphs lie bare; a button or box paints its own panel,
                    // and is only ever hurt by a button over or under it.
                    if (!l && !qobject_cast<const QAbstractButton*>(s)) continue;
                    across = drawnAcross(*s, glyphs);
                }
            }
            if (!across.isEmpty()) {
                out << who + ": " + across;
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
                break;
            }
            backed = backed || parent->autoFillBackground();
            if (parent != &window) {
                r.translate(parent->pos());
                ink.translate(parent->pos());
                for (QRect& g : glyphs)
                    g.translate(parent->pos());
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
