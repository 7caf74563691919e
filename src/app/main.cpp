// Tilewright: a picture puzzle, cut into tiles to swap or slide back into place.
#include "puzzleapp.h"

int main(int argc, char** argv)
{
    PuzzleApp::answerWithoutWindows(argc, argv);
    PuzzleApp app(argc, argv);
    return app.run();
}
