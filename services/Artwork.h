#pragma once
// Our own artwork for the picture list: 68 pictures in list order.
//  1-3   first card-back design: full stock (76x98), back (71x96), half stock (74x97)
//  4-12  designs two to four: full stock (75x97), back (69x94), half stock (73x97) each
//  13    an empty card place (71x96)
//  14-65 card faces (69x94): spades, hearts, clubs, diamonds, ace to king each
//  66    the pointer over a playable card (32x32)
//  67    an unused empty place (76x100)
//  68    the elevens game's splash picture (71x96)
// Sizes are in device-independent pixels; pictures are drawn at `dpr` so they stay sharp.

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <functional>

// Draws picture `number` (1-68) alone. A stock picture is its design's back with card edges
// behind it: `picture` gives that back (by its number), so a list drawing on demand draws
// each back once. The drawing parts are cached between calls; ForgetCardPictureParts() frees
// them once a set of pictures is drawn.
QPixmap DrawCardPicture(int number, qreal dpr, const std::function<QPixmap(int)>& picture);
void ForgetCardPictureParts();

// Keys at load: "FULL", "BACK", "HALF" on 1-3, "EMPTY", the 52 card codes, "POINTER",
// "Empty", "SMBY"; empty keys for pictures 4-12.
QStringList CardPictureKeys();

// Names of the four card-back designs, in design order.
QStringList CardBackDesignNames();
