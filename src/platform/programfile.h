// ProgramFile: facts about the running program's own file, and where its data lies.
#pragma once

#include <QString>

struct ProgramFile {
    QString path;     // full path of the program file
    QString folder;   // its folder, ending in a separator
    QString baseName; // file name without folder and extension
    // The help page and the sample pictures: beside the program in a build, or in
    // <prefix>/share/tilewright/ (pictures/ below it) when installed in <prefix>/bin.
    QString helpPage;
    QString sampleFolder; // ends in a separator

    // The running program, from the application object (which must exist).
    static ProgramFile current();
    static ProgramFile at(const QString& path);
};
