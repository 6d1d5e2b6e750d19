#pragma once
// Pieces most custom-scoring forms are built from: the note every dialog opens with, a step
// that checks a box against a range, and a column of rows spaced evenly in the frame.

#include "frame/CustomScoringDialog.h"

#include <vector>

// "Note: Changing any of the Scoring Options will cause your high scores to be marked ..."
QString ScoringNoteText();

// Accepted from `low` to `high`; outside, the message of the bound passed.
ScoringCheck RangeCheck(const char* box, double low, double high, const char* lowMessage,
                        const char* highMessage);

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
