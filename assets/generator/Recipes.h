#pragma once
// The program's sound effects, one recipe per file.

#include "Synth.h"

#include <string>
#include <vector>

struct SoundRecipe {
    std::string fileName;
    synth::Buffer (*make)();
};

const std::vector<SoundRecipe>& SoundRecipes();
