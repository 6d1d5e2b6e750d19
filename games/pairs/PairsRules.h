#pragma once
// The paragraphs of the pairs-and-runs game's rules text, quoting the values of `v`.

#include "dialogs/RulesText.h"

#include <QStringList>

QStringList PairsRulesParagraphs(const QString& title, const RulesValues& v);
