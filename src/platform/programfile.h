// ProgramFile: facts about the running program's own file.
#pragma once

#include <QString>

struct ProgramFile {
    QString path;     // full path of the program file
    QString folder;   // its folder, ending in a separator
    QString baseName; // file name without folder and extension

    // The running program, from the application object (which must exist).
    static ProgramFile current();
    static ProgramFile at(const QString& path);
};
