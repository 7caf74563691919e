// Command line: the game's own options and argument, beside the options Qt takes itself.
#pragma once

class QCommandLineParser;

// Help, version and the picture to start on. Qt's standard options (-style, -reverse,
// -qwindowtitle and the rest) are known too, hidden from the help, so that a form the
// application object left for the game is not refused; and a word after one dash is a long
// option, so that -reverse is not -r -e -v (the version) and so on.
void describeCommandLine(QCommandLineParser& parser);
