#pragma once
// The paragraphs of the phrase game's rules text, quoting the values of `v`.

#include "dialogs/RulesText.h"

#include <QStringList>

QStringList PhraseRulesParagraphs(const QString& title, const RulesValues& v);
