// Pictures: the game's own pictures, painted from code.
#pragma once

#include <QImage>

// Scale 2 paints the same picture with twice as many pixels each way, for HiDPI screens.
QImage paintBuiltin(int scale = 1); // 350 x 351, the picture built into the game
QImage paintAbout(int scale = 1);   // 197 x 198, the about box's picture
// The desktop icon, side x side with a clear background: a jumbled tiled picture whose
// tiles are fewer and pixel-aligned at small sizes, so it reads as one at 16 pixels.
QImage paintIcon(int side);
QImage paintBalloons();  // hot-air balloons over green hills
QImage paintCoralReef(); // fish among corals under the sea
QImage paintPatchwork(); // a quilt of flat-coloured patterns, suited to a GIF
QImage paintNightCity(); // lit windows under the moon
QImage paintGarden();    // flowers and butterflies, close up
QImage paintRainbow();   // a rainbow over a valley

// Eight 32 x 32 toolbar images side by side (seven used), on the masked grey (192,192,192);
// scale 2 gives 64 x 64 images.
QImage paintToolbarStrip(bool darkFaces, int scale = 1);
