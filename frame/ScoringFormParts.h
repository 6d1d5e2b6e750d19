#pragma once
// A column of rows spaced evenly in a custom-scoring form's frame; the steps most forms
// check with are in ScoringForm.h.

#include "frame/CustomScoringDialog.h"

#include <vector>

struct ScoringRowText {
    const char* label;
    const char* caption;
    const char* box;
    const QString& key;
};

// One row per entry, the first at `label` and `box` (twips, in the frame), each next one
// `step` lower; TabIndex counts from 0 down the rows.
std::vector<ScoringBox> EvenRows(const std::vector<ScoringRowText>& rows, QRect label, QRect box,
                                 int step);
