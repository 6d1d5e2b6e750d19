#pragma once
// Menu shortcuts that are also text-box editing keys (Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z) belong
// to a text box of a game window while it has the focus.

void InstallTextBoxShortcutGuard();
