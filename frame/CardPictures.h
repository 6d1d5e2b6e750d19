#pragma once
// The picture controls of the game windows: card places that show a picture of the card
// list (faces with their single-line border, backs, stocks and the empty place without),
// the selection frames laid over them, and the plain shapes of the gauges.

#include <QFrame>
#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <functional>

class CardPicture : public QWidget {
    Q_OBJECT
  public:
    CardPicture(const QString& name, QWidget* parent);

    // Shows the picture keyed `key` in the card list ("EMPTY", "FULL", a trimmed card code).
    void showPicture(const QString& key, bool border);
    const QString& pictureKey() const { return key_; }
    const QPixmap& picture() const { return pixmap_; }
    bool hasBorder() const { return border_; }
    // The card's own pointer over it (a playable card) or the platform's arrow.
    void setPointer(bool pointer);
    bool showsPointer() const { return pointer_; }

    std::function<void()> onPress;
    std::function<void()> onMouseMove;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QPixmap pixmap_;
    QString key_;
    bool border_ = false;
    bool pointer_ = false;
};

// A rectangle of the card's size whose border marks a selected card; clicks go through it.
class SelectionFrame : public QWidget {
    Q_OBJECT
  public:
    SelectionFrame(const QString& name, QWidget* parent);
    void setBorderColour(uint32_t bgr);
    uint32_t borderColour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    uint32_t colour_ = 0x0000FF;
};

// A gauge frame (black single-line rectangle) and its grey bevel lines.
QFrame* MakeGaugeRectangle(const QString& name, QWidget* parent);
QFrame* MakeBevelLine(const QString& name, QWidget* parent);
// Turns an existing line into a bevel line (the frame's clock gauge lines).
void StyleBevelLine(QFrame* line);
// Places a bevel line from (x1, y1) to (x2, y2), twips; lines are 3 pixels wide.
void PlaceBevelLine(QWidget* line, int x1, int y1, int x2, int y2);

// The pointer over playable cards: the card list's "POINTER" with its hot spot at (13, 1).
QCursor CardPointer();
