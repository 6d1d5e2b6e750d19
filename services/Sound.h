#pragma once
// Sound effects, background music and web pages for the whole program.

#include <QString>

class QWidget;

// Plays a wave file at once; callers check SoundsOn first.
void PlayWaveFile(const QString& path);
// Starts "Halvik.MID" from the program folder; 0 on success (callers ignore it).
int PlayMusic();
// Stops the music; harmless when none plays.
int StopMusic();
// Opens a web address in the desktop's browser; failures are reported in a box.
void OpenWebPage(QWidget* window, const QString& url);

// Plays a named sound from the program folder when sounds are on.
void PlaySound(const QString& fileName);

// Addresses the program opens.
inline const QString kDistributorWebAddress = QStringLiteral("https://www.corvell.example/");
inline const QString kHighScoreWebAddress =
    QStringLiteral("https://www.corvell.example/highscores/");
