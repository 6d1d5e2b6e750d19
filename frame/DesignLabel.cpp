#include "frame/DesignLabel.h"

#include "platform/Faces.h"

#include <QFontInfo>
#include <QLabel>

QLabel* DesignLabel(QWidget* parent, const QString& name, const QString& caption, double points,
                    bool bold, const QString& family) {
    auto* l = parent->findChild<QLabel*>(name);
    if (!l) {
        l = new QLabel(caption, parent);
        l->setObjectName(name);
    }
    l->setText(caption);
    QFont f = l->font();
    if (!family.isEmpty()) f.setFamily(platform::Face(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    l->setFont(f);
    l->adjustSize();
    return l;
}

QFont CondensedFace(const QFont& base, double points) {
    QFont f = base;
    f.setFamilies({QFontInfo(base).family() + QStringLiteral(" Condensed"), base.family()});
    f.setPointSizeF(points);
    return f;
}
