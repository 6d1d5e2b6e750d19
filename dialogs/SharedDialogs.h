#pragma once
// The shared modal windows the game windows open from their menus.

// The high-score table of the current game and time limit.
void ShowHallOfFame();
// The about box.
void ShowAboutBox();
// The rules of the current game with its current scoring values.
void ShowRulesWindow();
