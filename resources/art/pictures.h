// Pictures: the game's own pictures, painted from code.
#pragma once

#include <QImage>

QImage paintBuiltin();      // 350 x 351, the picture built into the game
QImage paintAbout();        // 197 x 198, the about box's picture
QImage paintIcon(int side); // the desktop icon, side x side with a clear background
QImage paintBalloons();     // hot-air balloons over green hills
QImage paintCoralReef();    // fish among corals under the sea
QImage paintPatchwork();    // a quilt of flat-coloured patterns, suited to a GIF
QImage paintNightCity();    // lit windows under the moon
QImage paintGarden();       // flowers and butterflies, close up
QImage paintRainbow();      // a rainbow over a valley

// Eight 32 x 32 toolbar images side by side (seven used), on the masked grey (192,192,192).
QImage paintToolbarStrip(bool darkFaces);
