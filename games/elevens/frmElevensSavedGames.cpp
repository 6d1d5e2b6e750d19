// Saving the last game and opening a saved one: the Game menu's two entries.
#include "games/elevens/frmElevens.h"

void frmElevens::mnuSave_Click() {}

void frmElevens::mnuOpen_Click() {}
