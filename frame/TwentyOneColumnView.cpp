#include "frame/TwentyOneColumnView.h"

#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/VbColour.h"
#include "platform/Twips.h"
#include "services/TwentyOneColumn.h"

#include <QLabel>

namespace {
constexpr int kCardWidth = 1035;
constexpr int kCardHeight = 1455;

QLabel* blueLabel(QWidget* area, const QString& name, const QString& caption, double points) {
    QLabel* l = DesignLabel(area, name, caption, points, true, kDesignSans);
    SetForeColour(l, kVbBlue);
    return l;
}
} // namespace

void TwentyOneColumnView::create(QWidget* area, int index, int left,
                                 const std::array<int, kRows>& rowTops, QRect totalBox,
                                 QPoint softAt) {
    for (int r = 0; r < kRows; ++r) {
        auto* img = new CardPicture(QString("Column%1_%2").arg(index + 1).arg(r), area);
        img->setGeometry(TwRect(left, rowTops[size_t(r)], kCardWidth, kCardHeight));
        img->hide();
        cards_[size_t(r)] = img;
    }
    total_ = blueLabel(area, QString("ColumnTotal_%1").arg(index), "0", 12);
    total_->setGeometry(TwRect(totalBox.x(), totalBox.y(), totalBox.width(), totalBox.height()));
    total_->setAlignment(Qt::AlignCenter);
    total_->setFrameShape(QFrame::Box);
    total_->setAutoFillBackground(true);
    QPalette white = total_->palette();
    white.setColor(QPalette::Window, Qt::white);
    total_->setPalette(white);
    total_->hide();
    soft_ = blueLabel(area, QString("ColumnSoft_%1").arg(index), "", 8.25);
    soft_->move(Tw(softAt.x()), Tw(softAt.y()));
    soft_->hide();
}

void TwentyOneColumnView::show(const TwentyOneColumn& column) {
    for (int r = 0; r < kRows; ++r) {
        CardPicture* img = cards_[size_t(r)];
        if (r < column.count()) {
            img->showPicture(column.cards()[size_t(r)].trimmed(), true);
            img->show();
        } else if (r == 0) {
            img->showPicture("EMPTY", false);
            img->show();
        } else {
            img->hide();
        }
    }
    total_->setText(QString::number(column.total()));
    soft_->setText(column.soft() ? "Soft" : "");
    soft_->adjustSize();
    soft_->setVisible(column.soft());
}

void TwentyOneColumnView::setCardsVisible(bool visible, int count) {
    for (int r = 0; r < kRows; ++r)
        cards_[size_t(r)]->setVisible(visible && (r < count || r == 0));
    soft_->setVisible(visible && !soft_->text().isEmpty());
}

void TwentyOneColumnView::hideCards() {
    for (CardPicture* img : cards_)
        img->hide();
}

void TwentyOneColumnView::clear() {
    hideCards();
    total_->setText("0");
    soft_->clear();
    soft_->hide();
}
