#include "app/CaptionedFrame.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace {
// Qt's raster engine shares out any blend more than 95 rows tall among a pool of threads,
// started when first needed: the frame's sides alone would start several of them for the
// first paint. Drawn in lower bands, the frame looks the same and needs none.
constexpr int kBandRows = 64;
} // namespace

void CaptionedFrame::setCaptionColour(const QColor& colour) {
    captionColour_ = colour;
    update();
}

// As QGroupBox paints itself, with the caption's colour given to this paint only, the frame in
// bands and the caption once over it.
void CaptionedFrame::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (captionColour_.isValid()) option.palette.setColor(QPalette::WindowText, captionColour_);

    QStyleOptionGroupBox frame = option;
    frame.subControls &= ~QStyle::SC_GroupBoxLabel;
    for (int top = 0; top < height(); top += kBandRows) {
        painter.setClipRect(0, top, width(), kBandRows);
        painter.drawComplexControl(QStyle::CC_GroupBox, frame);
    }
    painter.setClipping(false);
    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}
