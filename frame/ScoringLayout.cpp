#include "frame/CustomScoringDialog.h"

#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>

namespace {
QRect px(const QRect& twips) {
    return TwRect(twips.x(), twips.y(), twips.width(), twips.height());
}

constexpr int kGapTwips = 60;    // between a widened caption and its box
constexpr int kMarginTwips = 90; // kept below the lowest control of the frame and the dialog

// Moves down every child of `parent` that starts at or below `from` by `by` pixels.
void pushDown(QWidget* parent, int from, int by, const QWidget* except) {
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != except && w->y() >= from) w->move(w->x(), w->y() + by);
}

// How far the children of `parent` that start at or below `from` must move so that none that
// shares columns with `grown` lies under it: 0 while the free room below holds it.
int overlapBelow(QWidget* parent, const QRect& grown, int from, const QWidget* except) {
    int by = 0;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w == except || w->y() < from) continue;
        if (w->x() > grown.right() || w->geometry().right() < grown.x()) continue;
        by = std::max(by, grown.y() + grown.height() - w->y());
    }
    return by;
}

int lowestBottom(const QWidget* parent) {
    int bottom = 0;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        bottom = std::max(bottom, w->y() + w->height());
    return bottom;
}

// Grows a wrapped caption to the height it needs; the growth, 0 if none. A label beside its
// box keeps its middle, as far as the controls above it leave room.
int grow(QWidget* label, bool beside) {
    label->ensurePolished(); // a style sheet's font (a bold note) is measured, not the plain one
    const auto* text = qobject_cast<QLabel*>(label);
    const int needed = text ? text->heightForWidth(label->width()) : label->sizeHint().height();
    if (needed <= label->height()) return 0;
    const int by = needed - label->height();
    int top = label->y();
    if (beside) {
        // Never above the first control of its frame (or dialog), nor into one over it.
        const QList<QWidget*> siblings =
            label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        int ceiling = label->y();
        for (QWidget* w : siblings)
            ceiling = std::min(ceiling, w->y());
        for (QWidget* w : siblings) {
            const bool shares =
                w->x() <= label->geometry().right() && w->geometry().right() >= label->x();
            if (w != label && shares && w->y() + w->height() <= label->y())
                ceiling = std::max(ceiling, w->y() + w->height());
        }
        top = std::max(ceiling, label->y() - by / 2);
    }
    label->setGeometry(label->x(), top, label->width(), needed);
    return by;
}

// A check box's caption cannot wrap by itself: its words are broken into lines that fit
// `width` beside the indicator.
void wrapCaption(QCheckBox* box, const QString& caption, int width) {
    box->ensurePolished(); // the style sheet's font
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                          box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    QTextLayout layout(caption, box->font());
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1, width - indicator));
        lines << caption.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    box->setText(lines.join(QLatin1Char('\n')));
}
} // namespace

void CustomScoringDialog::layoutControls() {
    note_->setGeometry(px(form_.notePlace));
    frame_->setGeometry(px(form_.framePlace));
    for (size_t i = 0; i < form_.boxes.size(); ++i) {
        labels_[i]->setGeometry(px(form_.boxes[i].labelPlace));
        boxes_[i]->setGeometry(px(form_.boxes[i].boxPlace));
    }
    for (size_t i = 0; i < captions_.size(); ++i)
        captions_[i]->setGeometry(px(form_.captions[i].place));
    int width = Tw(form_.client.width());
    // A check box or option caption does not wrap: the control widens to hold it.
    auto place = [this, &width](QWidget* w, const QRect& twips) {
        QRect r = px(twips);
        r.setWidth(std::max(r.width(), w->sizeHint().width()));
        r.setHeight(std::max(r.height(), w->sizeHint().height()));
        w->setGeometry(r);
        width =
            std::max(width, r.right() + (w->parentWidget() == frame_ ? frame_->x() : 0) + Tw(120));
    };
    for (size_t i = 0; i < checks_.size(); ++i) {
        const ScoringToggle& sw = form_.switches[i];
        if (sw.wraps) {
            wrapCaption(checks_[i], sw.caption, px(sw.place).width());
            checks_[i]->setGeometry(px(sw.place));
        } else {
            place(checks_[i], sw.place);
        }
    }
    for (size_t i = 0; i < options_.size(); ++i)
        place(options_[i], form_.options[i].place);
    for (size_t i = 0; i < pictures_.size(); ++i)
        pictures_[i]->setGeometry(px(form_.pictures[i].place));
    ok_->setGeometry(px(form_.ok.place));
    default_->setGeometry(px(form_.byDefault.place));
    cancel_->setGeometry(px(form_.cancel.place));

    // A row's caption that needs more than one line at its design width first takes the
    // room up to its box.
    for (size_t i = 0; i < labels_.size(); ++i) {
        QLabel* l = labels_[i];
        const QRect box = boxes_[i]->geometry();
        if (boxes_[i]->parentWidget() != l->parentWidget() || box.x() <= l->x()) continue;
        if (l->heightForWidth(l->width()) <= l->heightForWidth(QWIDGETSIZE_MAX)) continue;
        l->resize(std::max(l->width(), box.x() - Tw(kGapTwips) - l->x()), l->height());
    }

    // Grown captions take the free room below them first; what they still need pushes the
    // controls below them down, bottom-most first so that a move never carries a control
    // past another label still to be grown. The frame and the dialog grow only when their
    // contents no longer fit.
    const int frameMargin = std::min(Tw(kMarginTwips), frame_->height() - lowestBottom(frame_));
    const int dialogMargin =
        std::min(Tw(kMarginTwips), Tw(form_.client.height()) - lowestBottom(this));
    std::vector<QWidget*> labels(labels_.begin(), labels_.end());
    labels.insert(labels.end(), captions_.begin(), captions_.end());
    labels.push_back(note_);
    for (size_t i = 0; i < checks_.size(); ++i)
        if (form_.switches[i].wraps) labels.push_back(checks_[i]);
    std::sort(labels.begin(), labels.end(), [this](const QWidget* a, const QWidget* b) {
        return a->mapTo(this, QPoint()).y() > b->mapTo(this, QPoint()).y();
    });
    for (QWidget* l : labels) {
        const int bottom = l->y() + l->height();
        if (grow(l, std::find(labels_.begin(), labels_.end(), l) != labels_.end()) == 0) continue;
        QWidget* parent = l->parentWidget();
        pushDown(parent, bottom, overlapBelow(parent, l->geometry(), bottom, l), l);
        if (parent != frame_) continue;
        const int frameBottom = frame_->y() + frame_->height();
        const int by = lowestBottom(frame_) + frameMargin - frame_->height();
        if (by <= 0) continue;
        frame_->resize(frame_->width(), frame_->height() + by);
        pushDown(this, frameBottom, overlapBelow(this, frame_->geometry(), frameBottom, frame_),
                 frame_);
    }
    setFixedSize(width, std::max(Tw(form_.client.height()), lowestBottom(this) + dialogMargin));
}
