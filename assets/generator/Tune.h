#pragma once
// The background music: a light tune in C for flute, vibraphone, electric piano, bass and drums.

#include "MidiWriter.h"

#include <vector>

constexpr int kTicksPerQuarter = 480;

std::vector<midi::Track> BackgroundTune();
