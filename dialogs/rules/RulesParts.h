#pragma once
// The paragraphs of each game's rules text, without the common head. Each list holds the
// paragraphs in order; the caller joins them with an empty line between.

#include "dialogs/RulesText.h"

#include <QStringList>

namespace rules {

QStringList ElevensClassic(const QString& title, const RulesValues& v);
QStringList ElevensEnhanced(const QString& title, const RulesValues& v);
QStringList Quintel(const QString& title, const RulesValues& v);
QStringList Brisko(const QString& title, const RulesValues& v);
QStringList Crestal(const QString& title, const RulesValues& v);
QStringList Twindle(const QString& title, const RulesValues& v);
QStringList Marvane(const QString& title, const RulesValues& v);
QStringList Tressel(const QString& title, const RulesValues& v);
QStringList Glyphon(const QString& title, const RulesValues& v);
QStringList Wildrow(const QString& title, const RulesValues& v);

// The opening paragraph most games share: the object, the rounds and the bonus-round threshold.
QString ObjectParagraph(const QString& title, const char* rounds, int timeLimit, int32_t threshold);

// The last paragraph of every text.
inline const QString kGoodLuck = QStringLiteral("Good luck and have fun!");

// A line break inside a paragraph.
inline const QString kLineBreak = QStringLiteral("\r\n");

} // namespace rules
