#pragma once
// A label as the window designs give them: a name, a caption and a font, sized to its text.

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// The sans-serif face the window designs name; platform::Face gives the face it is drawn in.
inline const QString kDesignSans = QStringLiteral("MS Sans Serif");

// The child label of that name, made when missing; its caption and font are set and it is
// sized to the caption. `family` is a design face; none keeps the label's own.
QLabel* DesignLabel(QWidget* parent, const QString& name, const QString& caption, double points,
                    bool bold, const QString& family = QString());

// The condensed face of the family `base` shows in, at `points`: for text that must fit less
// room than the designs' face needs. Where the family has no condensed face, the family itself.
QFont CondensedFace(const QFont& base, double points);
