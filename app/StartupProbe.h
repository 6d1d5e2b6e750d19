#pragma once
// Measuring aids for tools/bench-startup.sh, active only when its variables are set:
// PARLOVEX_STARTUP_PROBE=1 reports when the launcher's first frame is painted (microseconds
// since the epoch) and, by then, the processor time used (microseconds, taken before the
// probe's own reading of the process's files), the shared libraries loaded and the peak
// memory, then quits;
// PARLOVEX_WINDOW_PROBE=<button> then clicks that game button and reports the time to the game
// window's first paint; PARLOVEX_WINDOW_PROBE=list prints the launcher's enabled game buttons.
// The bare window the start-up is measured against reports through the same probe.

class QWidget;

// Installs the probe the environment asks for on the launcher; does nothing otherwise.
void InstallStartupProbe(QWidget* launcher);
