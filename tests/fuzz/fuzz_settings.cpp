// Fuzzes the settings readers: any bytes as "Sumbry.Ini" (and "Tressel.Ini"), applied through
// handlers that check every value they are given is one the window can take.
#include "app/SharedState.h"
#include "games/elevens/ElevensSettings.h"
#include "games/elevens/ElevensSettingsFile.h"
#include "services/SettingsFile.h"
#include "tests/fuzz/TripsSettingsFuzz.h"

#include <cstdint>
#include <cstdlib>

namespace {
void require(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetElevensLoadDefaults();
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    int state = WindowNormal;
    ElevensSettingsHandlers h;
    h.selectionColour = [](int i) { require(i >= 0 && i <= 5); };
    h.timeLimit = [](int t) { require(t >= 30 && t <= 180 && t % 30 == 0); };
    h.deckDesign = [](int d) { require(d >= 1 && d <= 4); };
    h.cardGoal = [](int g) { require(g >= 10 && g <= 15); };
    h.windowState = [&](int s) {
        require(s == WindowNormal || s == WindowMaximised);
        state = s;
    };
    h.currentWindowState = [&] { return state; };
    h.width = [](int w) { require(w > 0); };
    h.height = [](int v) { require(v > 0); };
    ApplyElevensSettingsText(text, h);

    const ElevensSettings& o = ElevensOptions();
    for (int32_t v : {o.BonusRoundScore, o.CompletionBonus, o.Bonus, o.BonusES, Shared().TimeBonus})
        require(v >= ElevensDefaults::MinScoringValue && v <= ElevensDefaults::MaxScoringValue);
    require(Shared().CardGoal >= 10 && Shared().CardGoal <= 15);

    // The generic reader on its own, with a key taken from the input.
    const QString firstLine = QString::fromLatin1(text.left(text.indexOf('\n')));
    ReadSettingsText(text, {firstLine.trimmed()},
                     [](const QString&, const QString& v) { (void)SettingsWholeNumber(v); });
    FuzzTripsSettings(text);
    return 0;
}
