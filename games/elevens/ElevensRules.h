#pragma once
// The paragraphs of the elevens game's rules text: one text per scoring mode, chosen by
// v.EnhancedScoring, quoting the values of `v`.

#include "dialogs/RulesText.h"

#include <QStringList>

QStringList ElevensRulesParagraphs(const QString& title, const RulesValues& v);
