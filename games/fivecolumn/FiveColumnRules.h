#pragma once
// The paragraphs of the five-column game's rules text, quoting the values of `v`.

#include "dialogs/RulesText.h"

#include <QStringList>

QStringList FiveColumnRulesParagraphs(const QString& title, const RulesValues& v);
