#include "platform/Faces.h"

#include <QApplication>
#include <QFont>

namespace platform {

namespace {
// fonts-dejavu-core, which the program installs.
const QString kSans = QStringLiteral("DejaVu Sans");
// Qt's own default size where no desktop gives one.
constexpr double kDefaultPoints = 9;
} // namespace

QString Face(const QString& designFace) {
    for (const char* design : {"Arial", "MS Sans Serif"})
        if (designFace.compare(QLatin1String(design), Qt::CaseInsensitive) == 0) return kSans;
    return designFace;
}

void UseProgramFont() {
    QFont font(kSans);
    font.setPointSizeF(kDefaultPoints);
    QApplication::setFont(font);
}

} // namespace platform
