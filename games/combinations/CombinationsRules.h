#pragma once
// The paragraphs of the twenty-one combinations game's rules text, quoting the values of `v`.

#include "dialogs/RulesText.h"

#include <QStringList>

QStringList CombinationsRulesParagraphs(const QString& title, const RulesValues& v);
