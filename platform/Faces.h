#pragma once
// The faces the windows draw in. The window designs name faces a Linux machine rarely has
// ("Arial", "MS Sans Serif"); left to fontconfig each becomes whatever face the machine has
// for it (Nimbus Sans, Liberation Sans, DejaVu Sans), all of different widths, while every
// caption was fitted to DejaVu Sans. So the program names the installed face itself.

#include <QString>

namespace platform {

// The face the program draws `designFace` in: for a face the designs name, one of the faces
// the program installs; any other face is taken to be one of those and given back.
QString Face(const QString& designFace);

// Makes the program's face, at the size the windows were fitted to, the font of every
// widget that sets none, whatever face and size the desktop prefers. Once, after the
// QApplication is made.
void UseProgramFont();

} // namespace platform
