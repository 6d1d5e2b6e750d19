#include "app/CaptionedFrame.h"

#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

// Painted in bands and with the colour given to the caption alone, the frame must look just
// as a group box whose own palette carries that colour; taller than a band several times over.
TEST(CaptionedFrameTest, LooksLikeAGroupBoxWithTheCaptionColourInItsPalette) {
    CaptionedFrame frame;
    QGroupBox box;
    for (QGroupBox* b : {static_cast<QGroupBox*>(&frame), &box}) {
        b->setTitle(QStringLiteral("Select your game"));
        QFont bold = b->font();
        bold.setBold(true);
        b->setFont(bold);
        b->resize(300, 290);
    }
    frame.setCaptionColour(QColor(0, 0, 255));
    QPalette blue = box.palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    box.setPalette(blue);
    EXPECT_EQ(frame.grab().toImage(), box.grab().toImage());
}
