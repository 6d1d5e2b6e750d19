#pragma once
// A message that blinks: its text turns red and black in turn, shown at once each time, with
// a blocking pause between (so the player's input waits until it is done).

class QLabel;

// `times` colour changes, `ms` apart; the first one turns a red text black and any other red.
void BlinkLabel(QLabel* label, int times, int ms = 250);
