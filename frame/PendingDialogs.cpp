// TEMPORARY: weak stand-ins so the frame links before the shared dialogs are built.
// The real definitions replace them; delete this file when they land.
#include "dialogs/SharedDialogs.h"

__attribute__((weak)) void ShowHallOfFame() {}
__attribute__((weak)) void ShowAboutBox() {}
__attribute__((weak)) void ShowRulesWindow() {}
