#pragma once
// frmCrestalCustom: the three-towers game's custom-scoring dialog, a table for the frame's
// custom-scoring engine. Each box is stored on its own, a value outside its range as the
// limit it passed, with that side's message.

#include "frame/CustomScoringDialog.h"

#include <functional>

// `recompute` runs after every OK and Default: the custom mark and the status text.
ScoringTable CrestalScoringTable(std::function<void()> recompute);
