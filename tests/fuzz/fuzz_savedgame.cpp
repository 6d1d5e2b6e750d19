// Feeds arbitrary bytes to the saved-game reader: it must never crash, and whatever it
// accepts must be a game that writes back and reads again to the same game.
#include "services/SavedGame.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto game = ParseSavedGame(text);
    if (!game) return 0;
    if (!SavedGameProblem(*game).isEmpty()) std::abort();
    const auto again = ParseSavedGame(SavedGameText(*game));
    if (!again || again->cardGoal != game->cardGoal || again->roundDecks != game->roundDecks ||
        again->timeLimit != game->timeLimit || again->score != game->score ||
        again->custom != game->custom)
        std::abort();
    return 0;
}
