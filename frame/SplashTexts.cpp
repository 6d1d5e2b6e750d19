#include "frame/SplashTexts.h"

#include "platform/Faces.h"
#include "platform/Twips.h"

#include <QFrame>
#include <QLabel>

namespace {
QLabel* splashLabel(QFrame* splash, const char* name, double points, const QRect& r) {
    auto* l = new QLabel(splash);
    l->setObjectName(name);
    QFont f(platform::Face(QStringLiteral("Arial")));
    f.setPointSizeF(points);
    f.setBold(true);
    l->setFont(f);
    l->setGeometry(r);
    return l;
}

void keepRightEdge(QLabel* l) {
    const int right = l->geometry().right();
    l->adjustSize();
    l->move(right - l->width() + 1, l->y());
}
} // namespace

SplashTexts AddSplashTexts(QFrame* splash) {
    SplashTexts t;
    t.lblCompanyProduct =
        splashLabel(splash, "lblCompanyProduct", 18, TwRect(1845, 660, 5040, 435));
    t.lblProductName = splashLabel(splash, "lblProductName", 32.25, TwRect(1845, 1080, 2385, 765));
    t.lblProductName->setMinimumWidth(Tw(2385));
    t.lblPlatform = splashLabel(splash, "lblPlatform", 15.75, TwRect(3630, 2340, 3225, 360));
    t.lblPlatform->setText("Windows 95/98/00/NT");
    t.lblVersion = splashLabel(splash, "lblVersion", 12, TwRect(5700, 2700, 1155, 285));
    for (QLabel* l : {t.lblPlatform, t.lblVersion})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return t;
}

void FillSplashTexts(const SplashTexts& t, const QString& title) {
    t.lblProductName->setText(title);
    t.lblProductName->adjustSize();
    t.lblCompanyProduct->setText(QStringLiteral("Corvell") + " Presents");
    t.lblVersion->setText(QStringLiteral("Version ") + "7.0");
    keepRightEdge(t.lblPlatform);
    keepRightEdge(t.lblVersion);
}
