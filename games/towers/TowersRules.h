#pragma once
// The paragraphs of the three-towers game's rules text, quoting the values of `v`.

#include "dialogs/RulesText.h"

#include <QStringList>

QStringList TowersRulesParagraphs(const QString& title, const RulesValues& v);
