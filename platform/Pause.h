#pragma once
// Blocking pauses and explicit event pumping, as the games use them between count-up steps
// and rounds. During a pause the windows keep what was painted, the player's input waits
// until the pause ends, and the program's own timers hold their ticks until then too;
// the desktop still sees a live program because paint and system events keep flowing.

namespace platform {

void Sleep(int ms);
// Processes pending events (paints, queued clicks, timer ticks) once.
void DoEvents();
// True while a blocking pause is under way.
bool InPause();

} // namespace platform
