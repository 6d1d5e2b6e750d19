#pragma once
// A twenty-one column on screen: up to five overlapping cards, its total in a white box above
// them and "Soft" beside the total while an ace counts eleven. The window places the column;
// this keeps the pictures and labels in step with the column they show.

#include <QPoint>
#include <QRect>
#include <array>

class CardPicture;
class QLabel;
class QWidget;
class TwentyOneColumn;

class TwentyOneColumnView {
  public:
    static constexpr int kRows = 5;

    // Made hidden in `area`: the cards "Column<index + 1>_<row>" at `left` and `rowTops`, the
    // total "ColumnTotal_<index>" in `totalBox` and "ColumnSoft_<index>" at `softAt` (twips).
    void create(QWidget* area, int index, int left, const std::array<int, kRows>& rowTops,
                QRect totalBox, QPoint softAt);

    CardPicture* card(int row) const { return cards_[size_t(row)]; }
    const std::array<CardPicture*, kRows>& cards() const { return cards_; }
    QLabel* total() const { return total_; }
    QLabel* soft() const { return soft_; }

    // The column's cards (an empty column shows its empty place), its total and its mark.
    void show(const TwentyOneColumn& column);
    // Shows or hides the cards of a column holding `count` (its first place always counts)
    // and the mark when it has one.
    void setCardsVisible(bool visible, int count);
    void hideCards();
    // Cards hidden, the total "0" and no mark: the column of a new round.
    void clear();

  private:
    std::array<CardPicture*, kRows> cards_{};
    QLabel* total_ = nullptr;
    QLabel* soft_ = nullptr;
};
