// The pictures of the program besides the tiles: two logos, the help picture and the icon.
#pragma once

#include "canvas.h"

#include <vector>

// 200 x 50: a running figure, the name in red letters and a small flag, on window grey.
Canvas MakeTitleLogo();
// 163 x 50: the player, the name and a strip of the border chain, on the board's black.
Canvas MakeAboutLogo();
// 183 x 172: the controls (keys, joystick, what they do) in Italian, on window grey.
Canvas MakeHelpPicture();
// The icon's images, 16, 32 and 48 pixels square, with transparent corners.
std::vector<Canvas> MakeIconImages();
