#pragma once
// The texts on a game window's idle splash panel: the distributor's line, the product name,
// the platform and the version, in Arial bold. They are made at the elevens design places; a
// window with another design moves them after.

#include <QString>

class QFrame;
class QLabel;

struct SplashTexts {
    QLabel* lblCompanyProduct = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblVersion = nullptr;
};

SplashTexts AddSplashTexts(QFrame* splash);
// "Corvell Presents", the game's title, "Windows 95/98/00/NT" and "Version 7.0". The product
// name grows with its text; the platform and version keep their right edge.
void FillSplashTexts(const SplashTexts& texts, const QString& title);
