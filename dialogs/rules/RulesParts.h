#pragma once
// Pieces the games' rules texts share. Each game's text is a list of paragraphs in order,
// without the common head; the caller joins them with an empty line between.

#include "dialogs/RulesText.h"

#include <QStringList>

namespace rules {

// The opening paragraph most games share: the object, the rounds and the bonus-round threshold.
QString ObjectParagraph(const QString& title, const char* rounds, int timeLimit, int32_t threshold);

// The lead-in of the ways to earn points.
inline const QString kWays = QStringLiteral("You earn points in a number ways:");

// The last paragraph of every text.
inline const QString kGoodLuck = QStringLiteral("Good luck and have fun!");

// A line break inside a paragraph.
inline const QString kLineBreak = QStringLiteral("\r\n");

} // namespace rules
