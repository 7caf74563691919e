// Tilewright: a picture puzzle, cut into tiles to swap or slide back into place.
#include "puzzleapp.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    PuzzleApp::answerWithoutWindows(argc, argv);
    PuzzleApp app(argc, argv);
    const int code = app.run();
    // Everything is saved by now; a sound server that never answered, or a picture still being
    // decoded for nobody, holds up nothing more.
    if (!app.soundsFinished() || !app.picturesFinished())
        std::_Exit(code);
    return code;
}
