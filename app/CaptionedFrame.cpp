#include "app/CaptionedFrame.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

void CaptionedFrame::setCaptionColour(const QColor& colour) {
    captionColour_ = colour;
    update();
}

// As QGroupBox paints itself, with the caption's colour given to this paint only.
void CaptionedFrame::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (captionColour_.isValid()) option.palette.setColor(QPalette::WindowText, captionColour_);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}
