#pragma once
// The paragraphs of the poker grid game's rules text, quoting the values of `v`.

#include "dialogs/RulesText.h"

#include <QStringList>

QStringList PokerGridRulesParagraphs(const QString& title, const RulesValues& v);
