// Writes the program's sound effects and music into the folder given as the argument.
// The output depends on nothing but this code: the same build gives the same files.

#include "MidiWriter.h"
#include "Recipes.h"
#include "Tune.h"
#include "WavWriter.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_assets OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    bool ok = true;
    for (const SoundRecipe& r : SoundRecipes())
        ok = WriteWave(dir + r.fileName, r.make()) && ok;
    ok = midi::WriteFile(dir + "Halvik.MID", BackgroundTune(), kTicksPerQuarter) && ok;
    return ok ? 0 : 1;
}
