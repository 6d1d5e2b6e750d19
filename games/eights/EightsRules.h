#pragma once
// The paragraphs of the wild-eights game's rules text, quoting the values of `v`.

#include "dialogs/RulesText.h"

#include <QStringList>

QStringList EightsRulesParagraphs(const QString& title, const RulesValues& v);
