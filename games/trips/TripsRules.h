#pragma once
// The paragraphs of the trips-and-runs game's rules text, quoting the values of `v`.

#include "dialogs/RulesText.h"

#include <QStringList>

QStringList TripsRulesParagraphs(const QString& title, const RulesValues& v);
