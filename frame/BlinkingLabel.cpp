#include "frame/BlinkingLabel.h"

#include "frame/VbColour.h"
#include "platform/Pause.h"

#include <QLabel>

void BlinkLabel(QLabel* label, int times, int ms) {
    if (!label) return;
    for (int i = 0; i < times; ++i) {
        SetForeColour(label, ForeColour(label) == VbColour(kVbRed) ? kVbBlack : kVbRed);
        label->repaint();
        platform::Sleep(ms);
    }
}
