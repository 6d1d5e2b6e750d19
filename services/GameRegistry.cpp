#include "services/GameRegistry.h"

#include <algorithm>
#include <deque>

namespace {
// Descriptors register from static objects of other files: the list is built on first use,
// whatever the order of their initialisation.
struct Registry {
    std::deque<GameDescriptor> games; // stable addresses
    std::vector<const GameDescriptor*> ordered;
};

Registry& registry() {
    static Registry r;
    return r;
}
} // namespace

QString GameDescriptor::currentTable() const {
    return currentTableName ? currentTableName() : QString::fromUtf8(tableName);
}

bool RegisterGame(const GameDescriptor& game) {
    Registry& r = registry();
    r.games.push_back(game);
    r.ordered.push_back(&r.games.back());
    std::stable_sort(r.ordered.begin(), r.ordered.end(),
                     [](const GameDescriptor* a, const GameDescriptor* b) {
                         return a->launcherPlace < b->launcherPlace;
                     });
    return true;
}

const std::vector<const GameDescriptor*>& AllGames() {
    return registry().ordered;
}

const GameDescriptor* FindGameByWindow(const QString& window) {
    for (const GameDescriptor* g : AllGames())
        if (window == QLatin1String(g->window)) return g;
    return nullptr;
}

const GameDescriptor* FindGameByTitle(const QString& title) {
    for (const GameDescriptor* g : AllGames())
        if (title == QLatin1String(g->title)) return g;
    return nullptr;
}
